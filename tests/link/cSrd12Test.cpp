#include "link/cSrd12.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <thread>

#include "link/RejectErrorMap.h"
#include "store/ConfigStore.h"
#include "support/Pty.h"
#include "support/TempDir.h"

namespace kv7 {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// The reject board on the master side of a pty: waits for one command
// (letter + CR), answers it after `delay` and hands back what it received.
std::future<std::string> Answer(const test::Pty& board, std::string reply,
                                std::chrono::milliseconds delay = 0ms) {
  return std::async(std::launch::async, [&board, reply, delay] {
    std::string command = board.Receive(2, 2s);
    std::this_thread::sleep_for(delay);
    if (!reply.empty()) board.Send(reply);
    return command;
  });
}

class cSrd12Test : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(station.Open()); }
  test::Pty board;
  cSrd12 station{board.SlavePath()};
};

TEST_F(cSrd12Test, DecimalsAreDecodedKeptAndScaleTheRejectWeight) {
  auto seen = Answer(board, "---2\r");
  EXPECT_EQ(station.ReadDecimals(), 2);
  EXPECT_EQ(seen.get(), "D\r");
  EXPECT_EQ(station.Decimals(), 2);

  RejectWeights w;
  seen = Answer(board, "---0000567800001234\r");
  EXPECT_EQ(station.ReadWeights(w), 1);
  EXPECT_EQ(seen.get(), "T\r");
  EXPECT_EQ(w.first, 5678);
  EXPECT_EQ(w.reject, 1234);
  // The console scales by 10 for 2 decimals: 12340.
  EXPECT_EQ(w.reject * 10, 12340);

  // Fractions in the fields are kept.
  seen = Answer(board, "---00000.500001.234\r");
  EXPECT_EQ(station.ReadWeights(w), 1);
  EXPECT_DOUBLE_EQ(w.first, 0.5);
  EXPECT_DOUBLE_EQ(w.reject, 1.234);

  // No digit where the decimals belong: a failure, the kept value stays.
  for (const char* bad : {"---\r", "---x\r"}) {
    seen = Answer(board, bad);
    EXPECT_EQ(station.ReadDecimals(), -1) << bad;
    seen.get();
    EXPECT_EQ(station.Decimals(), 2);
  }
}

TEST_F(cSrd12Test, TimesGiveBothTimesTheCycleFlagAndTheState) {
  RejectTimes t;
  auto seen = Answer(board,
                     "---030015"
                     "14\r");
  EXPECT_EQ(station.ReadTimes(t), 1);
  EXPECT_EQ(seen.get(), "P\r");
  EXPECT_EQ(t.time1, 30);
  EXPECT_EQ(t.time2, 15);
  EXPECT_EQ(t.cycleOn, 1);
  EXPECT_EQ(t.state, 4);
  EXPECT_EQ(t.time2 * 100 + 1000, 2500);
  EXPECT_STREQ(cSrd12::StateText(t.state), "4 - tara in corso");
  EXPECT_STREQ(cSrd12::StateText(12), "? - errore scarti ");
}

TEST_F(cSrd12Test, AcknowledgementsNeedThreeMinusSignsAndAFinalCR) {
  struct Case {
    int (cSrd12::*op)();
    const char* command;
  };
  for (Case c :
       {Case{&cSrd12::Unload, "V\r"}, Case{&cSrd12::ZeroCounters, "Z\r"}, Case{&cSrd12::CycleOn, "M\r"}}) {
    auto seen = Answer(board, "---\r");
    EXPECT_EQ((station.*c.op)(), 1) << c.command;
    EXPECT_EQ(seen.get(), c.command);
    // Whatever follows the three minus signs does not matter.
    seen = Answer(board, "---OK\r");
    EXPECT_EQ((station.*c.op)(), 1) << c.command;
    seen.get();
    for (const char* bad : {"--\r", "+++\r", "---", "\r"}) {
      seen = Answer(board, bad);
      EXPECT_EQ((station.*c.op)(), -1) << c.command << " " << bad;
      seen.get();
    }
  }
  EXPECT_TRUE(station.ErrorCodesSet().empty());
}

TEST_F(cSrd12Test, ErrorRepliesSetTheirFlagWhetherShownOrNot) {
  auto seen = Answer(board, "E05\r");
  EXPECT_EQ(station.CycleOn(), -1);
  seen.get();
  EXPECT_TRUE(station.ErrorFlag(5));
  ASSERT_NE(RejectErrorText(5), nullptr);
  EXPECT_STREQ(RejectErrorText(5), "rele Scarico Destro non assegnato");

  RejectWeights w{7, 8};
  seen = Answer(board, "E42\r");
  EXPECT_EQ(station.ReadWeights(w), -1);
  seen.get();
  EXPECT_TRUE(station.ErrorFlag(42));
  EXPECT_EQ(RejectErrorText(42), nullptr);
  EXPECT_EQ(w.first, 7);

  seen = Answer(board, "E99\r");
  EXPECT_EQ(station.ReadDecimals(), -1);
  seen.get();
  // Codes that are not two digits, and an error without its CR, set nothing.
  for (const char* bad : {"E-1\r", "E7\r", "EAB\r", "E13"}) {
    seen = Answer(board, bad);
    EXPECT_EQ(station.Unload(), -1) << bad;
    seen.get();
  }
  // Flags stay set for the whole run, whatever later replies say.
  seen = Answer(board, "---\r");
  EXPECT_EQ(station.Unload(), 1);
  seen.get();
  EXPECT_EQ(station.ErrorCodesSet(), (std::vector<int>{5, 42, 99}));
  EXPECT_EQ(station.ErrorFlags().count(), 3u);
  EXPECT_TRUE(station.ErrorFlags().test(42));
  EXPECT_FALSE(station.ErrorFlag(-1));
  EXPECT_FALSE(station.ErrorFlag(100));
}

