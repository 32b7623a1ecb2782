#include "SourceTexts.h"

#include <algorithm>
#include <cctype>
#include <regex>

namespace kv7::test {
namespace {

// The index of the quote closing the literal opened at `at`.
std::size_t LiteralEnd(const std::string& code, std::size_t at) {
  std::size_t j = at + 1;
  while (j < code.size() && code[j] != code[at]) j += code[j] == '\\' ? 2 : 1;
  return std::min(j, code.size() - 1);
}

std::string Decoded(const std::string& body) {
  std::string text;
  for (std::size_t j = 0; j < body.size(); ++j) {
    if (body[j] != '\\' || j + 1 == body.size()) {
      text += body[j];
      continue;
    }
    const char e = body[++j];
    text += e == 'r' ? '\r' : e == 'n' ? '\n' : e == 't' ? '\t' : e;
  }
  return text;
}

}  // namespace

std::string WithoutComments(const std::string& code) {
  std::string out;
  for (std::size_t i = 0; i < code.size(); ++i) {
    if (code.compare(i, 2, "//") == 0) {
      i = code.find('\n', i);
      if (i == std::string::npos) break;
      out += '\n';
    } else if (code.compare(i, 2, "/*") == 0) {
      i = code.find("*/", i);
      if (i == std::string::npos) break;
      ++i;
    } else if (code[i] == '"' || code[i] == '\'') {
      const std::size_t j = LiteralEnd(code, i);
      out += code.substr(i, j - i + 1);
      i = j;
    } else {
      out += code[i];
    }
  }
  return out;
}

std::size_t MatchingClose(const std::string& code, std::size_t open) {
  int depth = 0;
  for (std::size_t i = open; i < code.size(); ++i) {
    const char c = code[i];
    if (c == '"' || c == '\'') {
      i = LiteralEnd(code, i);
    } else if (c == '(' || c == '[' || c == '{') {
      ++depth;
    } else if ((c == ')' || c == ']' || c == '}') && --depth == 0) {
      return i;
    }
  }
  return code.size();
}

std::vector<std::string> SplitTopLevel(const std::string& text, char separator) {
  std::vector<std::string> parts(1);
  int depth = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '"' || c == '\'') {
      const std::size_t j = LiteralEnd(text, i);
      parts.back() += text.substr(i, j - i + 1);
      i = j;
      continue;
    }
    if (c == '(' || c == '[' || c == '{') ++depth;
    if (c == ')' || c == ']' || c == '}') --depth;
    const bool doubled = separator == '+' && ((i + 1 < text.size() && (text[i + 1] == '+' || text[i + 1] == '=')) ||
                                              (i > 0 && text[i - 1] == '+'));
    if (c == separator && depth == 0 && !doubled)
      parts.emplace_back();
    else
      parts.back() += c;
  }
  return parts;
}

std::vector<std::string> Literals(const std::string& code) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < code.size(); ++i) {
    if (code[i] != '"' && code[i] != '\'') continue;
    const std::size_t j = LiteralEnd(code, i);
    if (code[i] == '"') out.push_back(Decoded(code.substr(i + 1, j - i - 1)));
    i = j;
  }
  return out;
}

std::optional<std::string> LiteralOnly(const std::string& piece) {
  static const std::regex literals(R"re(\s*(?:std::string\s*\(\s*)?((?:"(?:[^"\\]|\\.)*"\s*)+)\)?\s*)re");
  std::smatch m;
  if (!std::regex_match(piece, m, literals)) return std::nullopt;
  std::string text;
  for (const std::string& l : Literals(m[1].str())) text += l;
  return text;
}

AssembledText Assembled(const std::string& argument) {
  AssembledText out;
  int parts = 0;
  for (const std::string& piece : SplitTopLevel(argument, '+')) {
    if (auto text = LiteralOnly(piece)) {
      out.text += *text;
      continue;
    }
    out.runTime = true;
    out.text += "%" + std::to_string(++parts);
    for (const std::string& l : Literals(piece)) out.nested.push_back(l);
  }
  return out;
}

std::string WithoutConversions(const std::string& format) {
  static const std::regex conversion(R"(%[-+ #0]*(\*|\d+)?(\.(\*|\d+))?(hh|h|ll|l|z|j|t|L)?[diouxXeEfFgGaAcspn%])");
  return std::regex_replace(format, conversion, "");
}

bool HasLetters(const std::string& s) {
  for (unsigned char c : s)
    if (std::isalpha(c) || c >= 0x80) return true;
  return false;
}

}  // namespace kv7::test
