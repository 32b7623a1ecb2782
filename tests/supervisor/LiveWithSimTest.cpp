// The console's live row against the simulated machine: a totals refresh
// offers the row, and the writer puts in `kv7_live` what the console shows
// (state, program and classes, batch, totals in grams, cup rate, machine).

#include <gtest/gtest.h>

#include <cmath>

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

constexpr const char* kLimits = "050100120140160180200220240260280300350400500999";

class LiveWithSim : public TestDatabase {
 protected:
  void SetUp() override {
    TestDatabase::SetUp();
    store::ProgramRecord program;
    program.description = "Pere";
    for (std::size_t q = 0; q < 4; ++q)
      for (std::size_t c = 0; c < 16; ++c) {
        program.limit[q][c] = std::to_string(50 + 20 * c);
        if (c < 15) program.name[q][c] = "P" + std::to_string(c + 1) + "Q" + std::to_string(q + 1);
      }
    programs::SaveProgram(Db(), program, "05", {});
    store_ = std::make_unique<store::ConfigStore>(store::ConfigStore::kDefaultRoot, dir_ / "config");
    for (auto [key, value] : {std::pair{"porta_scarti", "99"}, {"numlinee", "6"}, {"macchina", "3"}})
      store_->WriteString("kv2", key, value);
    // Lines 1..6 on qualities 1, 1, 2, 3, 4 and the reject.
    const int quality[] = {1, 1, 2, 3, 4, 5};
    for (int n = 1; n <= 6; ++n) store_->WriteString("kv2", "qualitaL" + std::to_string(n), std::to_string(quality[n - 1]));
    sim_ = std::make_unique<simtest::SimProcess>(
        std::vector<std::string>{"--port-map", "--config-dir", (dir_ / "config").string(), "--speed", "20"});
    sup_ = std::make_unique<supervisor::Supervisor>(console_, op_, *store_, &Db(), dir_.path());
    writer_ = std::make_unique<live::LiveWriter>(Params(), 100ms);
    sup_->SetLiveSink(writer_.get());
    sup_->FormShow({});
  }
  void TearDown() override {
    sup_.reset();
    writer_.reset();  // no row written after the database is gone
    TestDatabase::TearDown();
  }

  template <typename Pred>
  bool TickUntil(Pred done, std::chrono::milliseconds limit = 20000ms) {
    return RepeatUntil([&] { sup_->Timer1Timer(); }, done, limit);
  }

  TempDir dir_;
  ConsoleRecorder console_;
  ScriptedOperator op_;
  std::unique_ptr<live::LiveWriter> writer_;
  std::unique_ptr<store::ConfigStore> store_;
  std::unique_ptr<simtest::SimProcess> sim_;
  std::unique_ptr<supervisor::Supervisor> sup_;
};

// What the console shows, as the live row's classes and totals.
live::LiveRow Shown(const ConsoleRecorder& console) {
  live::LiveRow row;
  for (std::size_t c = 0; c < 15; ++c) {
    const std::string& range = console.classes.range[0][c];
    const auto dash = range.find('-');
    row.classes.push_back({console.classes.name[0][c], std::stoll(range.substr(0, dash)), std::stoll(range.substr(dash + 1))});
    auto& grams = row.totals.emplace_back();
    for (std::size_t q = 0; q < 4; ++q) grams[q] = std::llround(console.totals.classTotal[q][c].value);
  }
  row.reject = std::llround(console.totals.qualityTotal[4].value);
  return row;
}

TEST_F(LiveWithSim, TotalsRefreshPutsWhatTheConsoleShowsInTheLiveRow) {
  ASSERT_TRUE(TickUntil([&] { return sup_->State().controllerOn && sup_->State().machineState.Stato == "1"; }));
  for (int line = 0; line < 6; ++line) sup_->controller()->SendLetter('F', "05" + std::to_string(line) + kLimits);
  ASSERT_TRUE(TickUntil([&] { return console_.classes.description == "Pere" && std::stoll(sim_->Status()["fruit"]) > 400; }));
  sim_->Control("rate 0");
  sim_->Settled("classed_total");
  sup_->State().numBolla = "B-42";
  sup_->TotaliClick();
  ASSERT_GT(console_.totals.qualityTotal[4].value, 0);
  ASSERT_GT(console_.totals.grandTotal.value, 0);

  const std::string data = live::DataJson(Shown(console_));
  std::vector<live::LiveRow> rows;
  ASSERT_TRUE(RepeatUntil([] {}, [&] {
    rows = live::LoadLiveRows(Db());
    return rows.size() == 1 && rows[0].data == data;
  }, 5000ms)) << (rows.empty() ? "no row" : rows[0].data) << "\n" << data;
  const live::LiveRow& r = rows[0];
  EXPECT_EQ(r.machine, 3);
  const std::string& state = console_.panels[3];
  EXPECT_EQ(r.state, state.substr(0, state.find_last_not_of(' ') + 1));
  EXPECT_EQ(r.program, "05");
  EXPECT_EQ(r.programName, "Pere");
  EXPECT_EQ(r.batch, "B-42");
  EXPECT_EQ(r.waitingBatches, 0);
  // Panel 1 shows cups per second with one decimal ("12,3tz/s").
  const std::string& rate = console_.panels[1];
  const auto comma = rate.find(',');
  ASSERT_NE(comma, std::string::npos) << rate;
  EXPECT_EQ(r.cupsPerMinute, std::stoi(rate.substr(0, comma)) * 60 + (rate[comma + 1] - '0') * 6);
  EXPECT_TRUE(r.productionKgPerHour.has_value());
}

}  // namespace
}  // namespace kv7::test
