#pragma once
// The font of printed reports and the local print settings file. Plain C++:
// the style text rule and the file writing are tested without windows.

#include <cstdint>
#include <filesystem>
#include <string>

namespace kv7::store {
struct Configuration;
}

namespace kv7::i18n {

struct FontStyles {
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeout = false;
  bool operator==(const FontStyles&) const = default;
};

// "fsBold" (or nothing), then ",fsItalic", ",fsUnderline", ",fsStrikeout"
// for each style present, then ".": italic alone is ",fsItalic.".
std::string StyleText(const FontStyles& styles);
// Read back as stored: "fsBold" as the first element sets bold, "fsItalic"
// as the second sets italic; the other styles are not read back.
FontStyles ParseStyleText(const std::string& text);

struct PrintSettings {
  std::string fontName = "Arial";
  int fontSize = 8;
  FontStyles styles{true};
  std::int32_t autorefresh = 0;  // seconds between automatic totals refreshes

  // From `prn_font_name`, `prn_font_size`, `prn_font_set` and `autorefresh`;
  // a size that is not a number keeps 8.
  static PrintSettings FromConfiguration(const store::Configuration& config);
};

// The settings file written: "mb3l.ini" in the working directory when it
// exists there (either spelling), else "mb3.ini" in the configuration folder.
std::filesystem::path PrintSettingsFile(const std::filesystem::path& workDir,
                                        const std::filesystem::path& configDir);

// Writes [print] font_name, font_size, font_set and [custom] autorefresh
// into that file, keeping its other sections and keys; the file is whole on
// the disk when this returns true. False, with "<file>: <reason>" in *error,
// when it cannot be written.
bool SavePrintFontIni(const PrintSettings& settings, const std::filesystem::path& workDir,
                      const std::filesystem::path& configDir, std::string* error = nullptr);

// Sets one key of an ini text (creating the section or key when missing)
// and returns the new text; lines end with "\r\n" as such files do.
std::string SetIniValue(const std::string& ini, const std::string& section, const std::string& key,
                        const std::string& value);

}  // namespace kv7::i18n
