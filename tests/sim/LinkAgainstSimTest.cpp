// The console's link objects against kv7-sim on its pseudo-terminals.
#include "link/cMB90.h"
#include "link/cSrd12.h"
#include "link/tPolling.h"
#include "sim/SimLinkFixture.h"

namespace kv7::simtest {
namespace {

// A tenth of the real tick: the missing-echo windows pass in a fraction of their real length.
constexpr std::chrono::nanoseconds kFastTick{86400};

class LinkAgainstSim : public SimLinkTest {
 protected:
  LinkAgainstSim() : SimLinkTest({"--port-map", "--speed", "20", "--reject-share", "0.1"}) {}
  // Downloads `program` to every line the way the main cycle does.
  void Download(cMB90& board, int program) {
    for (int l = 0; l < 6; ++l)
      ASSERT_TRUE(board.SendLetter('F', ProgramBlock(program, l, kEvenLimits).substr(1)));
  }
};

TEST_F(LinkAgainstSim, PollIdentifyInitialiseDownloadResetAndTotals) {
  cMB90 board(1, 19200, store_, reporter_);
  ASSERT_TRUE(board.Open());
  ASSERT_TRUE(board.PollState(cMB90::kPollTimeout));
  EXPECT_EQ(board.State().Stato, "0");
  EXPECT_TRUE(board.State().Fc1.empty()) << "short reply";
  ASSERT_TRUE(board.RequestVersion(cMB90::kBoardInfoTimeout));
  std::string version;
  board.GetVersion(version);
  EXPECT_EQ(version, "2.13");
  ASSERT_TRUE(board.RequestType(cMB90::kBoardInfoTimeout));
  EXPECT_EQ(board.GetType(), 3);
  // The main cycle's initialisation order.
  EXPECT_TRUE(board.SetTareDelay(0, 15, 120, 90, 5));
  EXPECT_TRUE(board.SetMagnetType(cMB90::kPollTimeout, 0));
  EXPECT_TRUE(board.SendLetter('C', InstallCommand(2).substr(1)));
  EXPECT_TRUE(board.SetRotation(cMB90::kBoardInfoTimeout, 1));
  EXPECT_EQ(board.GetRotation(), 1);
  ASSERT_TRUE(board.PollState(cMB90::kPollTimeout));
  EXPECT_EQ(board.State().Stato, "1");
  auto st = sim_.Status();
  EXPECT_EQ(st["tare_settings"], "15,120,90,5");
  EXPECT_EQ(st["lines"], "2");

  Download(board, 9);
  for (int i = 0; i < 100 && board.State().Stato != "4"; ++i) {
    std::this_thread::sleep_for(20ms);
    ASSERT_TRUE(board.PollState(cMB90::kPollTimeout));
  }
  EXPECT_EQ(board.State().Stato + board.State().NumProgramma + board.State().Cadenza, "409100");

  EXPECT_TRUE(board.SendLetter('V', "1"));
  std::this_thread::sleep_for(600ms);
  sim_.Control("state 5");
  st = sim_.Status();
  std::uint64_t sum = 0;
  for (int l = 0; l < 6; ++l) {
    ASSERT_TRUE(board.RichiestaTotali(cMB90::kTotalsTimeout, "2" + std::to_string(l)));
    rcRichiestaTotali t;
    board.GetTotali(t);
    std::string classes;
    for (std::size_t c = 0; c < 15; ++c) {
      classes += (c ? "," : "") + std::to_string(std::stoull(t.Tot[c]));
      sum += std::stoull(t.Tot[c]);
    }
    EXPECT_EQ(classes, st["line" + std::to_string(l + 1) + ".classes"]) << "line " << l + 1;
  }
  EXPECT_GT(sum, 0u);
  EXPECT_EQ(std::to_string(sum), st["classed_total"]);
  ASSERT_TRUE(board.RequestValues("R", cMB90::kValuesTimeout));
  ASSERT_TRUE(board.RequestTaraTazza("001003", 3 * cMB90::kTareTicksPerCup));
  EXPECT_TRUE(reporter_.messages.empty()) << reporter_.messages.front();
}

TEST_F(LinkAgainstSim, FaultsGiveTheConsolesMessages) {
  cMB90 board(1, 19200, store_, reporter_, kFastTick);
  ASSERT_TRUE(board.Open());
  ASSERT_TRUE(board.PollState(cMB90::kPollTimeout));
  sim_.Control("silence on");
  EXPECT_FALSE(board.PollState(cMB90::kPollTimeout));
  EXPECT_TRUE(reporter_.messages.empty()) << "a failed poll shows nothing";
  EXPECT_FALSE(board.RichiestaTotali(cMB90::kTotalsTimeout, "20"));
  EXPECT_EQ(reporter_.messages, std::vector<std::string>{"Il comando V non è stato trasmesso correttamente"});
  sim_.Control("silence off");
  // Echoes come back, the reply is too late.
  sim_.Control("delay 1500");
  EXPECT_FALSE(board.RichiestaTotali(1000, "20"));
  EXPECT_EQ(reporter_.messages.back(), "Il comando V non ha ricevuto una risposta corretta");
  sim_.Control("delay 0");
  std::this_thread::sleep_for(1600ms);  // let the late bytes out before the next command
  // A pulled cable: polls fail; plugged back on the same device, they work again.
  sim_.Control("disconnect");
  EXPECT_FALSE(board.PollState(cMB90::kPollTimeout));
  sim_.Control("reconnect");
  EXPECT_TRUE(board.PollState(cMB90::kPollTimeout));
  EXPECT_EQ(board.State().Stato, "0");
}

TEST_F(LinkAgainstSim, RejectStationAndBarcodeThread) {
  cSrd12 reject(3, store_);
  ASSERT_TRUE(reject.Open());
  EXPECT_EQ(reject.ReadDecimals(), 3);
  EXPECT_EQ(reject.CycleOn(), 1);
  EXPECT_EQ(reject.ZeroCounters(), 1);
  RejectTimes times;
  ASSERT_EQ(reject.ReadTimes(times), 1);
  EXPECT_EQ(times.cycleOn, 1);
  EXPECT_EQ(times.state, 0);
  EXPECT_EQ(times.time2, 3) << "5 s of unloading at 20 x pass in 0.3 s of the wall clock";

  cMB90 board(1, 19200, store_, reporter_);
  ASSERT_TRUE(board.Open());
  ASSERT_TRUE(board.SendLetter('C', InstallCommand(2).substr(1)));
  Download(board, 2);
  std::this_thread::sleep_for(800ms);
  sim_.Control("state 5");
  sim_.Settled("reject.weight");
  RejectWeights w;
  ASSERT_EQ(reject.ReadWeights(w), 1);
  EXPECT_GT(w.reject, 0);
  EXPECT_EQ(std::to_string(static_cast<long long>(w.reject)), sim_.Status()["reject.weight"]);
  EXPECT_EQ(reject.Unload(), 1);
  ASSERT_EQ(reject.ReadTimes(times), 1);
  EXPECT_EQ(times.state, 1);
  sim_.Control("reject-error 05");
  EXPECT_EQ(reject.CycleOn(), -1);
  EXPECT_TRUE(reject.ErrorFlag(5));

  tPolling reader(2, store_, 100ms);
  ASSERT_TRUE(reader.Start());
  sim_.Control("barcode 8001234567890");
  for (int i = 0; i < 50 && reader.count() == 0; ++i) std::this_thread::sleep_for(20ms);
  ASSERT_EQ(reader.count(), 1u);
  EXPECT_EQ(reader.take(), "8001234567890\r");
  reader.Terminate();
}

}  // namespace
}  // namespace kv7::simtest
