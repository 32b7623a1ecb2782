#pragma once
// The language of a page: the browser's choice (a cookie set from the
// pages' menu), else the first of its Accept-Language the console speaks,
// else Italian. Page texts are looked up in that language's module, per
// request: several languages are served at once, so no process-wide
// translator is involved.

#include <array>
#include <string>
#include <string_view>

namespace kv7::web {

// The codes pages use, in the console's menu order; each with its own name.
struct PageLanguage {
  std::string_view code;
  std::string_view name;
};
inline constexpr std::array<PageLanguage, 7> kPageLanguages{{
    {"it", "Italiano"},
    {"es", "Español"},
    {"pt", "Português"},
    {"en", "English"},
    {"fr", "Français"},
    {"de", "Deutsch"},
    {"el", "Ελληνικά"},
}};

bool IsPageLanguage(std::string_view code);
std::string ChooseLanguage(const std::string& cookie, const std::string& acceptLanguage);

// Loads the seven language modules (once, at start, before any request).
// Returns how many were found.
int LoadPageModules();
// `source` (an Italian text of context "kv7::web") in `language`; the source
// itself when the module lacks it.
std::string Tr(const std::string& language, const char* source);

}  // namespace kv7::web
