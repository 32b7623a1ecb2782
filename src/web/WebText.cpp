#include "web/WebText.h"

#include "web/Escape.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>

#include <cctype>
#include <map>
#include <memory>

#include "i18n/Languages.h"
#include "i18n/Numbers.h"
#include "stats/StatsTable.h"
#include "web/PageShell.h"

namespace kv7::web {
namespace {

QDate DateOf(const store::DbDateTime& when) {
  return QDate(when.year, when.month, when.day);
}

char Hex(int digit) {
  return "0123456789ABCDEF"[digit & 15];
}

std::string Percent(const std::string& text) {
  std::string out;
  for (unsigned char c : text) {
    if (std::isalnum(c) || c == '-' || c == '_' || c == '.' || c == '~') {
      out += static_cast<char>(c);
    } else {
      out += '%';
      out += Hex(c >> 4);
      out += Hex(c);
    }
  }
  return out;
}

}  // namespace

std::string TitledPage(const std::string& title, const std::string& bodyHtml, const std::string& language) {
  return PageShell(Html(title), "<h1>" + Html(title) + "</h1>\n" + bodyHtml, language);
}

std::string Args(const std::string& pattern, const std::vector<std::string>& args) {
  QString text = QString::fromStdString(pattern);
  for (const auto& a : args) text = text.arg(QString::fromStdString(a));
  return text.toStdString();
}

std::string Html(const std::string& text) { return HtmlEscape(text); }

std::string Number(const std::string& language, double value, int decimals) {
  return i18n::FormatNumber(value, decimals, language).toStdString();
}

std::string DateText(const std::string& language, const store::DbDateTime& when) {
  return i18n::LocaleOfLanguage(language).toString(DateOf(when), QLocale::ShortFormat).toStdString();
}

std::string DateTimeText(const std::string& language, const store::DbDateTime& when) {
  const QDateTime at(DateOf(when), QTime(when.hour, when.minute, when.second));
  return i18n::LocaleOfLanguage(language).toString(at, QLocale::ShortFormat).toStdString();
}

std::string CsvLine(const std::vector<std::string>& cells) {
  return stats::JoinCells(cells, ',') + "\r\n";
}

std::string Param(const Request& request, const std::string& name) {
  auto found = request.query.find(name);
  return found == request.query.end() ? std::string() : found->second;
}

std::optional<long long> IntParam(const Request& request, const std::string& name) {
  const std::string text = Param(request, name);
  if (text.empty() || text.size() > 18) return std::nullopt;
  std::size_t i = text[0] == '-' ? 1 : 0;
  if (i == text.size()) return std::nullopt;
  for (std::size_t k = i; k < text.size(); ++k)
    if (!std::isdigit(static_cast<unsigned char>(text[k]))) return std::nullopt;
  return std::stoll(text);
}

std::optional<store::DbDateTime> DayParam(const Request& request, const std::string& name, bool lastSecond,
                                          bool* bad) {
  const std::string text = Param(request, name);
  if (text.empty()) return std::nullopt;
  auto day = text.size() == 10 ? store::DbDateTime::Parse(text) : std::nullopt;
  if (!day) {
    *bad = true;
    return std::nullopt;
  }
  if (lastSecond) {
    day->hour = 23;
    day->minute = 59;
    day->second = 59;
  }
  return day;
}

std::string QueryString(const std::vector<std::pair<std::string, std::string>>& params) {
  std::string out;
  for (const auto& [name, value] : params) {
    if (value.empty()) continue;
    if (!out.empty()) out += '&';
    out += Percent(name) + "=" + Percent(value);
  }
  return out;
}

Response ErrorPage(const Request& request, int status, const std::string& message) {
  Response r;
  r.status = status;
  r.body = TitledPage(Tr(request.language, QT_TRANSLATE_NOOP("kv7::web", "Errore")),
                     "<p class=\"error\">" + Html(message) + "</p>\n", request.language);
  return r;
}

Response Download(std::string contentType, const std::string& fileName, std::string body) {
  Response r;
  r.contentType = std::move(contentType);
  r.body = std::move(body);
  r.headers["Content-Disposition"] = "attachment; filename=\"" + fileName + "\"";
  return r;
}

}  // namespace kv7::web
