// Echo and retry rules, the tick delay, the shared reply wait and a port
// that disappears, against a scripted board on a real pty.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>

#include "link/ScriptedBoard.h"
#include "link/cMB90.h"

namespace kv7 {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using test::Now;
using test::Reply;
using test::ScriptedBoard;

// A tenth of the real tick: the 1728 ms echo window becomes 172.8 ms.
constexpr std::chrono::nanoseconds kFastTick{86400};
constexpr auto kFastWindow = kFastTick * cMB90::kEchoWindow;

class Link : public ::testing::Test {
 protected:
  void OpenLink(std::chrono::nanoseconds tick = kFastTick) {
    mb = std::make_unique<cMB90>(pty.SlavePath(), 19200, reporter, tick);
    ASSERT_TRUE(mb->Open());
  }
  test::Pty pty;
  test::RecordingReporter reporter;
  std::unique_ptr<cMB90> mb;
};

std::string NoEcho(const std::string&, char) {
  return {};
}

TEST_F(Link, BoardThatNeverEchoesGetsFiveAttemptsEachEndedByAnExtraCr) {
  OpenLink();
  ScriptedBoard board(pty, nullptr, &NoEcho);
  auto t0 = Clock::now();
  EXPECT_FALSE(mb->Transmit("A0\r", cMB90::kEchoPerByte));
  auto took = Clock::now() - t0;
  EXPECT_GE(took, 5 * kFastWindow);
  EXPECT_LT(took, 5 * kFastWindow + 250ms);  // not a sixth window
  std::this_thread::sleep_for(10ms);
  EXPECT_EQ(board.Received(), "A\rA\rA\rA\rA\r");
  EXPECT_TRUE(reporter.entries.empty());
}

TEST_F(Link, MissingEchoJustBeforeCrCountsAsSentAfterOneAttempt) {
  OpenLink();
  ScriptedBoard board(pty, nullptr, [](const std::string&, char b) {
    return b == '0' || b == '\r' ? std::string() : std::string(1, b);
  });
  auto t0 = Clock::now();
  EXPECT_TRUE(mb->Transmit("A0\r", cMB90::kEchoPerByte));
  EXPECT_LT(Clock::now() - t0, kFastWindow + 100ms);
  std::this_thread::sleep_for(10ms);
  // The command's own CR is never written: the extra CR ended the line.
  EXPECT_EQ(board.Received(), "A0\r");
}

TEST_F(Link, WrongEchoBytesAreDiscardedAndAMissedFirstEchoRetriesTheWholeCommand) {
  OpenLink();
  int firstA = 0;
  ScriptedBoard board(pty, nullptr, [&](const std::string& line, char b) -> std::string {
    if (b == '\r') return {};
    if (b == 'V' && firstA++ == 0) return "?";  // wrong byte only: the first attempt fails
    return line.empty() ? "x\x7f" + std::string(1, b) : std::string(1, b);
  });
  EXPECT_TRUE(mb->Transmit("V21\r", cMB90::kEchoPerByte));
  std::this_thread::sleep_for(10ms);
  EXPECT_EQ(board.Received(), "V\rV21\r");
}

TEST_F(Link, WholeLineModeWaitsForTheExactEchoButAlwaysCountsAsSent) {
  OpenLink();
  {
    ScriptedBoard board(pty, nullptr, [](const std::string&, char b) { return std::string(1, b); });
    auto t0 = Clock::now();
    EXPECT_TRUE(mb->Transmit("-41\r", cMB90::kEchoWholeLine));
    EXPECT_LT(Clock::now() - t0, 60ms);
    std::this_thread::sleep_for(10ms);
    EXPECT_EQ(board.Received(), "-41\r");
  }
  {
    ScriptedBoard board(pty, nullptr, &NoEcho);
    auto t0 = Clock::now();
    EXPECT_TRUE(mb->Transmit("-40\r", cMB90::kEchoWholeLine));
    EXPECT_GE(Clock::now() - t0, kFastWindow);
    std::this_thread::sleep_for(10ms);
    EXPECT_EQ(board.Received(), "-40\r\r");
  }
}

TEST_F(Link, AbortByteIsSentOnceAndFollowedByCrWhenNotEchoed) {
  OpenLink();
  {
    ScriptedBoard board(pty, nullptr, &NoEcho);
    EXPECT_TRUE(mb->SendAbort());
    std::this_thread::sleep_for(10ms);
    EXPECT_EQ(board.Received(), "\x1b\r");
  }
  ScriptedBoard board(pty, nullptr, [](const std::string&, char b) { return std::string(1, b); });
  auto t0 = Clock::now();
  EXPECT_TRUE(mb->SendAbort());
  EXPECT_LT(Clock::now() - t0, 50ms);
  std::this_thread::sleep_for(10ms);
  EXPECT_EQ(board.Received(), "\x1b");
}

TEST_F(Link, CommandsThatAreNotOneLineAreRefusedUnsent) {
  OpenLink();
  ScriptedBoard board(pty, nullptr);
  EXPECT_FALSE(mb->Transmit("F123\rV1\r", cMB90::kEchoPerByte));
  EXPECT_FALSE(mb->Transmit("", cMB90::kEchoPerByte));
  EXPECT_FALSE(mb->SendLetter('F', "12\r34"));
  ASSERT_EQ(reporter.entries.size(), 1u);
  EXPECT_EQ(reporter.entries[0].message, "Il comando F non è andato a buon fine");
  EXPECT_TRUE(reporter.entries[0].beep);
  std::this_thread::sleep_for(10ms);
  EXPECT_EQ(board.Received(), "");
}

TEST_F(Link, SendLetterSendsLetterDataAndCrAndReportsAFailure) {
  OpenLink();
  {
    ScriptedBoard board(pty, nullptr);
    EXPECT_TRUE(mb->SendLetter('V', "1"));
    EXPECT_TRUE(mb->SendLetter('Z'));
    std::this_thread::sleep_for(10ms);
    EXPECT_EQ(board.Received(), "V1\rZ\r");
  }
  EXPECT_TRUE(reporter.entries.empty());
  ScriptedBoard silent(pty, nullptr, &NoEcho);
  EXPECT_FALSE(mb->SendLetter('C', "123"));
  ASSERT_EQ(reporter.entries.size(), 1u);
  EXPECT_EQ(reporter.entries[0].message, "Il comando C non è andato a buon fine");
}

TEST(LinkTiming, DelayCountsRealTicksOnTheMonotonicClock) {
  test::Pty pty;
  SilentReporter quiet;
  cMB90 mb(pty.SlavePath(), 19200, quiet);
  auto t0 = Clock::now();
  mb.Delay(100);
  auto took = Clock::now() - t0;
  EXPECT_GE(took, 86400us);
  EXPECT_LT(took, 120ms);
  t0 = Clock::now();
  mb.Delay(0);
  EXPECT_LT(Clock::now() - t0, 2ms);
}

TEST_F(Link, ReplyInPiecesIsJoinedAndAReplyWithoutCrIsNeverTaken) {
  OpenLink(cMB90::kTick);
  {
    ScriptedBoard board(pty, [](const std::string&) {
      return Reply{{0us, "41"}, {5ms, "203000010"}, {5ms, "045\r"}};
    });
    ASSERT_TRUE(mb->PollState(cMB90::kPollTimeout));
    EXPECT_EQ(mb->State().Stato, "4");
    EXPECT_EQ(mb->State().TazzeBad, "0045");
  }
  rcStateMachine before = mb->State();
  ScriptedBoard board(pty, [](const std::string&) { return Now("51203000010045999888777666555"); });
  auto t0 = Clock::now();
  EXPECT_FALSE(mb->PollState(100));
  auto took = Clock::now() - t0;
  // The wait ends on its time-out (86.4 ms), not a whole read later.
  EXPECT_GE(took, 86ms);
  EXPECT_LT(took, 140ms);
  EXPECT_EQ(mb->State(), before);
}

TEST_F(Link, ClosedPortFailsEveryCommandWithItsMessage) {
  mb = std::make_unique<cMB90>(pty.SlavePath(), 19200, reporter, kFastTick);
  EXPECT_FALSE(mb->IsOpen());
  auto t0 = Clock::now();
  EXPECT_FALSE(mb->PollState(cMB90::kPollTimeout));
  EXPECT_FALSE(mb->SendLetter('V', "1"));
  EXPECT_FALSE(mb->RichiestaTotali(cMB90::kTotalsTimeout, "20"));
  EXPECT_FALSE(mb->RequestValues("Q", cMB90::kValuesTimeout));
  EXPECT_LT(Clock::now() - t0, 20ms);
  ASSERT_EQ(reporter.entries.size(), 3u);
  EXPECT_EQ(reporter.entries[0].message, "Il comando V non è andato a buon fine");
  EXPECT_EQ(reporter.entries[1].message, "Il comando V non è stato trasmesso correttamente");
  EXPECT_EQ(reporter.entries[2].message, "Il comando Q non è andato a buon fine");
}

// The adapter is pulled out while the link waits: the operation ends at
// once with its message instead of spinning to its time-out.
TEST(LinkLoss, PortVanishingMidCommandFailsQuicklyWithTheMessage) {
  for (int scenario = 0; scenario < 2; ++scenario) {
    auto pty = std::make_unique<test::Pty>();
    test::RecordingReporter reporter;
    cMB90 mb(pty->SlavePath(), 19200, reporter);
    ASSERT_TRUE(mb.Open());
    std::thread puller([&] {
      std::this_thread::sleep_for(30ms);
      pty.reset();
    });
    auto t0 = Clock::now();
    if (scenario == 0) {
      EXPECT_FALSE(mb.RequestValues("Q", cMB90::kValuesTimeout));  // waiting for the reply
    } else {
      EXPECT_FALSE(mb.RichiestaTotali(cMB90::kTotalsTimeout, "20"));  // waiting for an echo
    }
    auto took = Clock::now() - t0;
    puller.join();
    EXPECT_LT(took, 200ms);
    ASSERT_EQ(reporter.entries.size(), 1u);
    EXPECT_EQ(reporter.entries[0].message, scenario == 0
                                               ? "Il comando Q non ha ricevuto una risposta corretta"
                                               : "Il comando V non è stato trasmesso correttamente");
    EXPECT_TRUE(mb.Port().Lost());
    mb.Close();
    EXPECT_FALSE(mb.IsOpen());
  }
}

}  // namespace
}  // namespace kv7
