// The live totals: the per-line requests, the display, the snapshot for the
// reports, hourly production, the run's cost, the quality alarm and the
// reset of totals (F8).

#include <chrono>
#include <cmath>
#include <limits>
#include <thread>

#include "link/cMB90.h"
#include "link/cSrd12.h"
#include "store/Database.h"
#include "store/DbError.h"
#include "supervisor/Supervisor.h"

namespace kv7::supervisor {
namespace {

// The pause around "V1": 4 x 10^-6 of a day.
constexpr auto kResetPause = std::chrono::microseconds(345600);

std::int64_t SnapshotValue(const Figure& f) {
  // The columns are whole numbers of 32 bits; the cell's figure as it shows.
  const double v = std::nearbyint(f.value);
  return static_cast<std::int64_t>(
      std::clamp(v, static_cast<double>(std::numeric_limits<std::int32_t>::min()),
                 static_cast<double>(std::numeric_limits<std::int32_t>::max())));
}

}  // namespace

void Supervisor::TotaliClick() {
  if (!st_.controllerOn || !controller_) {
    operator_.ShowMessage("La centralina è spenta, accenderla per favore!");
    return;
  }
  if (config_.scarti_enab > 0 && rejectStation_) st_.rejectReadRequest = true;
  st_.serviceMode = 99;
  const bool answered = RequestLineTotals();
  if (answered) st_.rejectValue = totals_.sums.reject;
  st_.serviceMode = 0;
  totals_.sums.reject = st_.rejectValue;
  if (answered) CheckBaseline();
  MeasureProductionAndCost();
  // One picture per request: cells, production and cost arrive together.
  ShowTotals();
  WriteSnapshot(totals_.sums);
  OfferLive();
}

bool Supervisor::RequestLineTotals() {
  bool anyAnswered = false;
  int silent = 0;
  totals_.lines.answered = {};
  for (int line = 1; line <= kWeighingLines; ++line) {
    const auto index = static_cast<std::size_t>(line - 1);
    rcRichiestaTotali& block = st_.lineTotals[index];
    std::string request = "2";
    request += std::to_string(line - 1);
    if (!controller_->RichiestaTotali(cMB90::kTotalsTimeout, request)) {
      if (silent == 0) silent = line;
      continue;
    }
    controller_->GetTotali(block);
    if (!anyAnswered) totals_.sums = {};
    anyAnswered = true;
    totals_.lines.counts[index] = CountsOf(block);
    totals_.lines.answered[index] = WellFormedTotals(block);
    if (!totals_.lines.answered[index] && silent == 0) silent = line;
    AddLineCounts(totals_.sums, totals_.lines.counts[index], config_.qualitaL[line], config_.xmoltiply);
  }
  if (silent != 0) {
    console_.SetStatusPanel(0, "linea " + std::to_string(silent) + " non risponde");
  } else if (totals_.silentLine != 0) {
    console_.SetStatusPanel(0, totals_.programPanel);
  }
  totals_.silentLine = silent;
  return anyAnswered;
}

void Supervisor::ShowTotals() {
  totals_.sums.reject = st_.rejectValue;
  TotalsView view = MakeTotalsView(totals_.sums, config_.totaligrammi == 1);
  view.production = totals_.production;
  view.cost = totals_.cost;
  console_.ShowTotals(view);
}

void Supervisor::RefreshTotalsDisplay() { ShowTotals(); }

void Supervisor::WriteSnapshot(const ClassSums& sums) {
  if (!database_ || !database_->IsConnected()) return;
  // Grams whatever the screen shows: whoever reads the row needs no unit.
  const TotalsView view = MakeTotalsView(sums, true);
  store::PrintTotalsRow row;
  for (std::size_t q = 0; q < TotalsView::kQualities; ++q)
    for (std::size_t c = 0; c < TotalsView::kClasses; ++c) row.tot[q][c] = SnapshotValue(view.classTotal[q][c]);
  row.totq5 = SnapshotValue(view.qualityTotal[4]);
  try {
    database_->FillPrintTotals(row);
  } catch (const store::DbError& e) {
    ShowDatabaseError(e.what(), true);
  }
}

void Supervisor::MeasureProductionAndCost() {
  TotalsState& t = totals_;
  const std::int64_t grand = GrandTotal(t.sums);
  if (t.productionRef == 0) t.productionRef = grand;
  t.productionNow = grand;
  t.nowMinutes = ClockMinutes();
  const double minutes = t.nowMinutes - st_.startMinutes;
  t.production = ProductionRate(t.productionNow, t.productionRef, minutes);
  t.productionKg = ProductionKgRate(t.productionNow, t.productionRef, minutes);
  console_.SetVisible(Control::Production, true);

  // The cost shows while a labour cost is entered; the running amount does
  // not switch it off when a request comes right after a reset.
  if (t.costPerMinuteMachine < 1) {
    t.cost.reset();
    console_.SetText(Control::Costo, "");
    return;
  }
  t.runCost = ComputeRunCost(minutes, t.costPerMinuteMachine, t.productionNow, t.productionRef);
  st_.costAmount = t.runCost.amount;
  t.cost = TotalsView::Cost{t.runCost.amount, t.runCost.perKg, t.runCost.perKgCurrency};
}

void Supervisor::TotaliCKClick() {
  TotaliClick();
  WriteSnapshot(totals_.sums);
  totals_.qualityPercent = QualityPercent(totals_.sums);
  const std::array<std::int32_t, 4> limits{config_.limpercq[2], config_.limpercq[3], config_.limpercq[4],
                                           config_.limpercq[5]};
  totals_.qualityAlarm = QualityAlarm(totals_.qualityPercent, limits);
  console_.SetVisible(Control::Image2, totals_.qualityAlarm);
  if (controller_) controller_->SetAlarm(totals_.qualityAlarm);
}

void Supervisor::Image2Click() {
  totals_.qualityAlarm = false;
  console_.SetVisible(Control::Image2, false);
  if (controller_) controller_->SetAlarm(false);
}

void Supervisor::Start1() {
  if (ResetTotals()) KeepCountingBatch();
}

bool Supervisor::ResetTotals() {
  operator_.Beep();
  if (!operator_.AskYesNo("I totali verranno azzerati, vuoi continuare ?")) return false;
  if (!st_.controllerOn || !controller_) {
    operator_.ShowMessage("La centralina è spenta, accenderla per favore!");
    return false;
  }
  if (config_.scarti_enab > 0 && rejectStation_) {
    if (rejectStation_->ZeroCounters() < 0)
      operator_.ShowMessage("richiesta totali della centralina scarti non risposta!");
    else
      console_.SetStatusPanel(4, "1-SCARTI ON ");
  }
  // Two pauses either side of "V1" let the board finish the exchange in
  // progress and start its new count; the cycle does not poll meanwhile.
  st_.serviceMode = 99;
  std::this_thread::sleep_for(kResetPause);
  const bool reset = controller_->SendLetter('V', "1");
  std::this_thread::sleep_for(kResetPause);
  st_.serviceMode = 0;
  if (reset) DropBaseline("azzeramento");
  TotaliClick();
  st_.startMinutes = ClockMinutes();
  totals_.productionRef = 1;
  return true;
}

void Supervisor::SetProgramPanel(const std::string& text) {
  totals_.programPanel = text;
  if (totals_.silentLine == 0) console_.SetStatusPanel(0, text);
}

void Supervisor::ApplyCostsPerMinute() {
  // The cost window shows the cost per minute without decimals and the run
  // is costed at that figure.
  double perHour = 0;
  for (std::size_t i = 0; i < costs_.persons.size(); ++i) {
    const auto persons = store::ParseStoredNumber(costs_.persons[i]);
    const auto cost = store::ParseStoredNumber(costs_.hourlyCost[i]);
    perHour += static_cast<double>(persons.value_or(0)) * static_cast<double>(cost.value_or(0));
  }
  totals_.costPerMinuteMachine = std::nearbyint(perHour / 60.0);
}

void Supervisor::ReloadCosts() {
  store::LoadCosts(costs_, workDir_, [this](const std::string& m) { operator_.ShowMessage(m); });
  ApplyCostsPerMinute();
  st_.costAmount = static_cast<std::int64_t>(totals_.costPerMinuteMachine);
  if (st_.controllerOn)
    TotaliClick();
  else
    ShowTotals();
}

}  // namespace kv7::supervisor
