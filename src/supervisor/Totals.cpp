#include "supervisor/Totals.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>

#include "store/Configuration.h"

namespace kv7::supervisor {
namespace {

constexpr double kLirePerUnit = 1936.27;

std::optional<std::int64_t> ClassValue(const std::string& text) {
  std::string_view v = text;
  while (!v.empty() && v.back() == ' ') v.remove_suffix(1);
  if (v.empty()) return std::nullopt;
  auto n = store::ParseStoredNumber(v);
  if (!n) return std::nullopt;
  return *n;
}

Figure Weight(std::int64_t grams, bool inGrams) {
  if (inGrams) return {static_cast<double>(grams), 0, 8, false};
  return {static_cast<double>(grams) / 1000.0, 1, 6, false};
}

Figure Share(std::int64_t part, std::int64_t grand) {
  if (grand <= 0) return {};
  return {static_cast<double>(part) / static_cast<double>(grand) * 100.0, 2, 3, false};
}

std::string Printf(const char* format, double value) {
  char buf[48];
  std::snprintf(buf, sizeof buf, format, value);
  return buf;
}

}  // namespace

LineCounts CountsOf(const rcRichiestaTotali& block) {
  LineCounts counts{};
  for (std::size_t c = 0; c < counts.size(); ++c) counts[c] = ClassValue(block.Tot[c]).value_or(0);
  return counts;
}

bool WellFormedTotals(const rcRichiestaTotali& block) {
  constexpr std::size_t kWidth = 8;
  for (const std::string& field : block.Tot) {
    if (field.size() != kWidth) return false;
    const auto digits = field.find_first_not_of(' ');
    if (digits == std::string::npos) return false;
    for (std::size_t i = digits; i < kWidth; ++i)
      if (field[i] < '0' || field[i] > '9') return false;
  }
  return true;
}

void AddLineCounts(ClassSums& sums, const LineCounts& counts, int quality, int multiplier) {
  if (quality < 0 || quality > kRejectQuality) return;
  for (std::size_t c = 0; c < counts.size(); ++c) {
    const std::int64_t grams = multiplier >= 1 ? counts[c] * multiplier : counts[c];
    if (quality == kRejectQuality)
      sums.reject += grams;
    else
      sums.classTotal[static_cast<std::size_t>(quality)][c] += grams;
  }
}

void AddLineBlock(ClassSums& sums, const rcRichiestaTotali& block, int quality, int multiplier) {
  AddLineCounts(sums, CountsOf(block), quality, multiplier);
}

int FirstMissingLine(const LineFigures& figures, int lines) {
  const int configured = std::clamp(lines, 1, kWeighingLines);
  for (int line = 1; line <= configured; ++line)
    if (!figures.answered[static_cast<std::size_t>(line - 1)]) return line;
  return 0;
}

std::int64_t QualityTotal(const ClassSums& sums, int q) {
  std::int64_t total = 0;
  for (std::int64_t v : sums.classTotal[static_cast<std::size_t>(q)]) total += v;
  return total;
}

std::int64_t GrandTotal(const ClassSums& sums) {
  std::int64_t total = sums.reject;
  for (int q = 0; q < TotalsView::kQualities; ++q) total += QualityTotal(sums, q);
  return total;
}

TotalsView MakeTotalsView(const ClassSums& sums, bool grams) {
  TotalsView view;
  view.grams = grams;
  const std::int64_t grand = GrandTotal(sums);
  for (std::size_t q = 0; q < TotalsView::kQualities; ++q) {
    for (std::size_t c = 0; c < TotalsView::kClasses; ++c) {
      view.classTotal[q][c] = Weight(sums.classTotal[q][c], grams);
      view.classShare[q][c] = Share(sums.classTotal[q][c], grand);
    }
    const std::int64_t total = QualityTotal(sums, static_cast<int>(q));
    view.qualityTotal[q] = Weight(total, grams);
    view.qualityShare[q] = Share(total, grand);
  }
  view.qualityTotal[4] = Weight(sums.reject, grams);
  view.qualityShare[4] = Share(sums.reject, grand);
  view.grandTotal = Weight(grand, grams);
  return view;
}

std::string PlainText(const Figure& f) {
  if (f.empty) return {};
  char buf[48];
  std::snprintf(buf, sizeof buf, "%*.*f", f.width, f.decimals, f.value);
  return buf;
}

std::array<double, 4> QualityPercent(const ClassSums& sums) {
  std::array<double, 4> percent{};
  const std::int64_t grand = GrandTotal(sums);
  if (grand <= 0) return percent;
  for (int q = 1; q < TotalsView::kQualities; ++q)
    percent[static_cast<std::size_t>(q - 1)] = static_cast<double>(QualityTotal(sums, q)) / grand * 100.0;
  percent[3] = static_cast<double>(sums.reject) / grand * 100.0;
  return percent;
}

bool QualityAlarm(const std::array<double, 4>& percent, const std::array<std::int32_t, 4>& limits) {
  for (std::size_t i = 0; i < percent.size(); ++i)
    if (limits[i] < percent[i]) return true;
  return false;
}

namespace {
std::int64_t GramsPerHour(std::int64_t now, std::int64_t ref, double minutes, double unit) {
  if (minutes <= 0 || now <= ref) return 0;
  return std::llround(static_cast<double>(now - ref) / (minutes / 60.0) / unit);
}
}  // namespace

std::int64_t ProductionRate(std::int64_t now, std::int64_t ref, double minutes) {
  return GramsPerHour(now, ref, minutes, 100000.0);
}

std::int64_t ProductionKgRate(std::int64_t now, std::int64_t ref, double minutes) {
  return GramsPerHour(now, ref, minutes, 1000.0);
}

RunCost ComputeRunCost(double minutes, double perMinute, std::int64_t now, std::int64_t ref) {
  RunCost cost;
  cost.amount = static_cast<std::int64_t>(std::nearbyint(minutes * perMinute));
  if (now > ref) {
    cost.perKg = static_cast<double>(cost.amount) / (static_cast<double>(now - ref) / 1000.0);
    cost.perKgCurrency = cost.perKg / kLirePerUnit;
    cost.perKgText = Printf("%6.0f", cost.perKg);
    cost.perKgCurrencyText = Printf("%6.3f", cost.perKgCurrency);
  }
  return cost;
}

double ClockMinutes() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  ::localtime_r(&now, &local);
  const double localSeconds = static_cast<double>(now) + static_cast<double>(local.tm_gmtoff);
  return (localSeconds / 86400.0 + 25569.0) * 1440.0;
}

}  // namespace kv7::supervisor
