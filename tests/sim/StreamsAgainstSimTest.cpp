// The streaming service modes of cMB90 against kv7-sim: the board's own
// pacing and framing, its echo rules for the start commands, and a clean
// line after each stop.

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>

#include "link/cMB90.h"
#include "sim/SimFixtures.h"
#include "sim/SimProcess.h"
#include "store/ConfigStore.h"
#include "support/TempDir.h"

using namespace kv7::simtest;
using kv7::cMB90;

namespace {

class Recorder : public kv7::Reporter {
 public:
  void Report(const std::string& message, bool) override { messages.push_back(message); }
  std::vector<std::string> messages;
};

bool AllDigits(const std::string& s, std::size_t width) {
  if (s.size() != width) return false;
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

// Polls `take` until it yields or `within` passes.
template <typename F>
auto Await(F take, std::chrono::milliseconds within = 3000ms) -> decltype(take()) {
  const auto deadline = std::chrono::steady_clock::now() + within;
  for (;;) {
    auto got = take();
    if (got || std::chrono::steady_clock::now() > deadline) return got;
    std::this_thread::sleep_for(10ms);
  }
}

class StreamsAgainstSim : public ::testing::Test {
 protected:
  StreamsAgainstSim()
      : sim_({"--port-map", "--speed", "20"}, {{"KV7_CONFIG_DIR", dir_.path().string()}}),
        store_(kv7::store::ConfigStore::kDefaultRoot, dir_.path()),
        board_(1, 19200, store_, reporter_) {}
  void SetUp() override { ASSERT_TRUE(board_.Open()); }

  // Two weighing lines installed, so per-line streams carry lines 1 and 2.
  void Install() {
    ASSERT_TRUE(board_.SendLetter('C', InstallCommand(2).substr(1)));
    ASSERT_EQ(sim_.Status()["lines"], "2");
  }
  // After a stop the board streams no more and the next reply is clean.
  void ExpectIdleBoardAndCleanPoll() {
    EXPECT_EQ(sim_.Status()["stream"], "none");
    ASSERT_TRUE(board_.PollState(cMB90::kPollTimeout));
    EXPECT_TRUE(board_.State().Stato.size() == 1 && board_.State().Stato[0] >= '0' &&
                board_.State().Stato[0] <= '5')
        << "status reply mixed with stream bytes";
    EXPECT_TRUE(AllDigits(board_.State().TazzeBad, 4));
  }

  kv7::test::TempDir dir_;
  SimProcess sim_;
  kv7::store::ConfigStore store_;
  Recorder reporter_;
  cMB90 board_;
};

TEST_F(StreamsAgainstSim, EmptyCupLinesKeepTheirLayoutAndStopLeavesACleanLine) {
  Install();
  ASSERT_TRUE(board_.StartControlloTazzeVuote("000"));  // every reading is above a zero limit
  EXPECT_EQ(sim_.Status()["stream"], "empty-cups");
  bool seen[3] = {};
  for (int n = 0; n < 6; ++n) {
    auto r = Await([&] { return board_.CheckControlloTazzeVuote(); });
    ASSERT_TRUE(r) << "record " << n;
    ASSERT_TRUE(r->Linea == "1" || r->Linea == "2") << r->Linea;
    seen[r->Linea[0] - '0'] = true;
    EXPECT_TRUE(AllDigits(r->NumTazza, 4)) << r->NumTazza;
    EXPECT_EQ(r->NumTazzaCopia, r->NumTazza);
    EXPECT_TRUE(AllDigits(r->Valore, 4)) << r->Valore;
    EXPECT_LE(std::stoi(r->Valore), 20);
  }
  EXPECT_TRUE(seen[1] && seen[2]);
  EXPECT_TRUE(board_.StopControlloTazzeVuote());
  ExpectIdleBoardAndCleanPoll();
  EXPECT_TRUE(reporter_.messages.empty());
}

TEST_F(StreamsAgainstSim, CalibrationStopAndRestartAtOnceStartsCountingAgain) {
  ASSERT_TRUE(board_.StartCalibrazioneLinee("198"));
  for (int pass = 1; pass <= 3; ++pass) {
    auto r = Await([&] { return board_.CheckCalibrazioneLinee(); });
    ASSERT_TRUE(r);
    EXPECT_EQ(r->Linea, "1");
    EXPECT_EQ(r->NPass, "000" + std::to_string(pass));
    EXPECT_TRUE(AllDigits(r->Kappa, 4)) << r->Kappa;
    ASSERT_TRUE(AllDigits(r->Peso, 4)) << r->Peso;
    EXPECT_NEAR(std::stoi(r->Peso), 198, 20);
  }
  EXPECT_TRUE(board_.StopCalibrazioneLinee());
  ASSERT_TRUE(board_.StartCalibrazioneLinee("198"));
  auto r = Await([&] { return board_.CheckCalibrazioneLinee(); });
  ASSERT_TRUE(r);
  EXPECT_EQ(r->NPass, "0001") << "a new pass count from the restarted board";
  EXPECT_TRUE(board_.StopCalibrazioneLinee());
  ExpectIdleBoardAndCleanPoll();
}

TEST_F(StreamsAgainstSim, MemorisedAndEncoderTestsDeliverTheLatestValues) {
  Install();
  ASSERT_TRUE(board_.StartTestMemorizzato(cMB90::kMemorisedStartTimeout));
  kv7::rcTestMemorizzato m;
  ASSERT_TRUE(Await([&] { return board_.ReadTestMemorizzato(2, m) && m.Netto != "   0"; }));
  EXPECT_EQ(m.Linea, "2");
  EXPECT_EQ(m.Tara.size(), 4u);
  EXPECT_GT(std::stoi(m.Netto), 0);
  EXPECT_TRUE(board_.StopTestMemorizzato());
  EXPECT_EQ(sim_.Status()["stream"], "none");

  ASSERT_TRUE(board_.StartTestEncoder(cMB90::kEncoderStartTimeout));
  kv7::rcTestEncoder start;
  board_.GetTestEncoder(start);
  EXPECT_TRUE(AllDigits(start.NGiro, 3)) << start.NGiro;
  EXPECT_TRUE(AllDigits(start.Valore, 4)) << start.Valore;
  EXPECT_EQ(start.Errore[4], "0000");
  kv7::rcTestEncoder first, later;
  ASSERT_TRUE(Await([&] { return board_.ReadTestEncoder(first) && first.Valore != "   0"; }));
  // The chain moves: a later line brings another position.
  ASSERT_TRUE(Await([&] { return board_.ReadTestEncoder(later) && later.Valore != first.Valore; }));
  EXPECT_EQ(later.Errore[0], "   0");
  EXPECT_TRUE(board_.StopTestEncoder());
  ExpectIdleBoardAndCleanPoll();
  EXPECT_TRUE(reporter_.messages.empty());
}

// The frame's minimum and maximum in its header are those of its samples:
// every sample sits at its position, none shifted or cut by a lost byte.
void ExpectWholeFrame(const kv7::rcTracciaGrafica& f) {
  int lo = 100000, hi = -1;
  for (std::size_t k = 0; k < kv7::rcTracciaGrafica::kSamples; ++k) {
    ASSERT_TRUE(AllDigits(f.Sample[k], 4)) << "sample " << k + 1 << " '" << f.Sample[k] << "'";
    lo = std::min(lo, std::stoi(f.Sample[k]));
    hi = std::max(hi, std::stoi(f.Sample[k]));
  }
  EXPECT_EQ(f.Sample[101], "");
  EXPECT_EQ(std::stoi(f.Head[1]), lo);
  EXPECT_EQ(std::stoi(f.Head[2]), hi);
  EXPECT_GE(hi, 100) << "threshold";
}

TEST_F(StreamsAgainstSim, TraceFramesAtLineSpeedDecodeWholeAndGoToTheLogInOrder) {
  // Bytes at 19200 baud: a frame takes ~220 ms and may reach the console in
  // several pieces, the first one right after the lead byte.
  sim_.Control("pace on");
  const auto home = std::filesystem::current_path();
  std::filesystem::current_path(dir_.path());
  std::ofstream(dir_ / cMB90::kTraceLogFile).flush();

  for (int run = 0; run < 3; ++run) {
    ASSERT_TRUE(board_.StartTracciaGrafica("1100"));
    EXPECT_EQ(sim_.Status()["stream"], "trace");
    auto f = Await([&] { return board_.CheckTracciaGrafica(); });
    ASSERT_TRUE(f) << "first frame of run " << run;
    ExpectWholeFrame(*f);
    if (run == 2) {
      auto g = Await([&] { return board_.CheckTracciaGrafica(); });
      ASSERT_TRUE(g);
      ExpectWholeFrame(*g);
    }
    EXPECT_TRUE(board_.StopTracciaGrafica());
  }

  std::ifstream in(dir_ / cMB90::kTraceLogFile, std::ios::binary);
  const std::string log((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_EQ(log.size(), 4u * 418u);
  for (std::size_t n = 0; n < 4; ++n) {
    EXPECT_EQ(log[n * 418], 'O');
    EXPECT_EQ(log[n * 418 + 417], '\r');
  }
  std::filesystem::current_path(home);
  ExpectIdleBoardAndCleanPoll();
  EXPECT_TRUE(reporter_.messages.empty());
}

}  // namespace
