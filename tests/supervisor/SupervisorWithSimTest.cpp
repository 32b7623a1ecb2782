// The console logic driving the simulated machine over pseudo-terminals:
// identification, initialisation, the status panels, barcode lines, the
// reject station, program watch and the automatic totals.

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <thread>

#include "support/FileText.h"
#include "sim/SimProcess.h"
#include "store/ConfigStore.h"
#include "supervisor/ConsoleRecorder.h"
#include "supervisor/Supervisor.h"
#include "support/TempDir.h"
#include "support/Until.h"

namespace kv7::test {
namespace {

using namespace std::chrono_literals;
using supervisor::Supervisor;

using kv7::test::Slurp;

std::size_t Occurrences(const std::string& text, const std::string& what) {
  std::size_t n = 0;
  for (auto pos = text.find(what); pos != std::string::npos; pos = text.find(what, pos + 1)) ++n;
  return n;
}

constexpr int kTicksPerPoll = 12;

class SupervisorWithSim : public ::testing::Test {
 protected:
  void Start(std::vector<std::string> simArgs = {}, const std::map<std::string, std::string>& settings = {}) {
    store_ = std::make_unique<store::ConfigStore>(store::ConfigStore::kDefaultRoot, dir_ / "config");
    for (const auto& [key, value] : settings) store_->WriteString("kv2", key, value);
    simArgs.insert(simArgs.end(), {"--port-map", "--config-dir", (dir_ / "config").string()});
    sim_ = std::make_unique<simtest::SimProcess>(simArgs);
    sup_ = std::make_unique<Supervisor>(console_, op_, *store_, nullptr, dir_.path());
    sup_->FormShow({});
  }

  void Polls(int n) {
    for (int i = 0; i < n * kTicksPerPoll; ++i) sup_->Timer1Timer();
  }

  // Ticks (a status poll every 12) until `done` holds or `limit` passes.
  template <typename Pred>
  bool TickUntil(Pred done, std::chrono::milliseconds limit = 8000ms) {
    return RepeatUntil([&] { sup_->Timer1Timer(); }, done, limit);
  }

  std::string Log() const { return Slurp(dir_ / "kv2.log"); }
  supervisor::SupervisorState& St() { return sup_->State(); }

