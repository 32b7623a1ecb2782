#include "store/BatchFigures.h"

#include <charconv>
#include <cstdio>

#include "store/DbSchema.h"

namespace kv7::store {
namespace {

using Wide = __int128;

Wide Abs(Wide v) {
  return v < 0 ? -v : v;
}

// A percentage with two decimals: R(part x 10000 / total) hundredths.
Fixed2 RoundedPercentage(std::int64_t part, std::int64_t total) {
  if (total <= 0) return {};
  std::int64_t h = RoundHalfEven(Wide(part) * 10000, total);
  return {static_cast<double>(h) / 100.0, h};
}

// totpartita x percentage / 100, the percentage given in hundredths: the
// exact value is weight x h / 10000.
Fixed2 WeightShare(std::int64_t weight, const Fixed2& percentage) {
  Wide exact = Wide(weight) * percentage.hundredths;  // in 1/10000 kg
  return {static_cast<double>(exact) / 10000.0, RoundHalfAway(exact, 100)};
}

// part x 100 / total, unrounded; shown rounded to hundredths.
Fixed2 PlainPercentage(std::int64_t part, std::int64_t total) {
  if (total <= 0) return {};
  return {static_cast<double>(part * 100) / static_cast<double>(total),
          RoundHalfAway(Wide(part) * 10000, total)};
}

std::string FormatHundredths(std::int64_t h) {
  // Written without printf: the exports format millions of these.
  const unsigned long long a =
      h < 0 ? 0ULL - static_cast<unsigned long long>(h) : static_cast<unsigned long long>(h);
  char buf[32];
  char* p = buf;
  if (h < 0) *p++ = '-';
  p = std::to_chars(p, buf + sizeof buf, a / 100).ptr;
  const auto cents = static_cast<char>(a % 100);
  *p++ = '.';
  *p++ = static_cast<char>('0' + cents / 10);
  *p++ = static_cast<char>('0' + cents % 10);
  return std::string(buf, p);
}

}  // namespace

std::int64_t RoundHalfEven(Wide n, Wide d) {
  Wide a = Abs(n), q = a / d, r = a % d;
  if (2 * r > d || (2 * r == d && (q & 1) != 0)) ++q;
  return static_cast<std::int64_t>(n < 0 ? -q : q);
}

std::int64_t RoundHalfAway(Wide n, Wide d) {
  Wide a = Abs(n), q = a / d, r = a % d;
  if (2 * r >= d) ++q;
  return static_cast<std::int64_t>(n < 0 ? -q : q);
}

std::string FormatPercentage(const Fixed2& v) {
  return FormatHundredths(v.hundredths);
}
std::string FormatWeightShare(const Fixed2& v) {
  return FormatHundredths(v.hundredths);
}

std::string BatchRow::DateText() const {
  if (!data) return {};
  char buf[40];
  std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", data->day, data->month, data->year);
  return buf;
}

std::string BatchRow::TimeText() const {
  if (!data) return {};
  char buf[40];
  std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", data->hour, data->minute, data->second);
  return buf;
}

BatchFigures ComputeBatchFigures(const BatchRow& row) {
  BatchFigures f;
  for (int q = 0; q < kQualities; ++q) {
    for (int c = 0; c < kClasses; ++c) f.totaleq[q] += row.tot[q][c];
    f.totale_gen += f.totaleq[q];
  }
  f.totale_gen += row.totq5;
  for (int q = 0; q < kQualities; ++q) {
    for (int c = 0; c < kClasses; ++c) {
      f.perc[q][c] = RoundedPercentage(row.tot[q][c], f.totale_gen);
      f.ttot[q][c] = WeightShare(row.totpartita, f.perc[q][c]);
    }
    f.percq[q] = RoundedPercentage(f.totaleq[q], f.totale_gen);
  }
  f.percq[4] = RoundedPercentage(row.totq5, f.totale_gen);
  for (int q = 0; q < 5; ++q) f.ttotq[q] = WeightShare(row.totpartita, f.percq[q]);
  return f;
}

std::vector<std::pair<std::string, std::string>> BatchColumnTexts(const BatchRow& row,
                                                                  const BatchFigures& f) {
  std::vector<std::pair<std::string, std::string>> out;
  auto num = [](std::int64_t v) { return std::to_string(v); };
  out.emplace_back("num", num(row.num));
  out.emplace_back("data", row.data ? row.data->ToString() : std::string());
  out.emplace_back("programma", row.programma);
  for (int q = 1; q <= kQualities; ++q)
    for (int c = 1; c <= kClasses; ++c)
      out.emplace_back(ClassColumn("tot", c, q), num(row.tot[q - 1][c - 1]));
  out.emplace_back("bolla", row.bolla);
  out.emplace_back("codicebarre", row.codicebarre);
  out.emplace_back("produttore", row.produttore);
  out.emplace_back("note", row.note);
  out.emplace_back("totpartita", num(row.totpartita));
  out.emplace_back("totq5", num(row.totq5));
  out.emplace_back("numerocasse", num(row.numerocasse));
  out.emplace_back("numeropedane", num(row.numeropedane));
  out.emplace_back("lotto", row.lotto);
  out.emplace_back("operatore", row.operatore);
  out.emplace_back("macchina", num(row.macchina));

  for (int q = 1; q <= kQualities; ++q) out.emplace_back("totaleq" + num(q), num(f.totaleq[q - 1]));
  out.emplace_back("totale_gen", num(f.totale_gen));
  for (int q = 1; q <= 5; ++q)
    out.emplace_back((q == 1 ? "Percq" : "percq") + num(q), FormatPercentage(f.percq[q - 1]));
  for (int q = 1; q <= 5; ++q) out.emplace_back("ttotq" + num(q), FormatWeightShare(f.ttotq[q - 1]));
  for (int q = 1; q <= kQualities; ++q)
    for (int c = 1; c <= kClasses; ++c)
      out.emplace_back(ClassColumn("perc", c, q), FormatPercentage(f.perc[q - 1][c - 1]));
  for (int q = 1; q <= kQualities; ++q)
    for (int c = 1; c <= kClasses; ++c)
      out.emplace_back(ClassColumn("ttot", c, q), FormatWeightShare(f.ttot[q - 1][c - 1]));
  return out;
}

PrintTotalsFigures ComputePrintTotalsFigures(const PrintTotalsRow& row) {
  PrintTotalsFigures f;
  for (int q = 0; q < kQualities; ++q) {
    for (int c = 0; c < kClasses; ++c) f.totq[q] += row.tot[q][c];
    f.totgen += f.totq[q];
  }
  f.totgen += row.totq5;
  for (int q = 0; q < kQualities; ++q) {
    for (int c = 0; c < kClasses; ++c) f.perc[q][c] = PlainPercentage(row.tot[q][c], f.totgen);
    f.percq[q] = PlainPercentage(f.totq[q], f.totgen);
  }
  f.percq[4] = PlainPercentage(row.totq5, f.totgen);
  return f;
}

}  // namespace kv7::store
