// The streaming service modes of cMB90 against kv7-sim: the board's own
// pacing and framing, its echo rules for the start commands, and a clean
// line after each stop.
#include <algorithm>
#include <filesystem>
#include <fstream>

#include "link/cMB90.h"
#include "sim/SimLinkFixture.h"
#include "support/FileText.h"

namespace kv7::simtest {
namespace {

bool AllDigits(const std::string& s, std::size_t width) {
  return s.size() == width && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

class StreamsAgainstSim : public SimLinkTest {
 protected:
  StreamsAgainstSim() : SimLinkTest({"--port-map", "--speed", "20"}), board_(1, 19200, store_, reporter_) {}
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
    const std::string& stato = board_.State().Stato;
    EXPECT_TRUE(stato.size() == 1 && stato[0] >= '0' && stato[0] <= '5')
        << "status reply mixed with stream bytes";
    EXPECT_TRUE(AllDigits(board_.State().TazzeBad, 4));
    EXPECT_TRUE(reporter_.messages.empty());
  }
  cMB90 board_;
};

TEST_F(StreamsAgainstSim, EmptyCupLinesKeepTheirLayoutAndStopLeavesACleanLine) {
  Install();
  ASSERT_TRUE(board_.StartControlloTazzeVuote("000"));  // every reading is above a zero limit
  EXPECT_EQ(sim_.Status()["stream"], "empty-cups");
  std::string lines;
  for (int n = 0; n < 6; ++n) {
    auto r = Await([&] { return board_.CheckControlloTazzeVuote(); });
    ASSERT_TRUE(r) << "record " << n;
    lines += r->Linea;
    EXPECT_TRUE(AllDigits(r->NumTazza, 4)) << r->NumTazza;
    EXPECT_EQ(r->NumTazzaCopia, r->NumTazza);
    EXPECT_TRUE(AllDigits(r->Valore, 4)) << r->Valore;
    EXPECT_LE(std::stoi(r->Valore), 20);
  }
  EXPECT_EQ(lines.find_first_not_of("12"), std::string::npos) << lines;
  EXPECT_TRUE(lines.find('1') != std::string::npos && lines.find('2') != std::string::npos) << lines;
  EXPECT_TRUE(board_.StopControlloTazzeVuote());
  ExpectIdleBoardAndCleanPoll();
}

TEST_F(StreamsAgainstSim, CalibrationStopAndRestartAtOnceStartsCountingAgain) {
  ASSERT_TRUE(board_.StartCalibrazioneLinee("198"));
  for (int pass = 1; pass <= 3; ++pass) {
    auto r = Await([&] { return board_.CheckCalibrazioneLinee(); });
    ASSERT_TRUE(r);
    EXPECT_EQ(r->Linea + r->NPass, "1000" + std::to_string(pass));
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
  rcTestMemorizzato m;
  ASSERT_TRUE(Await([&] { return board_.ReadTestMemorizzato(2, m) && m.Netto != "   0"; }));
  EXPECT_EQ(m.Linea, "2");
  EXPECT_EQ(m.Tara.size(), 4u);
  EXPECT_GT(std::stoi(m.Netto), 0);
  EXPECT_TRUE(board_.StopTestMemorizzato());
  EXPECT_EQ(sim_.Status()["stream"], "none");

  ASSERT_TRUE(board_.StartTestEncoder(cMB90::kEncoderStartTimeout));
  rcTestEncoder start, first, later;
  board_.GetTestEncoder(start);
  EXPECT_TRUE(AllDigits(start.NGiro, 3)) << start.NGiro;
  EXPECT_TRUE(AllDigits(start.Valore, 4)) << start.Valore;
  EXPECT_EQ(start.Errore[4], "0000");
  ASSERT_TRUE(Await([&] { return board_.ReadTestEncoder(first) && first.Valore != "   0"; }));
  // The chain moves: a later line brings another position.
  ASSERT_TRUE(Await([&] { return board_.ReadTestEncoder(later) && later.Valore != first.Valore; }));
  EXPECT_EQ(later.Errore[0], "   0");
  EXPECT_TRUE(board_.StopTestEncoder());
  ExpectIdleBoardAndCleanPoll();
}

// The frame's minimum and maximum in its header are those of its samples:
// every sample sits at its position, none shifted or cut by a lost byte.
void ExpectWholeFrame(const rcTracciaGrafica& f) {
  int lo = 100000, hi = -1;
  for (std::size_t k = 0; k < rcTracciaGrafica::kSamples; ++k) {
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
    for (int frame = 0; frame < (run == 2 ? 2 : 1); ++frame) {
      auto f = Await([&] { return board_.CheckTracciaGrafica(); });
      ASSERT_TRUE(f) << "frame " << frame << " of run " << run;
      ExpectWholeFrame(*f);
    }
    EXPECT_TRUE(board_.StopTracciaGrafica());
  }
  const std::string log = kv7::test::Slurp(dir_ / cMB90::kTraceLogFile);
  ASSERT_EQ(log.size(), 4u * 418u);
  for (std::size_t n = 0; n < 4; ++n) EXPECT_EQ(log.substr(n * 418, 1) + log[n * 418 + 417], "O\r") << n;
  std::filesystem::current_path(home);
  ExpectIdleBoardAndCleanPoll();
}

}  // namespace
}  // namespace kv7::simtest
