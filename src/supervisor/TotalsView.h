#pragma once
// One complete picture of the totals for the screen, made on the machine
// thread and handed over whole: every class and quality cell, the grand
// total, production and cost. Cells carry numbers, not texts: the window
// writes them in the language in force (decimal mark, grouping), while the
// snapshot and the files keep the plain figures.

#include <array>
#include <cstdint>
#include <optional>

namespace kv7::supervisor {

// One display cell: a value to write with `decimals` decimals, right-aligned
// in `width` characters (wider texts are not cut). An empty cell shows nothing.
struct Figure {
  double value = 0;
  int decimals = 0;
  int width = 0;
  bool empty = true;

  bool operator==(const Figure&) const = default;
};

struct TotalsView {
  static constexpr int kClasses = 15;
  static constexpr int kQualities = 4;

  bool grams = true;
  // [q][c]: quality 1..4 at 0..3, class 1..15 at 0..14.
  std::array<std::array<Figure, kClasses>, kQualities> classTotal{};
  std::array<std::array<Figure, kClasses>, kQualities> classShare{};
  // Qualities 1..4 at 0..3, the reject at 4.
  std::array<Figure, 5> qualityTotal{};
  std::array<Figure, 5> qualityShare{};
  Figure grandTotal{};
  // Quintals per hour; none until the first totals request of the run.
  std::optional<std::int64_t> production;
  // The run's cost so far and per kilogram (old currency, and the current
  // one); none while no labour cost is entered.
  struct Cost {
    std::int64_t amount = 0;
    double perKg = 0;
    double perKgCurrency = 0;
    bool operator==(const Cost&) const = default;
  };
  std::optional<Cost> cost;

  bool operator==(const TotalsView&) const = default;
};

}  // namespace kv7::supervisor
