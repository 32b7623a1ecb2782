#pragma once
// A price list and the value of a batch on it. Plain C++: the batch pages,
// the season statement, kv7ctl and the statistics all value a batch with
// ValueBatch(), so a value can always be recomputed and checked.
//
// Money is exact: prices are whole ten-thousandths of the currency per
// kilogram (the column's four decimals), values whole cents. A batch's
// value is worked out as one exact fraction and rounded to the cent once,
// half away from zero; its value per kilogram is rounded once to the
// ten-thousandth from the same fraction.

#include <compare>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "store/BatchFigures.h"
#include "store/DbValue.h"

namespace kv7::prices {

using store::kClasses;
using store::kQualities;

// Ten-thousandths of the currency per kilogram.
using Price = std::int64_t;
// Hundredths of the currency.
using Cents = std::int64_t;

// Class 1..15 of quality 1..4; the reject is class 0 of quality 0.
struct PriceKey {
  int classe = 0;
  int qualita = 0;
  bool IsReject() const { return classe == 0 && qualita == 0; }
  auto operator<=>(const PriceKey&) const = default;
};
inline constexpr PriceKey kRejectKey{0, 0};

// Every key a list may hold, in page order: quality 1 classes 1..15, ...,
// quality 4, then the reject.
const std::vector<PriceKey>& AllPriceKeys();

// The list of one program from one day on. A key without a price has none:
// it counts 0 in a value and is named beside it.
struct PriceList {
  std::string programma;     // as the console writes codes ("05")
  store::DbDateTime validFrom;  // the day; the time is 0
  std::map<PriceKey, Price> prices;
  bool operator==(const PriceList&) const = default;
};

// "1.2345" style: always four decimals, "." as mark (files and the database).
std::string PriceText(Price p);

// What a batch is valued on: its grams per class and quality, its reject
// and the declared weight (kilograms, 0 = none declared).
struct BatchWeights {
  store::ClassGrams grams{};
  std::int64_t reject = 0;
  std::int64_t declaredKg = 0;
};
BatchWeights WeightsOf(const store::BatchRow& row);

struct BatchValue {
  Cents value = 0;
  // Ten-thousandths per kilogram; nullopt when the batch weighs nothing.
  std::optional<Price> perKg;
  // The weight valued, in grams: the declared weight, or what was sampled.
  std::int64_t grams = 0;
  // Classes that carry weight but have no price in the list, page order.
  std::vector<PriceKey> unpriced;
  bool operator==(const BatchValue&) const = default;
};

// The value of a batch on `list`. With a declared weight W and the sampled
// grand total T (reject included), class k weighs W x grams(k) / T, the
// report's "Partita" rule; without one it weighs its sampled grams. A
// declared weight with nothing sampled is worth 0.
BatchValue ValueBatch(const BatchWeights& batch, const PriceList& list);

// Every list of every program, to find the one in force on a batch's day
// without a query per batch.
class PriceBook {
 public:
  void Add(PriceList list);
  // The list of the batch's program with the latest start on or before the
  // batch's day; nullptr when none holds.
  const PriceList* InForce(std::string_view programma, const store::DbDateTime& day) const;
  bool Empty() const { return lists_.empty(); }

 private:
  // Program code as the console writes it ("05") -> lists by start day.
  std::map<std::string, std::map<std::string, PriceList>> lists_;
};

// A day as "YYYY-MM-DD", the key lists are ordered and stored by.
std::string DayText(const store::DbDateTime& d);

}  // namespace kv7::prices
