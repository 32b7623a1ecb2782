#pragma once
// The font of printed reports and the local print settings file. Plain C++:
// the style text rule and the file writing are tested without windows.

#include <cstdint>
#include <filesystem>
#include <string>

#include "store/FontStyles.h"

namespace kv7::store {
struct Configuration;
}

namespace kv7::i18n {

using store::FontStyles;
using store::ParseStyleText;
using store::StyleText;

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
