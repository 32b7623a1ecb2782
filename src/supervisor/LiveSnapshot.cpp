// The live row for the office view: what the console shows of the board, the
// program, the batch and the totals, gathered on the machine thread and
// handed to the live sink, which never makes it wait.

#include <charconv>
#include <cmath>
#include <cstdio>

#include "supervisor/Supervisor.h"

namespace kv7::supervisor {
namespace {

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::optional<int> Digits(std::string_view text) {
  int n = 0;
  const auto r = std::from_chars(text.data(), text.data() + text.size(), n);
  if (r.ec != std::errc() || r.ptr != text.data() + text.size()) return std::nullopt;
  return n;
}

// Panel 1 shows the board's rate "123" as "12,3tz/s": per minute, 738.
std::optional<int> CupsPerMinute(const std::string& rate) {
  const std::string_view r(rate);
  const auto whole = Digits(r.substr(0, 2));
  const auto tenth = r.size() > 2 ? Digits(r.substr(2, 1)) : std::optional<int>(0);
  if (!whole || !tenth) return std::nullopt;
  return *whole * 60 + *tenth * 6;
}

// "0050-0100" as the class's range.
live::LiveClass ClassOf(const std::string& name, const std::string& range) {
  live::LiveClass c{Trimmed(name), 0, 0};
  const auto dash = range.find('-');
  if (dash == std::string::npos) return c;
  c.from = Digits(range.substr(0, dash)).value_or(0);
  c.to = Digits(range.substr(dash + 1)).value_or(0);
  return c;
}

std::int64_t Grams(const Figure& f) { return std::llround(f.value); }

}  // namespace

live::LiveRow Supervisor::LiveSnapshot() const {
  live::LiveRow row;
  row.machine = config_.macchina;
  row.state = st_.stateText.substr(0, st_.stateText.find_last_not_of(' ') + 1);
  if (st_.boardProgram >= 1 && st_.boardProgram <= 98) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", st_.boardProgram);
    row.program = text;
  }
  row.programName = Trimmed(liveClasses_.description);
  row.batch = st_.numBolla.empty() ? processing_.numero : st_.numBolla;
  row.producer = processing_.descrizione.empty() ? processing_.codice : processing_.descrizione;
  if (st_.controllerOn) row.cupsPerMinute = CupsPerMinute(st_.machineState.Cadenza);
  row.productionKgPerHour = totals_.productionKg;
  row.waitingBatches = st_.waitingBatches;

  // Grams whatever the screen shows, as the totals snapshot keeps them. The
  // classes end with the last one named, ranged or counted; the names and
  // ranges are those of quality 1, the first page of the totals.
  const TotalsView view = MakeTotalsView(totals_.sums, true);
  std::size_t used = 0;
  for (std::size_t c = 0; c < TotalsView::kClasses; ++c) {
    row.classes.push_back(ClassOf(liveClasses_.name[0][c], liveClasses_.range[0][c]));
    auto& grams = row.totals.emplace_back();
    for (std::size_t q = 0; q < TotalsView::kQualities; ++q) grams[q] = Grams(view.classTotal[q][c]);
    const bool counted = grams != decltype(row.totals)::value_type{};
    if (!row.classes.back().name.empty() || row.classes.back().to > 0 || counted) used = c + 1;
  }
  row.classes.resize(used);
  row.totals.resize(used);
  row.reject = Grams(view.qualityTotal[4]);
  return row;
}

void Supervisor::OfferLive() {
  if (liveSink_) liveSink_->Offer(LiveSnapshot());
}

}  // namespace kv7::supervisor
