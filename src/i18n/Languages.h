#pragma once
// The seven interface languages: the menu entry of each, the locale
// identifier its handler asks for, the three-letter name of its module file
// ("mb3.ESO") and its `langinterface` code. Plain data, no Qt.

#include <array>
#include <string_view>

namespace kv7::i18n {

struct Language {
  std::string_view entry;         // menu entry of the main window ("Spagnolo1")
  std::string_view caption;       // its Italian caption ("Spagnolo")
  int localeId;                   // the locale identifier the handler loads
  std::string_view abbreviation;  // module extension ("ESO")
  std::string_view code;          // `langinterface` ("es")
  std::string_view qtLocale;      // number and date conventions ("es_ES")
};

// In menu order; Italian first (the source language of every text).
inline constexpr std::array<Language, 7> kLanguages{{
    {"Italiano1", "Italiano", 1040, "ITA", "it", "it_IT"},
    {"Spagnolo1", "Spagnolo", 9226, "ESO", "es", "es_ES"},
    {"Portoghese1", "Portoghese", 2070, "PTG", "pt", "pt_PT"},
    {"Inglese1", "Inglese", 2057, "ENG", "uk", "en_GB"},
    {"Francese1", "Francese", 1036, "FRA", "fr", "fr_FR"},
    {"Tedesco2", "Tedesco", 1031, "DEU", "de", "de_DE"},
    {"greco", "Greco", 8, "ELL", "el", "el_GR"},
}};

// The file name every module shares before its extension.
inline constexpr std::string_view kModuleBaseName = "mb3";

// nullptr when nothing matches.
const Language* LanguageByCode(std::string_view code);
const Language* LanguageByEntry(std::string_view entry);
const Language* LanguageByLocaleId(int localeId);

}  // namespace kv7::i18n
