// The live totals against the simulated machine: cells equal to the board's
// own per-line totals summed by quality, the snapshot row for the reports,
// the quality alarm carried by the next poll, the reset of totals, and the
// live row a totals refresh offers.

#include <gtest/gtest.h>

#include <cmath>
#include <thread>

#include "link/cMB90.h"
#include "live/LiveArchive.h"
#include "live/LiveJson.h"
#include "live/LiveWriter.h"
#include "programs/ProgramArchive.h"
#include "sim/SimProcess.h"
#include "store/ConfigStore.h"
#include "store/TestDatabase.h"
#include "supervisor/ConsoleRecorder.h"
#include "supervisor/Supervisor.h"
#include "support/TempDir.h"
#include "support/Until.h"

namespace kv7::test {
namespace {

using namespace std::chrono_literals;

constexpr int kMultiplier = 2;
// Lines 1..6 on qualities 1, 1, 2, 3, 4 and the reject.
constexpr int kLineQuality[6] = {1, 1, 2, 3, 4, 5};
constexpr const char* kLimits = "050100120140160180200220240260280300350400500999";

std::vector<std::int64_t> Numbers(const std::string& csv) {
  std::vector<std::int64_t> out;
  std::size_t pos = 0;
  while (pos <= csv.size()) {
    const auto comma = csv.find(',', pos);
    out.push_back(std::stoll(csv.substr(pos, comma - pos)));
    if (comma == std::string::npos) break;
    pos = comma + 1;
  }
  return out;
}

class TotalsWithSim : public TestDatabase {
 protected:
  void SetUp() override {
    TestDatabase::SetUp();
    store_ = std::make_unique<store::ConfigStore>(store::ConfigStore::kDefaultRoot, dir_ / "config");
    for (auto [key, value] : {std::pair{"porta_scarti", "99"}, {"numlinee", "6"}, {"xmoltiply", "2"}, {"macchina", "3"}})
      store_->WriteString("kv2", key, value);
    for (int n = 1; n <= 6; ++n) store_->WriteString("kv2", "qualitaL" + std::to_string(n), std::to_string(kLineQuality[n - 1]));
    sim_ = std::make_unique<simtest::SimProcess>(
        std::vector<std::string>{"--port-map", "--config-dir", (dir_ / "config").string(), "--speed", "20"});
    store::ProgramRecord program;  // program 05's classes, for the live row
    program.description = "Pere";
    for (auto& limits : program.limit)
      for (std::size_t k = 0; k < 16; ++k) limits[k] = std::to_string(50 + 20 * k);
    for (std::size_t c = 0; c < 15; ++c) program.name[0][c] = "P" + std::to_string(c + 1);
    programs::SaveProgram(Db(), program, "05", {});
    live_ = std::make_unique<live::LiveWriter>(Params(), 100ms);
    sup_ = std::make_unique<supervisor::Supervisor>(console_, op_, *store_, &Db(), dir_.path());
    sup_->SetLiveSink(live_.get());
    sup_->FormShow({});
    ASSERT_TRUE(TickUntil([&] { return sup_->State().controllerOn && sup_->State().machineState.Stato == "1"; }));
    for (int line = 0; line < 6; ++line) sup_->controller()->SendLetter('F', "05" + std::to_string(line) + kLimits);
    ASSERT_TRUE(TickUntil([&] { return std::stoll(sim_->Status()["fruit"]) > 400; }, 20000ms));
    sim_->Control("rate 0");  // the counts stand still for the comparison
    sim_->Settled("classed_total");
  }

  void TearDown() override {
    sup_.reset();
    live_.reset();  // no live row after the database is gone
    TestDatabase::TearDown();
  }

  template <typename Pred>
  bool TickUntil(Pred done, std::chrono::milliseconds limit = 10000ms) {
    return RepeatUntil([&] { sup_->Timer1Timer(); }, done, limit);
  }
  void Polls(int n) {
    for (int i = 0; i < 12 * n; ++i) sup_->Timer1Timer();
  }

