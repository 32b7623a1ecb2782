#pragma once
// The arithmetic of the processing-cost window: lire and the current
// currency at the fixed rate, the hourly and per-minute totals of the staff.

#include <array>
#include <cstddef>

namespace kv7::reports {

inline constexpr double kLirePerUnit = 1936.27;
inline constexpr std::size_t kCategories = 3;

inline double LireToCurrency(double lire) { return lire / kLirePerUnit; }
inline double CurrencyToLire(double currency) { return currency * kLirePerUnit; }

struct CostTotals {
  double hourly = 0;     // lire per hour, all categories
  double perMinute = 0;  // lire per minute
  double HourlyCurrency() const { return LireToCurrency(hourly); }
  double PerMinuteCurrency() const { return LireToCurrency(perMinute); }
};

inline CostTotals ComputeCostTotals(const std::array<double, kCategories>& persons,
                                    const std::array<double, kCategories>& lirePerHour) {
  CostTotals t;
  for (std::size_t i = 0; i < kCategories; ++i) t.hourly += persons[i] * lirePerHour[i];
  t.perMinute = t.hourly / 60.0;
  return t;
}

}  // namespace kv7::reports
