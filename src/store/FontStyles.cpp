#include "store/FontStyles.h"

#include <sstream>
#include <vector>

namespace kv7::store {
namespace {

std::string Trim(const std::string& s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

}  // namespace

std::string StyleText(const FontStyles& styles) {
  std::string text = styles.bold ? "fsBold" : "";
  if (styles.italic) text += ",fsItalic";
  if (styles.underline) text += ",fsUnderline";
  if (styles.strikeout) text += ",fsStrikeout";
  return text + ".";
}

FontStyles ParseStyleText(const std::string& text) {
  std::string body = text;
  if (!body.empty() && body.back() == '.') body.pop_back();
  std::vector<std::string> parts;
  std::istringstream in(body);
  for (std::string part; std::getline(in, part, ',');) parts.push_back(Trim(part));
  FontStyles styles;
  styles.bold = parts.size() > 0 && parts[0] == "fsBold";
  styles.italic = parts.size() > 1 && parts[1] == "fsItalic";
  for (std::size_t i = 1; i < parts.size(); ++i) {
    styles.underline = styles.underline || parts[i] == "fsUnderline";
    styles.strikeout = styles.strikeout || parts[i] == "fsStrikeout";
  }
  return styles;
}

}  // namespace kv7::store
