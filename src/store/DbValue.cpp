#include "store/DbValue.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <ctime>

#include "store/DbError.h"

namespace kv7::store {
namespace {

bool ParseField(std::string_view text, std::size_t pos, std::size_t len, int& out) {
  if (pos + len > text.size()) return false;
  auto first = text.data() + pos, last = first + len;
  for (auto p = first; p != last; ++p)
    if (*p < '0' || *p > '9') return false;
  return std::from_chars(first, last, out).ec == std::errc();
}

bool LeapYear(int y) {
  return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int DaysInMonth(int y, int m) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && LeapYear(y) ? 29 : kDays[m - 1];
}

}  // namespace

std::string DbDateTime::ToString() const {
  char buf[40];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", year, month, day, hour, minute, second);
  return buf;
}

DbDateTime DbDateTime::LocalNow() {
  const std::time_t now = std::time(nullptr);
  std::tm tm{};
  ::localtime_r(&now, &tm);
  return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

std::optional<DbDateTime> DbDateTime::Parse(std::string_view text) {
  DbDateTime d;
  if (text.size() != 10 && text.size() != 19) return std::nullopt;
  if (!ParseField(text, 0, 4, d.year) || text[4] != '-' || !ParseField(text, 5, 2, d.month) ||
      text[7] != '-' || !ParseField(text, 8, 2, d.day))
    return std::nullopt;
  if (text.size() == 19) {
    if (text[10] != ' ' || !ParseField(text, 11, 2, d.hour) || text[13] != ':' ||
        !ParseField(text, 14, 2, d.minute) || text[16] != ':' || !ParseField(text, 17, 2, d.second))
      return std::nullopt;
  }
  if (d.year < 1000 || d.month < 1 || d.month > 12 || d.day < 1 || d.day > DaysInMonth(d.year, d.month) ||
      d.hour > 23 || d.minute > 59 || d.second > 59)
    return std::nullopt;
  return d;
}

std::int64_t ToInteger(const DbValue& v) {
  if (auto i = std::get_if<std::int64_t>(&v)) return *i;
  if (auto d = std::get_if<double>(&v)) return std::isfinite(*d) ? static_cast<std::int64_t>(*d) : 0;
  if (auto s = std::get_if<std::string>(&v)) {
    std::int64_t out = 0;
    auto first = s->data(), last = s->data() + s->size();
    while (first != last && *first == ' ') ++first;
    auto r = std::from_chars(first, last, out);
    return r.ec == std::errc() && r.ptr == last ? out : 0;
  }
  return 0;
}

std::string ToText(const DbValue& v) {
  if (auto i = std::get_if<std::int64_t>(&v)) return std::to_string(*i);
  if (auto d = std::get_if<double>(&v)) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17g", *d);
    return buf;
  }
  if (auto s = std::get_if<std::string>(&v)) return *s;
  if (auto t = std::get_if<DbDateTime>(&v)) return t->ToString();
  return {};
}

DbColumns::DbColumns(std::vector<std::string> names) : names_(std::move(names)) {
  for (std::size_t i = 0; i < names_.size(); ++i) index_.emplace(names_[i], i);
}

std::optional<std::size_t> DbColumns::Find(std::string_view name) const {
  auto it = index_.find(std::string(name));
  if (it == index_.end()) return std::nullopt;
  return it->second;
}

const DbValue& DbRow::Get(std::string_view column) const {
  auto i = columns_->Find(column);
  if (!i) throw DbError("no column '" + std::string(column) + "' in the result");
  return values_[*i];
}

}  // namespace kv7::store
