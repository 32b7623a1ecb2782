#include "link/cSrd12.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
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
  // Runs `op` while the board answers `reply`; `sent` gets the command seen.
  int Ask(const std::string& reply, const std::function<int()>& op) {
    auto seen = Answer(board, reply);
    const int result = op();
    sent = seen.get();
    return result;
  }
  test::Pty board;
  cSrd12 station{board.SlavePath()};
  std::string sent;
  RejectWeights w{1, 2};
  RejectTimes t{3, 4, 0, 9};
  std::function<int()> decimals = [this] { return station.ReadDecimals(); };
  std::function<int()> weights = [this] { return station.ReadWeights(w); };
  std::function<int()> times = [this] { return station.ReadTimes(t); };
};

TEST_F(cSrd12Test, DecimalsWeightsAndTimesAtTheirPositions) {
  EXPECT_EQ(Ask("---2\r", decimals), 2);
  EXPECT_EQ(sent, "D\r");
  EXPECT_EQ(station.Decimals(), 2);
  // No digit where the decimals belong: a failure, the kept value stays.
  for (const char* bad : {"---\r", "---x\r"}) EXPECT_EQ(Ask(bad, decimals), -1) << bad;
  EXPECT_EQ(station.Decimals(), 2);

  EXPECT_EQ(Ask("---0000567800001234\r", weights), 1);
  EXPECT_EQ(sent, "T\r");
  EXPECT_EQ(w.first, 5678);
  EXPECT_EQ(w.reject, 1234);
  EXPECT_EQ(w.reject * 10, 12340) << "the console scales by 10 for 2 decimals";
  EXPECT_EQ(Ask("---00000.500001.234\r", weights), 1);  // fractions are kept
  EXPECT_DOUBLE_EQ(w.first, 0.5);
  EXPECT_DOUBLE_EQ(w.reject, 1.234);

  EXPECT_EQ(Ask("---030015"
                "14\r",
                times),
            1);
  EXPECT_EQ(sent, "P\r");
  EXPECT_EQ(t.time1, 30);
  EXPECT_EQ(t.time2, 15);
  EXPECT_EQ(t.cycleOn, 1);
  EXPECT_EQ(t.state, 4);
  EXPECT_STREQ(cSrd12::StateText(t.state), "4 - tara in corso");
  EXPECT_STREQ(cSrd12::StateText(12), "? - errore scarti ");
}

TEST_F(cSrd12Test, NumberFieldsThatAreNotDigitsFailTheReplyAndKeepTheRecord) {
  for (const char* bad : {"---0000567800001A34\r", "---    5678    1234\r", "---0000-67800001234\r",
                          "---00001.2.00001234\r", "---00005678\r", "---000056780000123\r"})
    EXPECT_EQ(Ask(bad, weights), -1) << bad;
  EXPECT_EQ(w.first, 1);
  EXPECT_EQ(w.reject, 2);
  for (const char* bad : {"---03x01514\r", "---0300151\r", "---030015X4\r", "---0300151?\r", "---030\r"})
    EXPECT_EQ(Ask(bad, times), -1) << bad;
  EXPECT_EQ(t.time1, 3);
  EXPECT_EQ(t.state, 9);
}

TEST_F(cSrd12Test, AcknowledgementsNeedThreeMinusSignsAndAFinalCr) {
  for (auto [op, command] :
       {std::pair{&cSrd12::Unload, "V\r"}, {&cSrd12::ZeroCounters, "Z\r"}, {&cSrd12::CycleOn, "M\r"}}) {
    SCOPED_TRACE(command);
    const auto ack = [this, op = op] { return (station.*op)(); };
    EXPECT_EQ(Ask("---\r", ack), 1);
    EXPECT_EQ(sent, command);
    EXPECT_EQ(Ask("---OK\r", ack), 1) << "whatever follows the minus signs does not matter";
    for (const char* bad : {"--\r", "+++\r", "---", "\r"}) EXPECT_EQ(Ask(bad, ack), -1) << bad;
  }
  EXPECT_TRUE(station.ErrorCodesSet().empty());
}

TEST_F(cSrd12Test, ErrorRepliesSetTheirFlagWhetherShownOrNot) {
  w = {7, 8};
  EXPECT_EQ(Ask("E05\r", [this] { return station.CycleOn(); }), -1);
  EXPECT_TRUE(station.ErrorFlag(5));
  EXPECT_STREQ(RejectErrorText(5), "rele Scarico Destro non assegnato");
  EXPECT_EQ(Ask("E42\r", weights), -1);
  EXPECT_TRUE(station.ErrorFlag(42));
  EXPECT_EQ(RejectErrorText(42), nullptr);
  EXPECT_EQ(w.first, 7);
  EXPECT_EQ(Ask("E99\r", decimals), -1);
  // Codes that are not two digits, and an error without its CR, set nothing.
  const auto unload = [this] { return station.Unload(); };
  for (const char* bad : {"E-1\r", "E7\r", "EAB\r", "E13"}) EXPECT_EQ(Ask(bad, unload), -1) << bad;
  // Flags stay set for the whole run, whatever later replies say.
  EXPECT_EQ(Ask("---\r", unload), 1);
  EXPECT_EQ(station.ErrorCodesSet(), (std::vector<int>{5, 42, 99}));
  EXPECT_EQ(station.ErrorFlags().count(), 3u);
  EXPECT_FALSE(station.ErrorFlag(-1));
  EXPECT_FALSE(station.ErrorFlag(100));
}

TEST_F(cSrd12Test, TheReplyWaitIsOneReadPass) {
  // A reply that starts after the read time-out (601 ms) is missed.
  const auto start = Clock::now();
  auto seen = Answer(board, "---3\r", 700ms);
  EXPECT_EQ(station.ReadDecimals(), -1);
  const auto took = Clock::now() - start;
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

TEST(cSrd12Port, AnUnopenedPortFailsEveryCommandQuicklyAndMappedPortsWork) {
  test::TempDir dir;
  store::ConfigStore map("kv7test", dir.path());
  cSrd12 station(0, map);
  EXPECT_FALSE(station.Open());
  RejectTimes t;
  const auto start = Clock::now();
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

// The window's order and texts are checked through the window itself; here
// only which codes have a text at all.
TEST(RejectErrorMap, OnlyTheWindowsCodesHaveAText) {
  for (int shown : {0, 7, 11, 13, 15}) EXPECT_NE(RejectErrorText(shown), nullptr) << shown;
  for (int hidden : {8, 9, 10, 12, 16, 42, 99}) EXPECT_EQ(RejectErrorText(hidden), nullptr) << hidden;
}

}  // namespace
}  // namespace kv7
