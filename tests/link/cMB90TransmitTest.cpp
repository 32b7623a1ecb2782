// Echo and retry rules, the tick delay, the reply wait and a port that
// disappears, against a scripted board on a real pty.
#include "link/LinkFixture.h"

namespace kv7 {
namespace {

using namespace test;
using Transmit = BoardLink;
constexpr auto kFastWindow = kFastTick * cMB90::kEchoWindow;

TEST_F(Transmit, PerByteEchoAndRetryRules) {
  struct Case {
    const char* name;
    ScriptedBoard::EchoRule echo;
    std::string command;
    bool sent;
    std::string wire;
    Clock::duration atLeast, below;
  };
  int wrongV = 0;
  const std::vector<Case> cases = {
      // Five attempts, each ended by an extra CR, and not a sixth window.
      {"never echoes", &NoEcho, "A0\r", false, "A\rA\rA\rA\rA\r", 5 * kFastWindow, 5 * kFastWindow + 250ms},
      // The command's own CR is never written: the extra CR ended the line.
      {"echo dropped before CR",
       [](const std::string&, char b) { return b == '0' || b == '\r' ? std::string() : std::string(1, b); },
       "A0\r", true, "A0\r", 0ms, kFastWindow + 100ms},
      // Wrong bytes are discarded; a missed first echo retries the whole command.
      {"wrong echo bytes",
       [&](const std::string& line, char b) -> std::string {
         if (b == '\r') return {};
         if (b == 'V' && wrongV++ == 0) return "?";
         return line.empty() ? "x\x7f" + std::string(1, b) : std::string(1, b);
       },
       "V21\r", true, "V\rV21\r", kFastWindow, 3 * kFastWindow},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedBoard board(pty, nullptr, c.echo);
    const auto t0 = Clock::now();
    EXPECT_EQ(mb->Transmit(c.command, cMB90::kEchoPerByte), c.sent);
    const auto took = Clock::now() - t0;
    EXPECT_GE(took, c.atLeast);
    EXPECT_LT(took, c.below);
    EXPECT_EQ(board.Settled(), c.wire);
  }
  EXPECT_TRUE(reporter.entries.empty());
}

TEST_F(Transmit, WholeLineAndAbortCountAsSentAndEndWithACrWhenNotEchoed) {
  for (bool echoes : {true, false}) {
    SCOPED_TRACE(echoes ? "echoing board" : "silent board");
    ScriptedBoard board(pty, nullptr, echoes ? &EchoAll : &NoEcho);
    const auto t0 = Clock::now();
    EXPECT_TRUE(mb->Transmit("-41\r", cMB90::kEchoWholeLine));
    EXPECT_TRUE(mb->SendAbort());
    const auto took = Clock::now() - t0;
    // The exact echo ends each wait at once; without it the line waits out the window.
    EXPECT_TRUE(echoes ? took < 100ms : took >= kFastWindow);
    EXPECT_EQ(board.Settled(), echoes ? "-41\r\x1b" : "-41\r\r\x1b\r");
  }
  EXPECT_TRUE(reporter.entries.empty());
}

TEST_F(Transmit, SendLetterWritesOneLineAndReportsFailures) {
  {
    ScriptedBoard board(pty, nullptr);
    EXPECT_TRUE(mb->SendLetter('V', "1"));
    EXPECT_TRUE(mb->SendLetter('Z'));
    // Commands that are not one line are refused unsent.
    EXPECT_FALSE(mb->Transmit("F123\rV1\r", cMB90::kEchoPerByte));
    EXPECT_FALSE(mb->Transmit("", cMB90::kEchoPerByte));
    EXPECT_FALSE(mb->SendLetter('F', "12\r34"));
    EXPECT_EQ(board.Settled(), "V1\rZ\r");
  }
  ScriptedBoard silent(pty, nullptr, &NoEcho);
  EXPECT_FALSE(mb->SendLetter('C', "123"));
  EXPECT_EQ(reporter.Messages(),
            (Messages{"Il comando F non è andato a buon fine", "Il comando C non è andato a buon fine"}));
  EXPECT_TRUE(reporter.entries[0].beep);
}

TEST_F(Transmit, DelayCountsRealTicksOnTheMonotonicClock) {
  Reopen(cMB90::kTick);
  auto t0 = Clock::now();
  mb->Delay(100);
  const auto took = Clock::now() - t0;
  EXPECT_GE(took, 86400us);
  EXPECT_LT(took, 120ms);
  t0 = Clock::now();
  mb->Delay(0);
  EXPECT_LT(Clock::now() - t0, 2ms);
}

TEST_F(Transmit, ReplyInPiecesIsJoinedAndAReplyWithoutCrIsNeverTaken) {
  Reopen(cMB90::kTick);
  {
    ScriptedBoard board(pty, [](const std::string&) {
      return Reply{{0us, "41"}, {5ms, "203000010"}, {5ms, "045\r"}};
    });
    ASSERT_TRUE(mb->PollState(cMB90::kPollTimeout));
    EXPECT_EQ(mb->State().TazzeBad, "0045");
  }
  const rcStateMachine before = mb->State();
  ScriptedBoard board(pty, [](const std::string&) { return Now("51203000010045999888777666555"); });
  const auto t0 = Clock::now();
  EXPECT_FALSE(mb->PollState(100));
  const auto took = Clock::now() - t0;
  // The wait ends on its time-out (86.4 ms), not a whole read later.
  EXPECT_GE(took, 86ms);
  EXPECT_LT(took, 140ms);
  EXPECT_EQ(mb->State(), before);
}

TEST_F(Transmit, ClosedPortFailsEveryCommandAtOnceWithItsMessage) {
  Reopen(kFastTick, false);
  EXPECT_FALSE(mb->IsOpen());
  const auto t0 = Clock::now();
  EXPECT_FALSE(mb->PollState(cMB90::kPollTimeout));
  EXPECT_FALSE(mb->SendLetter('V', "1"));
  EXPECT_FALSE(mb->RichiestaTotali(cMB90::kTotalsTimeout, "20"));
  EXPECT_FALSE(mb->RequestValues("Q", cMB90::kValuesTimeout));
  EXPECT_LT(Clock::now() - t0, 20ms);
  EXPECT_EQ(reporter.Messages(), (Messages{"Il comando V non è andato a buon fine",
                                           "Il comando V non è stato trasmesso correttamente",
                                           "Il comando Q non è andato a buon fine"}));
}

// The adapter is pulled out while the link waits (for the reply, then for an
// echo): the operation ends at once with its message, not at its time-out.
TEST(LinkLoss, PortVanishingMidCommandFailsQuicklyWithTheMessage) {
  for (bool waitingForReply : {true, false}) {
    SCOPED_TRACE(waitingForReply ? "reply" : "echo");
    auto pty = std::make_unique<Pty>();
    RecordingReporter reporter;
    cMB90 mb(pty->SlavePath(), 19200, reporter);
    ASSERT_TRUE(mb.Open());
    std::thread puller([&] {
      std::this_thread::sleep_for(30ms);
      pty.reset();
    });
    const auto t0 = Clock::now();
    EXPECT_FALSE(waitingForReply ? mb.RequestValues("Q", cMB90::kValuesTimeout)
                                 : mb.RichiestaTotali(cMB90::kTotalsTimeout, "20"));
    EXPECT_LT(Clock::now() - t0, 200ms);
    puller.join();
    EXPECT_EQ(reporter.Messages(),
              Messages{waitingForReply ? "Il comando Q non ha ricevuto una risposta corretta"
                                       : "Il comando V non è stato trasmesso correttamente"});
    EXPECT_TRUE(mb.Port().Lost());
    mb.Close();
    EXPECT_FALSE(mb.IsOpen());
  }
}

}  // namespace
}  // namespace kv7
