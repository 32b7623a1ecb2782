// Random bytes from the board: every operation ends within its time-out
// bound, fields stay within the reply, nothing crashes (this suite also runs
// under the address and undefined-behaviour sanitizers).
#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <thread>

#include "link/ScriptedBoard.h"
#include "link/cMB90.h"

namespace kv7 {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using test::Reply;
using test::ScriptedBoard;

std::string RandomBytes(std::mt19937& rng, std::size_t maxLen) {
  std::uniform_int_distribution<std::size_t> len(0, maxLen);
  std::uniform_int_distribution<int> byte(0, 255);
  std::string s(len(rng), '\0');
  for (char& c : s) {
    int b = byte(rng);
    // Plenty of CRs and letters the decoders look for.
    if (b < 20)
      b = '\r';
    else if (b < 30)
      b = "AVQR>-T"[b % 7];
    c = static_cast<char>(b);
  }
  return s;
}

TEST(Fuzz, DecodersStayInsideAnyReply) {
  std::mt19937 rng(12345);
  for (int i = 0; i < 20000; ++i) {
    const std::string reply = RandomBytes(rng, 200);
    rcStateMachine s = DecodeStateMachine(reply);
    EXPECT_LE(s.Stato.size() + s.NumProgramma.size() + s.Cadenza.size() + s.Aux.size() + s.NumTazza.size() +
                  s.TazzeBad.size() + s.Fc1.size() + s.Fc2.size() + s.Fc3.size() + s.Fc4.size() +
                  s.Fc5.size(),
              reply.size());
    rcRichiestaTotali t = DecodeRichiestaTotali(reply);
    for (const auto& v : t.Tot) EXPECT_LE(v.size(), 8u);
    rcTestCelle c;
    DecodeTestCelle(reply, c);
    rcTestTaraTazza tare;
    DecodeTaraTazza(RandomBytes(rng, 8), reply, tare);
    EXPECT_EQ(tare.Table.size(), 4096u);
    const int type = BoardTypeFromReply(reply);
    EXPECT_GE(type, -47);
    EXPECT_LE(type, 255 - 47);
    const int rotation = RotationFromReply(reply);
    EXPECT_TRUE(rotation == 0 || rotation == 1);
    TextToNumber(reply);
  }
}

TEST(Fuzz, OperationsEndWithinTheirBoundsOnAGarbageLine) {
  // A hundredth of the real tick keeps the echo windows (17 ms) short.
  constexpr std::chrono::nanoseconds kTick{8640};
  const auto window = kTick * cMB90::kEchoWindow;
  test::Pty pty;
  test::RecordingReporter reporter;
  cMB90 mb(pty.SlavePath(), 19200, reporter, kTick);
  ASSERT_TRUE(mb.Open());
  std::mt19937 boardRng(777);
  std::mt19937 rng(4242);
  ScriptedBoard board(
      pty,
      [&](const std::string&) {
        Reply r;
        std::uniform_int_distribution<int> pieces(0, 3);
        for (int p = pieces(boardRng); p > 0; --p)
          r.push_back({std::chrono::microseconds(boardRng() % 3000), RandomBytes(boardRng, 700)});
        return r;
      },
      [&](const std::string&, char b) -> std::string {
        switch (boardRng() % 8) {
          case 0:
            return {};  // echo lost
          case 1:
            return RandomBytes(boardRng, 4) + b;  // noise first
          default:
            return b == '\r' ? std::string() : std::string(1, b);
        }
      });
  for (int i = 0; i < 120; ++i) {
    const int op = static_cast<int>(rng() % 9);
    const std::string arg = RandomBytes(rng, 6);
    const cMB90::TickCount timeout = static_cast<cMB90::TickCount>(rng() % 3000);
    const auto t0 = Clock::now();
    std::size_t commandLength = 8 + arg.size();
    switch (op) {
      case 0:
        mb.PollState(timeout);
        break;
      case 1:
        mb.RichiestaTotali(timeout, arg);
        break;
      case 2:
        mb.RequestValues(rng() % 2 ? "Q" : "R", timeout);
        break;
      case 3:
        mb.RequestVersion(timeout);
        break;
      case 4:
        mb.RequestType(timeout);
        mb.GetType();
        break;
      case 5:
        mb.SetRotation(timeout, static_cast<int>(rng() % 3));
        break;
      case 6:
        mb.SetTareDelay(0, static_cast<int>(rng()), static_cast<int>(rng()), static_cast<int>(rng()),
                        static_cast<int>(rng()));
        break;
      case 7:
        mb.RequestTaraTazza(arg, timeout);
        break;
      case 8:
        mb.SendSetParen(0, arg);
        break;
    }
    const auto bound =
        cMB90::kAttempts * (commandLength + 1) * (window + 3ms) + kTick * timeout + window + 60ms;
    EXPECT_LT(Clock::now() - t0, bound) << "operation " << op;
  }
  rcTestTaraTazza t;
  mb.GetTestTaraTazza(t);
  EXPECT_EQ(t.Table.size(), 4096u);
  // Every message is one of the fixed texts.
  for (const auto& e : reporter.entries) EXPECT_EQ(e.message.rfind("Il comando ", 0), 0u) << e.message;
}

}  // namespace
}  // namespace kv7