TEST_F(cSrd12Test, NumberFieldsThatAreNotDigitsFailTheReply) {
  RejectWeights w{1, 2};
  for (const char* bad : {"---0000567800001A34\r", "---    5678    1234\r", "---0000-67800001234\r",
                          "---00001.2.00001234\r", "---00005678\r", "---000056780000123\r"}) {
    auto seen = Answer(board, bad);
    EXPECT_EQ(station.ReadWeights(w), -1) << bad;
    seen.get();
  }
  EXPECT_EQ(w.first, 1);
  EXPECT_EQ(w.reject, 2);

  RejectTimes t{3, 4, 0, 9};
  for (const char* bad : {"---03x01514\r", "---0300151\r", "---030015X4\r", "---0300151?\r", "---030\r"}) {
    auto seen = Answer(board, bad);
    EXPECT_EQ(station.ReadTimes(t), -1) << bad;
    seen.get();
  }
  EXPECT_EQ(t.time1, 3);
  EXPECT_EQ(t.state, 9);
}

TEST_F(cSrd12Test, TheReplyWaitIsOneReadPass) {
  // A reply that starts after the read time-out (601 ms) is missed.
  auto start = Clock::now();
  auto seen = Answer(board, "---3\r", 700ms);
  EXPECT_EQ(station.ReadDecimals(), -1);
  auto took = Clock::now() - start;
  EXPECT_GE(took, 550ms);
  EXPECT_LT(took, 690ms);
  EXPECT_EQ(seen.get(), "D\r");
  EXPECT_EQ(station.Decimals(), 0);

  // The late reply is not taken for the answer to the next command, and a
  // reply within the time-out is taken.
  std::this_thread::sleep_for(150ms);
  seen = Answer(board, "---4\r", 300ms);
  EXPECT_EQ(station.ReadDecimals(), 4);
  seen.get();

  // A reply that pauses before its CR is cut off and not accepted.
  auto split = std::async(std::launch::async, [this] {
    board.Receive(2, 2s);
    board.Send("---5");
    std::this_thread::sleep_for(50ms);
    board.Send("\r");
  });
  EXPECT_EQ(station.ReadDecimals(), -1);
  split.get();
}

TEST(cSrd12Port, AnUnopenedPortFailsEveryCommandQuickly) {
  test::TempDir dir;
  store::ConfigStore map("kv7test", dir.path());
  cSrd12 station(0, map);
  EXPECT_FALSE(station.Open());
  RejectTimes t;
  auto start = Clock::now();
  EXPECT_EQ(station.ReadTimes(t), -1);
  EXPECT_EQ(station.CycleOn(), -1);
  EXPECT_LT(Clock::now() - start, 200ms);

  test::Pty board;
  ASSERT_TRUE(map.WriteString("ports", "COM3", board.SlavePath()));
  cSrd12 mapped(3, map);
  ASSERT_TRUE(mapped.Open());
  auto seen = Answer(board, "---1\r");
  EXPECT_EQ(mapped.ReadDecimals(), 1);
  seen.get();
}

TEST(RejectErrorMap, ShowsTwelveCodesInTheWindowsOrder) {
  ASSERT_EQ(kRejectErrorsShown.size(), 12u);
  EXPECT_EQ(kRejectErrorsShown[0].code, 0);
  EXPECT_STREQ(kRejectErrorsShown[0].text, "Programma Peso = 0");
  EXPECT_EQ(kRejectErrorsShown[7].code, 7);
  EXPECT_EQ(kRejectErrorsShown[8].code, 13);
  EXPECT_EQ(kRejectErrorsShown[11].code, 11);
  EXPECT_STREQ(kRejectErrorsShown[11].text, "comandi J/K errati");
  for (int hidden : {8, 9, 10, 12, 16, 42, 99}) EXPECT_EQ(RejectErrorText(hidden), nullptr) << hidden;
  auto table = RejectErrorTable();
  ASSERT_EQ(table.size(), 12u);
  EXPECT_EQ(table[8], (std::pair<int, std::string>{13, "Ciclo On Tara valore errato"}));
  EXPECT_STREQ(kRejectErrorGroupTitle, "Errori Centralina Scarti");
}

}  // namespace
}  // namespace kv7
