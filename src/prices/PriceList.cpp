#include "prices/PriceList.h"

#include <cstdio>
#include <iterator>

#include "programs/ProgramCodes.h"

namespace kv7::prices {

const std::vector<PriceKey>& AllPriceKeys() {
  static const std::vector<PriceKey> keys = [] {
    std::vector<PriceKey> v;
    for (int q = 1; q <= kQualities; ++q)
      for (int c = 1; c <= kClasses; ++c) v.push_back({c, q});
    v.push_back(kRejectKey);
    return v;
  }();
  return keys;
}

std::string PriceText(Price p) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%lld.%04lld", static_cast<long long>(p / 10000), static_cast<long long>(p % 10000));
  return buf;
}

std::string DayText(const store::DbDateTime& d) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", d.year, d.month, d.day);
  return buf;
}

BatchWeights WeightsOf(const store::BatchRow& row) {
  return BatchWeights{row.tot, row.totq5, row.totpartita};
}

namespace {

std::int64_t GramsOf(const BatchWeights& b, PriceKey k) {
  if (k.IsReject()) return b.reject;
  return b.grams[std::size_t(k.qualita - 1)][std::size_t(k.classe - 1)];
}

}  // namespace

BatchValue ValueBatch(const BatchWeights& batch, const PriceList& list) {
  BatchValue out;
  // Sum of grams x price over the priced classes: the exact value is this
  // over a denominator that depends only on how the weight is taken.
  __int128 sum = 0;
  std::int64_t sampled = 0;
  for (const PriceKey& k : AllPriceKeys()) {
    const std::int64_t g = GramsOf(batch, k);
    sampled += g;
    if (g == 0) continue;
    const auto price = list.prices.find(k);
    if (price == list.prices.end()) {
      out.unpriced.push_back(k);
      continue;
    }
    sum += static_cast<__int128>(g) * price->second;
  }
  if (batch.declaredKg > 0) {
    out.grams = batch.declaredKg * 1000;
    if (sampled <= 0) {
      out.unpriced.clear();
      out.perKg = 0;
      return out;
    }
    // cents = W x sum / (T x 100); per kg = cents / 100 x 10000 / W.
    const __int128 num = sum * batch.declaredKg;
    out.value = store::RoundHalfAway(num, static_cast<__int128>(sampled) * 100);
    out.perKg = store::RoundHalfAway(num, static_cast<__int128>(sampled) * batch.declaredKg);
    return out;
  }
  // grams / 1000 x price / 10000 x 100 cents; per kg = value / (grams / 1000).
  out.grams = sampled;
  out.value = store::RoundHalfAway(sum, 100000);
  if (sampled > 0) out.perKg = store::RoundHalfAway(sum, sampled);
  return out;
}

void PriceBook::Add(PriceList list) {
  auto& lists = lists_[programs::LookupCode(list.programma)];
  const std::string day = DayText(list.validFrom);
  lists.insert_or_assign(day, std::move(list));
}

const PriceList* PriceBook::InForce(std::string_view programma, const store::DbDateTime& day) const {
  const auto program = lists_.find(programs::LookupCode(programma));
  if (program == lists_.end()) return nullptr;
  const auto& lists = program->second;
  auto after = lists.upper_bound(DayText(day));
  if (after == lists.begin()) return nullptr;
  return &std::prev(after)->second;
}

}  // namespace kv7::prices
