#include "i18n/Numbers.h"

#include <QRegularExpression>

#include "i18n/LanguageModules.h"
#include "i18n/Languages.h"

namespace kv7::i18n {

QString FormatNumber(double value, int decimals) {
  return CurrentLocale().toString(value, 'f', decimals);
}

QLocale LocaleOfLanguage(std::string_view code) {
  const Language* language = LanguageByCode(code == "en" ? std::string_view("uk") : code);
  if (!language) language = &kLanguages[0];
  return QLocale(QString::fromUtf8(language->qtLocale.data(), static_cast<qsizetype>(language->qtLocale.size())));
}

QString FormatNumber(double value, int decimals, std::string_view languageCode) {
  return LocaleOfLanguage(languageCode).toString(value, 'f', decimals);
}

std::optional<double> ParseNumber(const QString& typed) {
  QString text = typed.trimmed();
  const qsizetype lastComma = text.lastIndexOf(QLatin1Char(','));
  const qsizetype lastDot = text.lastIndexOf(QLatin1Char('.'));
  if (lastComma >= 0 && lastDot >= 0) {
    const QChar grouping = lastComma > lastDot ? QLatin1Char('.') : QLatin1Char(',');
    text.remove(grouping);
  }
  text.replace(QLatin1Char(','), QLatin1Char('.'));
  static const QRegularExpression plain(QStringLiteral("^[-+]?(\\d+\\.?\\d*|\\.\\d+)$"));
  if (!plain.match(text).hasMatch()) return std::nullopt;
  bool ok = false;
  const double value = text.toDouble(&ok);
  return ok ? std::optional<double>(value) : std::nullopt;
}

CsvMarks CsvSeparators() {
  const QString mark = CurrentLocale().decimalPoint();
  if (mark == QLatin1String(",")) return {';', ','};
  return {',', '.'};
}

}  // namespace kv7::i18n