  TempDir dir_;
  ConsoleRecorder console_;
  ScriptedOperator op_;
  std::unique_ptr<store::ConfigStore> store_;
  std::unique_ptr<simtest::SimProcess> sim_;
  std::unique_ptr<live::LiveWriter> live_;
  std::unique_ptr<supervisor::Supervisor> sup_;
};

TEST_F(TotalsWithSim, CellsAreTheBoardsLineTotalsSummedByQualityAndTheSnapshotHoldsThem) {
  sup_->TotaliClick();
  auto status = sim_->Status();
  std::array<std::array<std::int64_t, 15>, 5> expected{};
  for (int line = 1; line <= 6; ++line) {
    const auto classes = Numbers(status["line" + std::to_string(line) + ".classes"]);
    for (int c = 0; c < 15; ++c) expected[kLineQuality[line - 1] - 1][c] += classes[c] * kMultiplier;
  }
  const supervisor::TotalsView v = console_.totals;
  double shares = 0;
  std::int64_t reject = 0;
  for (int q = 0; q < 4; ++q) {
    for (int c = 0; c < 15; ++c) {
      EXPECT_EQ(v.classTotal[q][c].value, expected[q][c]) << "quality " << q + 1 << " class " << c + 1;
      shares += v.classShare[q][c].value;
    }
  }
  for (std::int64_t g : expected[4]) reject += g;
  EXPECT_GT(reject, 0);
  EXPECT_EQ(v.qualityTotal[4].value, reject);
  EXPECT_EQ(v.grandTotal.value, std::stoll(status["classed_total"]) * kMultiplier);
  EXPECT_NEAR(shares + v.qualityShare[4].value, 100.0, 0.01);
  EXPECT_TRUE(v.production.has_value());
  EXPECT_EQ(console_.visible[supervisor::Control::Production], true);

  store::PrintTotalsRow row;
  store::PrintTotalsFigures figures;
  ASSERT_TRUE(Db().LoadPrintTotals(row, figures));
  for (int q = 0; q < 4; ++q)
    for (int c = 0; c < 15; ++c) EXPECT_EQ(row.tot[q][c], std::llround(v.classTotal[q][c].value));
  EXPECT_EQ(row.totq5, reject);

  // Kilograms: the same figures a thousand times smaller on the screen, the
  // snapshot still in grams.
  sup_->Config().totaligrammi = 0;
  sup_->TotaliClick();
  EXPECT_FALSE(console_.totals.grams);
  EXPECT_DOUBLE_EQ(console_.totals.grandTotal.value, v.grandTotal.value / 1000);
  store::PrintTotalsRow inKilograms;
  ASSERT_TRUE(Db().LoadPrintTotals(inKilograms, figures));
  EXPECT_EQ(inKilograms.tot, row.tot);
  EXPECT_EQ(inKilograms.totq5, reject);
}

TEST_F(TotalsWithSim, AlarmTravelsWithTheNextPollAndTheClickClearsIt) {
  sup_->Config().limpercq[2] = 0;  // any share of quality 2 passes it
  sup_->TotaliCKClick();
  EXPECT_TRUE(console_.visible[supervisor::Control::Image2]);
  Polls(1);
  EXPECT_EQ(sim_->Status()["alarm"], "1");
  sup_->Image2Click();
  EXPECT_FALSE(console_.visible[supervisor::Control::Image2]);
  Polls(1);
  EXPECT_EQ(sim_->Status()["alarm"], "0");
}

TEST_F(TotalsWithSim, ResetOfTotalsStartsTheBoardsCountAgain) {
  sup_->TotaliClick();
  ASSERT_GT(console_.totals.grandTotal.value, 0);
  op_.answers = {false};
  sup_->Start1();
  EXPECT_NE(sim_->Status()["classed_total"], "0") << "No keeps the totals";

  op_.answers = {true};
  const double before = supervisor::ClockMinutes();
  sup_->Start1();
  EXPECT_EQ(op_.questions.back(), "I totali verranno azzerati, vuoi continuare ?");
  EXPECT_EQ(sim_->Status()["classed_total"], "0");
  EXPECT_EQ(console_.totals.grandTotal.value, 0);
  for (const auto& f : console_.totals.classShare[0]) EXPECT_TRUE(f.empty);
  EXPECT_EQ(sup_->Totals().productionRef, 1);
  EXPECT_GE(sup_->State().startMinutes, before);
  EXPECT_EQ(sup_->State().serviceMode, 0);

  // No labour cost at start-up: no cost shown for the run, F7 included.
  sup_->Stampa3Click();
  EXPECT_EQ(console_.texts[supervisor::Control::Costo], "");
  EXPECT_FALSE(console_.totals.cost);
  EXPECT_EQ(sup_->State().costAmount, 0);
}

TEST_F(TotalsWithSim, TotalsRefreshPutsWhatTheConsoleShowsInTheLiveRow) {
  sup_->State().numBolla = "B-42";
  sup_->TotaliClick();
  live::LiveRow shown;  // classes and totals as the console shows them
  for (std::size_t c = 0; c < 15; ++c) {
    const std::string& range = console_.classes.range[0][c];
    shown.classes.push_back({console_.classes.name[0][c], std::stoll(range), std::stoll(range.substr(5))});
    auto& grams = shown.totals.emplace_back();
    for (std::size_t q = 0; q < 4; ++q) grams[q] = std::llround(console_.totals.classTotal[q][c].value);
  }
  shown.reject = std::llround(console_.totals.qualityTotal[4].value);
  std::vector<live::LiveRow> rows;
  ASSERT_TRUE(RepeatUntil([] {}, [&] {
    rows = live::LoadLiveRows(Db());
    return rows.size() == 1 && rows[0].data == live::DataJson(shown);
  }, 5000ms)) << (rows.empty() ? "no row" : rows[0].data);
  const std::string& state = console_.panels[3];
  const std::string& rate = console_.panels[1];  // "12,3tz/s"
  EXPECT_EQ(rows[0].state, state.substr(0, state.find_last_not_of(' ') + 1));
  EXPECT_EQ(rows[0].cupsPerMinute, std::stoi(rate) * 60 + (rate[rate.find(',') + 1] - '0') * 6);
  EXPECT_EQ(std::tie(rows[0].machine, rows[0].program, rows[0].programName, rows[0].batch),
            std::make_tuple(3, std::string("05"), std::string("Pere"), std::string("B-42")));
}

}  // namespace
}  // namespace kv7::test
