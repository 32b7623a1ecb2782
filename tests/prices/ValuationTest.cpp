// The value of a batch, worked out by hand in each case: weights on the
// declared weight or the sampled grams, prices in ten-thousandths, one
// rounding to the cent per batch, classes without a price, and the list in
// force on a batch's day.

#include <gtest/gtest.h>

#include "prices/PriceList.h"

namespace {

using namespace kv7::prices;

struct Gram {
  PriceKey key;
  std::int64_t grams;
};

BatchWeights Batch(std::int64_t declaredKg, std::initializer_list<Gram> grams) {
  BatchWeights b;
  b.declaredKg = declaredKg;
  for (const auto& [key, g] : grams) {
    if (key.IsReject())
      b.reject = g;
    else
      b.grams[std::size_t(key.qualita - 1)][std::size_t(key.classe - 1)] = g;
  }
  return b;
}

PriceList List(std::initializer_list<std::pair<PriceKey, Price>> prices, const char* day = "2024-01-01") {
  PriceList l{"05", *kv7::store::DbDateTime::Parse(day), {}};
  for (const auto& [k, p] : prices) l.prices[k] = p;
  return l;
}

TEST(Valuation, WorkedExamples) {
  const PriceKey q1c1{1, 1}, q1c2{2, 1}, q1c3{3, 1}, q2c5{5, 2}, q3c15{15, 3}, q4c2{2, 4};
  const struct {
    const char* what;
    BatchWeights batch;
    PriceList list;
    Cents value;
    std::optional<Price> perKg;
    std::int64_t grams;
    std::vector<PriceKey> unpriced;
  } cases[] = {
      // T = 5000 g on 1000 kg: 600 kg x 0.50 + 200 kg x 0.30 + 200 kg x 0.01 = 362.00.
      {"declared weight and shares", Batch(1000, {{q1c1, 3000}, {q2c5, 1000}, {kRejectKey, 1000}}),
       List({{q1c1, 5000}, {q2c5, 3000}, {kRejectKey, 100}}), 36200, 3620, 1'000'000, {}},
      // 12.345 kg x 1.20 + 2 kg x 0.75 = 16.314 on 14.345 kg: 1.13726... per kg.
      {"no declared weight", Batch(0, {{q1c1, 12345}, {q3c15, 2000}}), List({{q1c1, 12000}, {q3c15, 7500}}), 1631,
       11373, 14345, {}},
      // Only 1 kg of 2 has a price; the other two count 0 and are named.
      {"class without a price", Batch(0, {{q1c1, 1000}, {q4c2, 500}, {kRejectKey, 500}}), List({{q1c1, 20000}}), 200,
       10000, 2000, {q4c2, kRejectKey}},
      // 3 x 0.005: rounded once, 0.015 gives 0.02 (per line it would be 0.03).
      {"one rounding per batch", Batch(0, {{q1c1, 1000}, {q1c2, 1000}, {q1c3, 1000}}),
       List({{q1c1, 50}, {q1c2, 50}, {q1c3, 50}}), 2, 50, 3000, {}},
      // 10 kg on thirds: 3.333.. kg x 1.00 + 6.666.. kg x 0.50 = 6.666..: 6.67 (per line 3.33 + 3.33).
      {"thirds of the declared weight", Batch(10, {{q1c1, 1}, {q1c2, 2}}), List({{q1c1, 10000}, {q1c2, 5000}}), 667,
       6667, 10000, {}},
      // Half a cent and a little less: 1.005 -> 1.01, 0.0049 -> 0.00.
      {"half a cent rounds up", Batch(0, {{q1c1, 1000}}), List({{q1c1, 10050}}), 101, 10050, 1000, {}},
      {"under half a cent", Batch(0, {{q1c1, 1}}), List({{q1c1, 49}}), 0, 49, 1, {}},
      // Declared weight but nothing sampled: nothing to share out.
      {"declared weight, nothing sampled", Batch(500, {}), List({{q1c1, 10000}}), 0, 0, 500'000, {}},
      {"nothing at all", Batch(0, {}), List({{q1c1, 10000}}), 0, std::nullopt, 0, {}},
  };
  for (const auto& k : cases) {
    const BatchValue v = ValueBatch(k.batch, k.list);
    EXPECT_EQ(v.value, k.value) << k.what;
    EXPECT_EQ(v.perKg, k.perKg) << k.what;
    EXPECT_EQ(v.grams, k.grams) << k.what;
    EXPECT_EQ(v.unpriced, k.unpriced) << k.what;
  }
}

TEST(Valuation, ListInForceOnTheBatchDay) {
  PriceBook book;
  book.Add(List({{{1, 1}, 10000}}, "2024-01-01"));
  book.Add(List({{{1, 1}, 20000}}, "2024-03-01"));
  PriceList other = List({{{1, 1}, 90000}}, "2023-01-01");
  other.programma = "07";
  book.Add(other);
  const BatchWeights batch = Batch(0, {{{1, 1}, 1000}});
  const struct {
    const char* program;
    const char* when;
    std::optional<Cents> value;
  } cases[] = {
      {"05", "2023-12-31 23:59:59", std::nullopt},  // before any list of program 5
      {"05", "2024-02-29 23:59:59", 100},           // the January list
      {"05", "2024-03-01 00:00:00", 200},           // the new list from its first day
      {"5", "2024-06-01 08:00:00", 200},            // the same program spelt without a zero
      {"07", "2024-06-01 08:00:00", 900},
      {"08", "2024-06-01 08:00:00", std::nullopt},
  };
  for (const auto& k : cases) {
    const PriceList* list = book.InForce(k.program, *kv7::store::DbDateTime::Parse(k.when));
    ASSERT_EQ(list != nullptr, k.value.has_value()) << k.program << " " << k.when;
    if (list) {
      EXPECT_EQ(ValueBatch(batch, *list).value, *k.value) << k.program << " " << k.when;
    }
  }
}

}  // namespace
