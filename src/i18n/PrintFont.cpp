#include "i18n/PrintFont.h"

#include <algorithm>
#include <cctype>
#include <sstream>
#include <vector>

#include "store/Configuration.h"
#include "store/FileIo.h"

namespace kv7::i18n {
namespace {

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
  return s;
}

std::string Trim(const std::string& s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

bool IsSection(const std::string& line, std::string* name = nullptr) {
  const std::string t = Trim(line);
  if (t.size() < 2 || t.front() != '[' || t.back() != ']') return false;
  if (name) *name = Lower(Trim(t.substr(1, t.size() - 2)));
  return true;
}

}  // namespace

PrintSettings PrintSettings::FromConfiguration(const store::Configuration& config) {
  PrintSettings s;
  s.fontName = config.prn_font_name;
  if (auto size = store::ParseStoredNumber(config.prn_font_size)) s.fontSize = static_cast<int>(*size);
  s.styles = ParseStyleText(config.prn_font_set);
  s.autorefresh = config.autorefresh;
  return s;
}

std::filesystem::path PrintSettingsFile(const std::filesystem::path& workDir,
                                        const std::filesystem::path& configDir) {
  for (const char* local : {"mb3l.ini", "Mb3l.ini"}) {
    if (std::filesystem::exists(workDir / local)) return workDir / local;
  }
  return configDir / "mb3.ini";
}

std::string SetIniValue(const std::string& ini, const std::string& section, const std::string& key,
                        const std::string& value) {
  std::vector<std::string> lines = Lines(ini);
  const std::string entry = key + "=" + value;
  // The section's header and the line after its last line.
  auto header = lines.end();
  auto end = lines.end();
  for (auto it = lines.begin(); it != lines.end(); ++it) {
    std::string name;
    if (!IsSection(*it, &name)) continue;
    if (header != lines.end()) {
      end = it;
      break;
    }
    if (name == Lower(section)) header = it;
  }
  if (header == lines.end()) {
    if (!lines.empty() && !Trim(lines.back()).empty()) lines.push_back("");
    lines.push_back("[" + section + "]");
    lines.push_back(entry);
  } else {
    auto found = std::find_if(header + 1, end, [&](const std::string& line) {
      const auto eq = line.find('=');
      return eq != std::string::npos && Lower(Trim(line.substr(0, eq))) == Lower(key);
    });
    if (found != end) {
      *found = entry;
    } else {
      // After the section's last key, before the blank lines that end it.
      while (end != header + 1 && Trim(*(end - 1)).empty()) --end;
      lines.insert(end, entry);
    }
  }
  std::string out;
  for (const std::string& line : lines) out += line + "\r\n";
  return out;
}

bool SavePrintFontIni(const PrintSettings& settings, const std::filesystem::path& workDir,
                      const std::filesystem::path& configDir, std::string* error) {
  const std::filesystem::path file = PrintSettingsFile(workDir, configDir);
  auto fail = [&](const std::error_code& e) {
    if (error) *error = file.string() + ": " + e.message();
    return false;
  };
  std::string text;
  // Other programs' sections live in this file too: one that cannot be read
  // is not replaced by the four keys alone.
  if (const auto unread = store::ReadWholeFile(file, text); unread && unread != std::errc::no_such_file_or_directory)
    return fail(unread);
  text = SetIniValue(text, "print", "font_name", settings.fontName);
  text = SetIniValue(text, "print", "font_size", std::to_string(settings.fontSize));
  text = SetIniValue(text, "print", "font_set", StyleText(settings.styles));
  text = SetIniValue(text, "custom", "autorefresh", std::to_string(settings.autorefresh));
  std::error_code ec;
  std::filesystem::create_directories(file.parent_path(), ec);
  if (const auto failed = store::WriteFileDurably(file, text)) return fail(failed);
  return true;
}

}  // namespace kv7::i18n
