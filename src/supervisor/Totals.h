#pragma once
// The arithmetic of the live totals: the per-line "V" blocks added into the
// qualities the installation gives each line, the cells as the screen shows
// them, hourly production, the run's cost and the quality alarm. Pure
// functions, so every figure is checked without a board.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "link/MachineStatus.h"
#include "supervisor/TotalsView.h"

namespace kv7::supervisor {

// Grams times the weight multiplier, in 64 bits: eight-digit class values
// times the multiplier, over six lines, pass 2^31.
struct ClassSums {
  std::array<std::array<std::int64_t, TotalsView::kClasses>, TotalsView::kQualities> classTotal{};
  std::int64_t reject = 0;
};

// The line's quality as configured, 0-based: 0..3 qualities 1..4, 4 the reject.
inline constexpr int kRejectQuality = 4;
inline constexpr int kWeighingLines = 6;

// One line's class counts as the board sent them (no multiplier).
using LineCounts = std::array<std::int64_t, TotalsView::kClasses>;
using LineQualities = std::array<int, kWeighingLines>;  // 0-based, as `qualitaL1`..`qualitaL6`

// One totals request, line by line: what each line answered, and whether
// its reply was whole (every class eight characters of digits).
struct LineFigures {
  std::array<LineCounts, kWeighingLines> counts{};
  std::array<bool, kWeighingLines> answered{};
};

// The class counts of a block; a value that does not convert counts 0.
LineCounts CountsOf(const rcRichiestaTotali& block);
// A block is whole when every class field is eight characters: digits,
// blanks only before them. A short or garbled reply is not a line's total.
bool WellFormedTotals(const rcRichiestaTotali& block);

// Adds one line's counts, times `multiplier` when that is 1 or more, into
// its quality (or the reject).
void AddLineCounts(ClassSums& sums, const LineCounts& counts, int quality, int multiplier);
// The same for a block: each class value that converts.
void AddLineBlock(ClassSums& sums, const rcRichiestaTotali& block, int quality, int multiplier);

// The first of the configured lines 1..`lines` that gave no whole reply to
// the last request; 0 when every one did.
int FirstMissingLine(const LineFigures& figures, int lines);

std::int64_t QualityTotal(const ClassSums& sums, int q);  // q = 0..3
std::int64_t GrandTotal(const ClassSums& sums);

// Every cell in grams (8 characters) or kilograms (6, one decimal), shares
// with two decimals in 3 characters; no share when the grand total is 0 or less.
TotalsView MakeTotalsView(const ClassSums& sums, bool grams);

// A cell's text with "." as decimal mark, as files and the log write it.
std::string PlainText(const Figure& f);

// The shares compared with the limits `limpercq2`..`limpercq5`: qualities 2,
// 3, 4 and the reject, on the percent scale of LavoratoPQ2..LavoratoPQ5.
std::array<double, 4> QualityPercent(const ClassSums& sums);
// True when any share passes its limit.
bool QualityAlarm(const std::array<double, 4>& percent, const std::array<std::int32_t, 4>& limits);

// Quintals per hour since the reference, or 0 when no time has passed or
// nothing was added.
std::int64_t ProductionRate(std::int64_t now, std::int64_t ref, double minutes);
// The same in kilograms per hour.
std::int64_t ProductionKgRate(std::int64_t now, std::int64_t ref, double minutes);

// The run's cost after `minutes` at `perMinute` (old currency), per kilogram
// of what was processed since the reference and in the current currency.
struct RunCost {
  std::int64_t amount = 0;
  double perKg = 0;
  double perKgCurrency = 0;
  std::string perKgText = "0";            // 6 characters, no decimals
  std::string perKgCurrencyText = "0.000";  // 6 characters, 3 decimals
};
RunCost ComputeRunCost(double minutes, double perMinute, std::int64_t now, std::int64_t ref);

// What the supervisor keeps of the totals between requests.
struct TotalsState {
  ClassSums sums;  // sums.reject mirrors the supervisor's rejectValue
  LineFigures lines;  // the last request, line by line
  std::int64_t productionRef = 0;  // grand total where the hourly measure starts (0: not taken)
  std::int64_t productionNow = 0;
  double nowMinutes = 0;
  double costPerMinuteMachine = 0;  // old currency, from the cost window
  std::optional<std::int64_t> production;
  std::optional<std::int64_t> productionKg;  // the same measure in kilograms per hour
  std::optional<TotalsView::Cost> cost;
  RunCost runCost;
  bool qualityAlarm = false;
  std::array<double, 4> qualityPercent{};  // qualities 2..5
  int silentLine = 0;        // first line that did not answer the last request
  std::string programPanel;  // what panel 0 shows when every line answers
};

// Local date and time in minutes, on the day count of the stored dates.
double ClockMinutes();

}  // namespace kv7::supervisor