  TempDir dir_;
  ConsoleRecorder console_;
  ScriptedOperator op_;
  std::unique_ptr<store::ConfigStore> store_;
  std::unique_ptr<simtest::SimProcess> sim_;
  std::unique_ptr<Supervisor> sup_;
};

TEST_F(SupervisorWithSim, IdentifiesOnceInitialisesInStateZeroAndComesBackAfterUnplugging) {
  Start({}, {{"macchina", "7"}});
  EXPECT_EQ(console_.captions.front(), "KV7 Campionatrice - Macchina 7");
  ASSERT_TRUE(TickUntil([&] { return console_.caption_ == "KV7 Campionatrice - Macchina 7 / 2.13 : MB6-1"; }))
      << console_.caption_;
  EXPECT_TRUE(St().controllerOn);
  EXPECT_EQ(St().boardType, 3);
  EXPECT_EQ(console_.panels[2], "set Encoder antiorario");
  ASSERT_TRUE(TickUntil([&] { return Log().find("init Mb6 board") != std::string::npos; }));
  EXPECT_EQ(sim_->Status()["installed"], "1");
  const std::size_t captionsAfterIdentification = console_.captions.size();

  // Every poll that finds the board in "0" initialises it again; the board
  // is identified only once while it stays on.
  for (int round = 0; round < 3; ++round) {
    sim_->Control("state 0");
    Polls(1);
  }
  EXPECT_GE(Occurrences(Log(), "init Mb6 board"), 4u);
  EXPECT_EQ(console_.captions.size(), captionsAfterIdentification);

  sim_->Control("disconnect");
  ASSERT_TRUE(TickUntil([&] { return !St().controllerOn; }));
  EXPECT_EQ(console_.panels[3], "0 - Centralina off ");
  sim_->Control("reconnect");
  ASSERT_TRUE(TickUntil([&] { return St().controllerOn && St().boardKnown; }));
  EXPECT_EQ(console_.captions.size(), captionsAfterIdentification + 1);
  EXPECT_NE(console_.panels[3], "0 - Centralina off ");
  EXPECT_TRUE(op_.messages.empty()) << op_.messages.front();
}

TEST_F(SupervisorWithSim, BarcodeLinesReachTheMemoOnePerTick) {
  Start();
  sim_->Control("barcode 8001234567890");
  sim_->Control("barcode 8009999999996");
  ASSERT_TRUE(TickUntil([&] { return console_.memo.size() >= 2; }, 10000ms));
  EXPECT_NE(console_.memo[0].find("8001234567890"), std::string::npos) << console_.memo[0];
  EXPECT_NE(console_.memo[1].find("8009999999996"), std::string::npos) << console_.memo[1];
}

TEST_F(SupervisorWithSim, RejectStationStateAndScaledWeight) {
  Start({"--reject-decimals", "1", "--reject-share", "0.5", "--speed", "20"});
  // Start-up found the cycle off and switched it on; the next reply says so.
  EXPECT_EQ(console_.panels[4], "0-SCARTI off ");
  ASSERT_TRUE(TickUntil([&] { return console_.panels[4] == "0 - SCARTI ON "; }));
  EXPECT_EQ(St().rejectCycleOn, 1);
  ASSERT_TRUE(TickUntil([&] { return Log().find("init Mb6 board") != std::string::npos; }));
  ASSERT_TRUE(TickUntil([&] { return St().rejectScaleRead; }));
  EXPECT_EQ(St().rejectScale, 1);

  sim_->Control("start");
  std::this_thread::sleep_for(1000ms);
  sim_->Control("silence on reject");  // freeze the reading the console will take
  auto status = sim_->Status();
  sim_->Control("silence off reject");
  St().rejectReadRequest = true;
  ASSERT_TRUE(TickUntil([&] { return !St().rejectReadRequest; }));
  const double stationWeight = std::stod(status["reject.weight"]);
  // One decimal: the reading times 100. The station kept collecting after the
  // status was read, so the console's figure is at least the one seen.
  EXPECT_GE(St().rejectValue, static_cast<std::int64_t>(std::llround(stationWeight * 100)));
  EXPECT_GT(St().rejectValue, 0);
}

TEST_F(SupervisorWithSim, CupRateShowsWithItsDecimalComma) {
  Start({}, {{"porta_scarti", "99"}});
  sim_->Control("rate 8.7");
  sim_->Control("start");
  ASSERT_TRUE(TickUntil([&] { return console_.panels[1] == "08,7tz/s"; })) << console_.panels[1];
}

TEST_F(SupervisorWithSim, AutomaticTotalsEvery44PollsPerUnitOfThePeriod) {
  Start({}, {{"porta_scarti", "99"}});
  sim_->Control("start");
  ASSERT_TRUE(TickUntil([&] { return St().machineState.Stato == "4"; }));
  // Each totals request hands the screen one picture of the totals.
  Polls(2);
  int shown = console_.totalsShown;
  EXPECT_EQ(St().autoTotalsCountdown, 0);
  Polls(3);
  EXPECT_EQ(console_.totalsShown, shown) << "period 0 never asks for totals";
  EXPECT_EQ(St().autoTotalsCountdown, 0);

  St().autoTotalsPeriod = 2;
  Polls(1);
  EXPECT_EQ(console_.totalsShown, shown + 1);
  EXPECT_EQ(St().autoTotalsCountdown, 88);
  Polls(88);
  EXPECT_EQ(console_.totalsShown, shown + 1);
  EXPECT_EQ(St().autoTotalsCountdown, 0);
  Polls(1);
  EXPECT_EQ(console_.totalsShown, shown + 2);
}

TEST_F(SupervisorWithSim, ShutdownKeepsTheRunningProgramForTheNextStart) {
  Start({}, {{"porta_scarti", "99"}});
  ASSERT_TRUE(TickUntil([&] { return St().controllerOn; }));
  St().boardProgram = 7;
  op_.answers = {false};
  sup_->fine2();
  EXPECT_EQ(St().savedProgram, 7);
  sup_->FormClose();
  EXPECT_EQ(console_.panels[3], "0 - Centralina off ");
  EXPECT_EQ(sup_->controller(), nullptr);
  EXPECT_NE(Log().find("Stop Mb3\r\n"), std::string::npos);
}

}  // namespace
}  // namespace kv7::test
