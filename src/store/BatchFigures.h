#pragma once
// A batch row of `bolle` and a row of `totali_temp`, with the columns the
// program calculates from them each time a row is read (never stored):
// quality totals, grand total, percentages and shares of the declared weight.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "store/DbValue.h"

namespace kv7::store {

inline constexpr int kClasses = 15;
inline constexpr int kQualities = 4;

// Grams per class and quality: [q - 1][c - 1] for quality q 1..4, class c 1..15.
using ClassGrams = std::array<std::array<std::int64_t, kClasses>, kQualities>;

// A calculated figure: its value and, for display, the value rounded to
// hundredths (the rounding the display formats apply).
struct Fixed2 {
  double value = 0;
  std::int64_t hundredths = 0;
};

// Nearest integer to n / d (d > 0), ties to the even integer.
std::int64_t RoundHalfEven(__int128 n, __int128 d);
// Nearest integer to n / d (d > 0), ties away from zero.
std::int64_t RoundHalfAway(__int128 n, __int128 d);

// Display format "##0.00" (percentages) and "#####0.00" (weight shares):
// at least one integer digit, two decimals, '.' as separator.
std::string FormatPercentage(const Fixed2& v);
std::string FormatWeightShare(const Fixed2& v);

// One row of `bolle` as stored. A NULL number reads as 0, a NULL text as "".
struct BatchRow {
  std::int64_t num = 0;
  std::optional<DbDateTime> data;
  std::string programma;
  ClassGrams tot{};
  std::string bolla;
  std::string codicebarre;
  std::string produttore;
  std::string note;
  std::int64_t totpartita = 0;  // declared weight of the batch, kg
  std::int64_t totq5 = 0;       // reject grams
  std::int64_t numerocasse = 0;
  std::int64_t numeropedane = 0;
  std::string lotto;
  std::string operatore;
  std::int64_t macchina = 1;  // the machine that sampled it; NULL reads as 1

  // The date and the time of `data` as separate texts: "DD/MM/YYYY" and
  // "HH:MM:SS" ("" when `data` is NULL).
  std::string DateText() const;
  std::string TimeText() const;

  bool operator==(const BatchRow&) const = default;
};

// The calculated columns of `bolle`. Percentages are R(part x 10000 / total)
// / 100 with R rounding ties to even, products in 64 bits; all are 0 when the
// grand total is not above 0. Shares are totpartita x percentage / 100, from
// the two-decimal percentages.
struct BatchFigures {
  std::array<std::int64_t, kQualities> totaleq{};
  std::int64_t totale_gen = 0;
  std::array<Fixed2, 5> percq{};  // Percq1, percq2 .. percq5 (reject)
  std::array<Fixed2, 5> ttotq{};
  std::array<std::array<Fixed2, kClasses>, kQualities> perc{};  // [q - 1][c - 1]
  std::array<std::array<Fixed2, kClasses>, kQualities> ttot{};
};

BatchFigures ComputeBatchFigures(const BatchRow& row);

// Every stored and calculated column of a batch as column name and display
// text, stored columns first in table order. `data` is "YYYY-MM-DD HH:MM:SS".
std::vector<std::pair<std::string, std::string>> BatchColumnTexts(const BatchRow& row,
                                                                  const BatchFigures& figures);

// The row of `totali_temp`.
struct PrintTotalsRow {
  ClassGrams tot{};
  std::int64_t totq5 = 0;
};

// Its calculated columns: percentages part x 100 / totgen, not rounded
// (products in 64 bits), 0 when totgen is not above 0.
struct PrintTotalsFigures {
  std::array<std::int64_t, kQualities> totq{};
  std::int64_t totgen = 0;
  std::array<std::array<Fixed2, kClasses>, kQualities> perc{};
  std::array<Fixed2, 5> percq{};  // percq1 .. percq5
};

PrintTotalsFigures ComputePrintTotalsFigures(const PrintTotalsRow& row);

}  // namespace kv7::store
