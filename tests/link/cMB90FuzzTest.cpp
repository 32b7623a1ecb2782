// Random bytes from the board: every operation ends within its time-out
// bound, fields stay within the reply, nothing crashes (this suite also runs
// under the address and undefined-behaviour sanitizers).
#include <functional>
#include <random>

#include "link/LinkFixture.h"

namespace kv7 {
namespace {

using namespace test;

std::string RandomBytes(std::mt19937& rng, std::size_t maxLen) {
  std::string s(std::uniform_int_distribution<std::size_t>(0, maxLen)(rng), '\0');
  for (char& c : s) {
    const int b = static_cast<int>(rng() % 256);
    // Plenty of CRs and letters the decoders look for.
    c = static_cast<char>(b < 20 ? '\r' : b < 30 ? "AVQR>-T"[b % 7] : b);
  }
  return s;
}

TEST(Fuzz, DecodersStayInsideAnyReply) {
  std::mt19937 rng(12345);
  for (int i = 0; i < 20000; ++i) {
    const std::string reply = RandomBytes(rng, 200);
    const rcStateMachine s = DecodeStateMachine(reply);
    std::size_t total = 0;
    for (const std::string* f : {&s.Stato, &s.NumProgramma, &s.Cadenza, &s.Aux, &s.NumTazza, &s.TazzeBad,
                                 &s.Fc1, &s.Fc2, &s.Fc3, &s.Fc4, &s.Fc5})
      total += f->size();
    EXPECT_LE(total, reply.size());
    for (const auto& v : DecodeRichiestaTotali(reply).Tot) EXPECT_LE(v.size(), 8u);
    rcTestCelle c;
    DecodeTestCelle(reply, c);
    rcTestTaraTazza tare;
    DecodeTaraTazza(RandomBytes(rng, 8), reply, tare);
    EXPECT_EQ(tare.Table.size(), 4096u);
    const int type = BoardTypeFromReply(reply);
    EXPECT_TRUE(type >= -47 && type <= 255 - 47) << type;
    const int rotation = RotationFromReply(reply);
    EXPECT_TRUE(rotation == 0 || rotation == 1);
    TextToNumber(reply);
  }
}

TEST(Fuzz, OperationsEndWithinTheirBoundsOnAGarbageLine) {
  // A hundredth of the real tick keeps the echo windows (17 ms) short.
  constexpr std::chrono::nanoseconds kTick{8640};
  Pty pty;
  RecordingReporter reporter;
  cMB90 mb(pty.SlavePath(), 19200, reporter, kTick);
  ASSERT_TRUE(mb.Open());
  std::mt19937 boardRng(777), rng(4242);
  ScriptedBoard board(
      pty,
      [&](const std::string&) {
        Reply r;
        for (int p = static_cast<int>(boardRng() % 4); p > 0; --p)
          r.push_back({std::chrono::microseconds(boardRng() % 3000), RandomBytes(boardRng, 700)});
        return r;
      },
      [&](const std::string&, char b) -> std::string {
        const auto dice = boardRng() % 8;
        if (dice == 0) return {};                            // echo lost
        if (dice == 1) return RandomBytes(boardRng, 4) + b;  // noise first
        return b == '\r' ? std::string() : std::string(1, b);
      });
  using Op = std::function<void(const std::string&, cMB90::TickCount)>;
  const std::vector<Op> ops = {
      [&](auto&, auto t) { mb.PollState(t); },
      [&](auto& arg, auto t) { mb.RichiestaTotali(t, arg); },
      [&](auto&, auto t) { mb.RequestValues(rng() % 2 ? "Q" : "R", t); },
      [&](auto&, auto t) { mb.RequestVersion(t); },
      [&](auto&, auto t) {
        mb.RequestType(t);
        mb.GetType();
      },
      [&](auto&, auto t) { mb.SetRotation(t, static_cast<int>(rng() % 3)); },
      [&](auto&, auto) {
        mb.SetTareDelay(0, static_cast<int>(rng()), static_cast<int>(rng()), static_cast<int>(rng()),
                        static_cast<int>(rng()));
      },
      [&](auto& arg, auto t) { mb.RequestTaraTazza(arg, t); },
      [&](auto& arg, auto) { mb.SendSetParen(0, arg); },
  };
  const auto window = kTick * cMB90::kEchoWindow;
  for (int i = 0; i < 120; ++i) {
    const std::size_t op = rng() % ops.size();
    const std::string arg = RandomBytes(rng, 6);
    const auto timeout = static_cast<cMB90::TickCount>(rng() % 3000);
    const auto t0 = Clock::now();
    ops[op](arg, timeout);
    const auto bound =
        cMB90::kAttempts * (8 + arg.size() + 1) * (window + 3ms) + kTick * timeout + window + 60ms;
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
