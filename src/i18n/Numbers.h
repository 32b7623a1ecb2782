#pragma once
// Numbers on screen and on paper in the conventions of the language in force
// (Italian "1.250,0", English "1,250.0"); files for the host keep "." and are
// written without these helpers.

#include <QLocale>
#include <QString>

#include <optional>
#include <string_view>

namespace kv7::i18n {

// With grouping of thousands and exactly `decimals` decimals.
QString FormatNumber(double value, int decimals);

// The conventions of a language named by its web code ("it", "es", "pt",
// "en", "fr", "de", "el"; the console's "uk" too), whatever module is in
// force: the office pages answer each browser in its own language. Italian
// for a code that names none.
QLocale LocaleOfLanguage(std::string_view code);
QString FormatNumber(double value, int decimals, std::string_view languageCode);

// A number the operator typed: "," and "." are both taken as the decimal
// mark; when both appear the last one is the decimal mark and the other
// groups thousands. Blanks around are ignored; nullopt for anything else.
std::optional<double> ParseNumber(const QString& typed);

// The separators of a CSV file a spreadsheet in the language in force reads
// as numbers: the language's decimal mark, and ';' between fields where
// that mark is ','.
struct CsvMarks {
  char field = ',';
  char decimal = '.';
};
CsvMarks CsvSeparators();

}  // namespace kv7::i18n
