#include "batches/BatchRules.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace kv7::batches {
namespace {

using Wide = __int128;

bool IsContinuation(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// share x 100 with two decimals, from part / total exactly.
std::string ShareText(std::int64_t part, std::int64_t total) {
  std::int64_t h = store::RoundHalfAway(Wide(part) * 10000, total);
  char buf[48];
  std::snprintf(buf, sizeof buf, "%s%lld.%02lld", h < 0 ? "-" : "", static_cast<long long>(std::llabs(h) / 100),
                static_cast<long long>(std::llabs(h) % 100));
  return buf;
}

std::string WholeKilograms(std::int64_t grams) {
  return RightAligned(std::to_string(grams / 1000), 8);
}

}  // namespace

std::size_t CharCount(std::string_view utf8) {
  std::size_t n = 0;
  for (char c : utf8) n += IsContinuation(c) ? 0 : 1;
  return n;
}

std::string FirstChars(std::string_view utf8, std::size_t n) {
  std::size_t seen = 0;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    if (IsContinuation(utf8[i])) continue;
    if (seen++ == n) return std::string(utf8.substr(0, i));
  }
  return std::string(utf8);
}

std::string NormaliseNote(std::string_view text, std::size_t limit) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      ++i;
      continue;
    }
    out += text[i];
  }
  return CharCount(out) > limit ? FirstChars(out, limit) : out;
}

std::optional<std::int64_t> ParseInteger(std::string_view text) {
  auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::nullopt;
  auto last = text.find_last_not_of(' ') + 1;
  const char* b = text.data() + first;
  const char* e = text.data() + last;
  if (*b == '+' && e - b > 1 && b[1] != '-') ++b;
  std::int64_t v = 0;
  auto r = std::from_chars(b, e, v);
  if (r.ec != std::errc() || r.ptr != e) return std::nullopt;
  return v;
}

std::int64_t IntegerOrZero(std::string_view text) {
  return ParseInteger(text).value_or(0);
}

prices::BatchWeights WeightsOf(const BatchWorkingSet& ws) {
  prices::BatchWeights w;
  for (std::size_t q = 0; q < kQualities; ++q)
    for (std::size_t c = 0; c < kClasses; ++c) w.grams[q][c] = IntegerOrZero(ws.totals[q][c]);
  w.reject = IntegerOrZero(ws.reject);
  w.declaredKg = std::max<std::int64_t>(IntegerOrZero(ws.totalePart), 0);
  return w;
}

std::string RightAligned(std::string text, std::size_t width) {
  const std::size_t n = CharCount(text);
  if (n < width) text.insert(0, width - n, ' ');
  return text;
}

std::string ClassRangeText(long lower, long upper) {
  char buf[48];
  std::snprintf(buf, sizeof buf, "%4ld-%4ld", lower, upper);
  std::string s = buf;
  for (char& c : s)
    if (c == ' ') c = '0';
  return s;
}

std::string TotalText(std::int64_t grams, bool inGrams) {
  if (inGrams) return RightAligned(std::to_string(grams), 8);
  const std::int64_t tenths = store::RoundHalfAway(grams, 100);
  std::string s = tenths < 0 ? "-" : "";
  s += std::to_string(std::llabs(tenths) / 10);
  s += '.';
  s += std::to_string(std::llabs(tenths) % 10);
  return RightAligned(std::move(s), 6);
}

std::string KilogramsToGramsText(double kilograms) {
  return RightAligned(std::to_string(std::llround(kilograms * 1000.0)), 8);
}

bool RecalcAllowed(std::string_view totalePart) {
  return IntegerOrZero(totalePart) != 0;
}

BatchView RecomputeBatchView(const BatchWorkingSet& ws, bool corr, bool inGrams) {
  const std::int64_t weight = IntegerOrZero(ws.totalePart);
  BatchView view;
  view.recalculated = corr && weight != 0;
  std::array<std::array<std::int64_t, kClasses>, kQualities> v{};
  std::array<std::int64_t, 5> sums{};
  for (std::size_t q = 0; q < kQualities; ++q)
    for (std::size_t c = 0; c < kClasses; ++c) {
      v[q][c] = IntegerOrZero(ws.totals[q][c]);
      sums[q] += v[q][c];
    }
  sums[4] = IntegerOrZero(ws.reject);
  std::int64_t total = 0;
  for (auto s : sums) total += s;

  // A gram amount as shown: counted, or its share of the declared weight.
  auto show = [&](std::int64_t grams) {
    if (!view.recalculated) return TotalText(grams, inGrams);
    if (total < 1) return WholeKilograms(0);
    return WholeKilograms(store::RoundHalfEven(Wide(weight) * 1000 * grams, total));
  };
  auto share = [&](std::int64_t part) -> std::optional<std::string> {
    if (total < 1) return std::nullopt;
    return ShareText(part, total);
  };
  for (std::size_t q = 0; q < kQualities; ++q)
    for (std::size_t c = 0; c < kClasses; ++c) {
      view.classTotals[q][c] = show(v[q][c]);
      view.classShares[q][c] = share(v[q][c]);
    }
  for (std::size_t q = 0; q < 5; ++q) {
    view.qualityTotals[q] = show(sums[q]);
    view.qualityShares[q] = share(sums[q]);
  }
  view.grandTotal = view.recalculated ? WholeKilograms(weight * 1000) : TotalText(total, inGrams);
  return view;
}

void ResetWorkingSet(BatchWorkingSet& ws) {
  for (auto& quality : ws.totals) quality.fill("0");
  ws.reject.assign(1, '0');
  ws.note.clear();
}

BatchWorkingSet WorkingSetFromRow(const store::BatchRow& row) {
  BatchWorkingSet ws;
  for (std::size_t q = 0; q < kQualities; ++q)
    for (std::size_t c = 0; c < kClasses; ++c) ws.totals[q][c] = std::to_string(row.tot[q][c]);
  ws.reject = std::to_string(row.totq5);
  ws.program = row.programma;
  ws.numero = row.bolla;
  ws.lotto = row.lotto;
  ws.codProd = row.produttore;
  ws.note = row.note;
  ws.codBar = row.codicebarre;
  ws.totalePart = std::to_string(row.totpartita);
  ws.numCasse = std::to_string(row.numerocasse);
  ws.numPedane = std::to_string(row.numeropedane);
  ws.operatore = row.operatore;
  if (row.data) ws.date = *row.data;
  return ws;
}

}  // namespace kv7::batches
