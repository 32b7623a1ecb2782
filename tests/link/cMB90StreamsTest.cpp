// The streaming service modes of cMB90 against a scripted board on a real
// pty: start and stop bytes on the wire, records taken in order, the latest
// values, the trace log, late replies, and the port shared by two threads
// (run under ThreadSanitizer with the "threads" label).
#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <thread>

#include "link/ScriptedBoard.h"
#include "link/cMB90.h"
#include "support/TempDir.h"

namespace kv7 {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using test::Now;
using test::Reply;
using test::ScriptedBoard;

constexpr std::chrono::nanoseconds kFastTick{86400};  // a tenth of the real tick

std::string EchoAll(const std::string&, char b) {
  return std::string(1, b);
}
std::string NoEcho(const std::string&, char) {
  return {};
}

std::string Digits4(int v) {
  char t[8];
  std::snprintf(t, sizeof t, "%04d", v);
  return t;
}

// A whole trace frame with its CR (418 bytes).
std::string Frame(int cup, int base) {
  std::string f = "O" + Digits4(cup) + Digits4(base) + Digits4(base + 100);
  for (int k = 0; k < 101; ++k) f += Digits4(base + k);
  return f + "\r";
}

// Polls `take` until it yields or two seconds pass.
template <typename F>
auto WaitFor(F take) -> decltype(take()) {
  const auto deadline = Clock::now() + 2s;
  for (;;) {
    auto got = take();
    if (got || Clock::now() > deadline) return got;
    std::this_thread::sleep_for(2ms);
  }
}

class Streams : public ::testing::Test {
 protected:
  void SetUp() override {
    mb = std::make_unique<cMB90>(pty.SlavePath(), 19200, reporter, kFastTick);
    ASSERT_TRUE(mb->Open());
  }
  // What the board received, once the line has settled.
  std::string Wire(const ScriptedBoard& board) {
    std::this_thread::sleep_for(20ms);
    return board.Received();
  }
  test::Pty pty;
  test::RecordingReporter reporter;
  std::unique_ptr<cMB90> mb;
};

TEST_F(Streams, EmptyCupLinesAreQueuedInOrderAndNoiseIsDropped) {
  ScriptedBoard board(pty, nullptr);
  ASSERT_TRUE(mb->StartControlloTazzeVuote("010"));
  EXPECT_EQ(mb->HeldStreamMode(), StreamMode::EmptyCups);
  EXPECT_FALSE(mb->CheckControlloTazzeVuote());

  // Two lines in one chunk, then a broken line's tail before a good line.
  pty.Send("N1001200015\rN2001300027\r");
  auto first = WaitFor([&] { return mb->CheckControlloTazzeVuote(); });
  ASSERT_TRUE(first);
  EXPECT_EQ(first->Linea, "1");
  EXPECT_EQ(first->NumTazza, "0012");
  EXPECT_EQ(first->Valore, "00015");
  auto second = WaitFor([&] { return mb->CheckControlloTazzeVuote(); });
  ASSERT_TRUE(second);
  EXPECT_EQ(second->Linea, "2");
  EXPECT_EQ(second->NumTazza, "0013");

  pty.Send("0027\rN3001400033\r");
  auto third = WaitFor([&] { return mb->CheckControlloTazzeVuote(); });
  ASSERT_TRUE(third);
  EXPECT_EQ(third->Linea, "3");
  std::this_thread::sleep_for(50ms);
  EXPECT_FALSE(mb->CheckControlloTazzeVuote()) << "exactly one record from the chunk";

  EXPECT_TRUE(mb->StopControlloTazzeVuote());
  EXPECT_FALSE(mb->InStreamingMode());
  EXPECT_EQ(Wire(board), "N010\r\x1b");
  // Not held any more: nothing is sent, nothing is taken.
  EXPECT_FALSE(mb->StopControlloTazzeVuote());
  pty.Send("N4001500044\r");
  std::this_thread::sleep_for(50ms);
  EXPECT_FALSE(mb->CheckControlloTazzeVuote());
  EXPECT_EQ(Wire(board), "N010\r\x1b");
  EXPECT_TRUE(reporter.entries.empty());
}

TEST_F(Streams, StopAndRestartAtOnceRunsANewReceiver) {
  ScriptedBoard board(pty, nullptr);
  ASSERT_TRUE(mb->StartCalibrazioneLinee("198"));
  pty.Send("P1000110200198\r");
  ASSERT_TRUE(WaitFor([&] { return mb->CheckCalibrazioneLinee(); }));
  pty.Send("P2000110100199\r");  // left in the old receiver's queue
  std::this_thread::sleep_for(50ms);

  // A silent line: the receiver must still end at once, not after a long read.
  const auto t0 = Clock::now();
  EXPECT_TRUE(mb->StopCalibrazioneLinee());
  EXPECT_LT(Clock::now() - t0, 150ms);
  ASSERT_TRUE(mb->StartCalibrazioneLinee("198"));
  EXPECT_FALSE(mb->CheckCalibrazioneLinee()) << "records of the old receiver went with it";
  pty.Send("P3000211000201\r");
  auto r = WaitFor([&] { return mb->CheckCalibrazioneLinee(); });
  ASSERT_TRUE(r);
  EXPECT_EQ(r->Linea, "3");
  EXPECT_EQ(r->NPass, "0002");
  EXPECT_EQ(r->Kappa, "1100");
  EXPECT_EQ(r->Peso, "0201");
  EXPECT_TRUE(mb->StopCalibrazioneLinee());
  EXPECT_EQ(Wire(board), "P198\r\x1bP198\r\x1b");
}

TEST_F(Streams, MemorisedTestKeepsTheLatestValuesPerLineAndLineSevenIsLineOne) {
  ScriptedBoard board(pty, [](const std::string& line) { return line == "S" ? Now("S\r") : Reply{}; });
  rcTestMemorizzato r;
  EXPECT_FALSE(mb->ReadTestMemorizzato(1, r));
  EXPECT_EQ(r, rcTestMemorizzato{});

  ASSERT_TRUE(mb->StartTestMemorizzato(cMB90::kMemorisedStartTimeout));
  ASSERT_TRUE(mb->ReadTestMemorizzato(3, r));
  EXPECT_EQ(r, (rcTestMemorizzato{"3", "   0", "   0", "   0"}));

  pty.Send("S3001200450178\rS3001300460179\r");
  ASSERT_TRUE(WaitFor([&] { return mb->ReadTestMemorizzato(3, r) && r.NumTazza == "  13"; }));
  EXPECT_EQ(r, (rcTestMemorizzato{"3", "  13", "  46", " 179"}));

  pty.Send("S7000900100200\r");
  ASSERT_TRUE(WaitFor([&] { return mb->ReadTestMemorizzato(1, r) && r.NumTazza == "   9"; }));
  EXPECT_EQ(r, (rcTestMemorizzato{"1", "   9", "  10", " 200"}));
  ASSERT_TRUE(mb->ReadTestMemorizzato(3, r));
  EXPECT_EQ(r.NumTazza, "  13") << "line 3 untouched";
  EXPECT_FALSE(mb->ReadTestMemorizzato(7, r));

  EXPECT_TRUE(mb->StopTestMemorizzato());
  EXPECT_FALSE(mb->ReadTestMemorizzato(1, r));
  EXPECT_EQ(r, rcTestMemorizzato{});
  EXPECT_FALSE(mb->StopTestMemorizzato());
  EXPECT_EQ(Wire(board), "S\r\x1b");
}

TEST_F(Streams, EncoderTestTakesTheStartReplyFieldsThenTheLatestStreamedValues) {
  ScriptedBoard board(pty, [](const std::string& line) {
    return line == "T" ? Now("T0042009900010002000300040005\r") : Reply{};
  });
  ASSERT_TRUE(mb->StartTestEncoder(cMB90::kEncoderStartTimeout));
  rcTestEncoder start;
  mb->GetTestEncoder(start);
  EXPECT_EQ(start.NGiro, "042");
  EXPECT_EQ(start.Valore, "0099");
  EXPECT_EQ(start.Errore[0], "0001");
  EXPECT_EQ(start.Errore[4], "0005");

  pty.Send("T1230045000000000007000000000001\r");
  rcTestEncoder r;
  ASSERT_TRUE(WaitFor([&] { return mb->ReadTestEncoder(r) && r.NGiro == " 123"; }));
  EXPECT_EQ(r.Valore, "  45");
  EXPECT_EQ(r.Errore[0], "   0");
  EXPECT_EQ(r.Errore[2], "   7");
  EXPECT_EQ(r.Errore[4], "   0");

  EXPECT_TRUE(mb->StopTestEncoder());
  EXPECT_FALSE(mb->ReadTestEncoder(r));
  EXPECT_EQ(r, rcTestEncoder{});
  EXPECT_EQ(Wire(board), "T\r\x1b");
}

TEST_F(Streams, LateOrMissingStartRepliesFailWithTheirMessagesAndHoldNoMode) {
  {
    // The "S" reply comes after the 1500-tick time-out (130 ms at this tick).
    ScriptedBoard board(pty, [](const std::string&) { return Reply{{250ms, "S\r"}}; });
    EXPECT_FALSE(mb->StartTestMemorizzato(cMB90::kMemorisedStartTimeout));
    EXPECT_FALSE(mb->InStreamingMode());
    std::this_thread::sleep_for(300ms);
  }
  {
    // A reply without "T" is no "T" reply; what arrived is shown.
    ScriptedBoard board(pty, [](const std::string&) { return Now("X12\r"); });
    EXPECT_FALSE(mb->StartTestEncoder(100));
    EXPECT_FALSE(mb->InStreamingMode());
  }
  ASSERT_EQ(reporter.entries.size(), 2u);
  EXPECT_EQ(reporter.entries[0].message, "Il comando S non ha ricevuto una risposta corretta");
  EXPECT_TRUE(reporter.entries[0].beep);
  EXPECT_EQ(reporter.entries[1].message, "Il comando T non ha ricevuto una risposta corretta=\rX12\r\r");
}

TEST_F(Streams, TraceFramesDropTheLeadByteAndAreLoggedOnlyWhenTheLogExists) {
  test::TempDir dir;
  const auto home = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  ScriptedBoard board(pty, nullptr, &EchoAll);  // "O" waits for the whole line's echo

  ASSERT_TRUE(mb->StartTracciaGrafica("2300"));
  pty.Send("\n" + Frame(17, 20));
  auto f = WaitFor([&] { return mb->CheckTracciaGrafica(); });
  ASSERT_TRUE(f);
  EXPECT_EQ(f->Head[0], "0017");
  EXPECT_EQ(f->Head[2], "0120");
  for (int k = 0; k < 101; ++k) EXPECT_EQ(f->Sample[static_cast<std::size_t>(k)], Digits4(20 + k)) << k;
  EXPECT_EQ(f->Sample[101], "");
  EXPECT_FALSE(std::filesystem::exists(dir / cMB90::kTraceLogFile)) << "no log file: nothing written";

  // With the file present every frame handed out is appended once, in order,
  // even when several wait in the queue.
  std::ofstream(dir / cMB90::kTraceLogFile) << "old\r";
  pty.Send(Frame(18, 30) + Frame(19, 40));
  std::this_thread::sleep_for(100ms);
  auto a = WaitFor([&] { return mb->CheckTracciaGrafica(); });
  auto b = WaitFor([&] { return mb->CheckTracciaGrafica(); });
  ASSERT_TRUE(a && b);
  EXPECT_EQ(a->Head[0], "0018");
  EXPECT_EQ(b->Head[0], "0019");
  std::ifstream log(dir / cMB90::kTraceLogFile, std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(log)), std::istreambuf_iterator<char>());
  EXPECT_EQ(text, "old\r" + Frame(18, 30) + Frame(19, 40));

  EXPECT_TRUE(mb->StopTracciaGrafica());
  // No trace running: the abort byte goes out anyway and the answer is false.
  EXPECT_FALSE(mb->StopTracciaGrafica());
  EXPECT_EQ(Wire(board), "O2300\r\x1b\x1b");
  EXPECT_TRUE(reporter.entries.empty());
  std::filesystem::current_path(home);
}

TEST_F(Streams, OtherCommandsAreRefusedWhileAModeRunsAndWorkAfterItsStop) {
  ScriptedBoard board(pty, [](const std::string& line) {
    if (line == "Q") return Now("Q000100020003000400050006\r");
    return Reply{};
  });
  ASSERT_TRUE(mb->StartCalibrazioneLinee("200"));
  EXPECT_FALSE(mb->RequestValues("Q", cMB90::kValuesTimeout));
  EXPECT_FALSE(mb->SendLetter('V', "1"));
  ASSERT_EQ(reporter.entries.size(), 2u);
  EXPECT_EQ(reporter.entries[0].message, "Il comando Q non è andato a buon fine");
  EXPECT_EQ(Wire(board), "P200\r") << "nothing else reached the line";
  // The receiver kept running.
  pty.Send("P1000110200200\r");
  EXPECT_TRUE(WaitFor([&] { return mb->CheckCalibrazioneLinee(); }));

  EXPECT_TRUE(mb->StopCalibrazioneLinee());
  EXPECT_TRUE(mb->RequestValues("Q", cMB90::kValuesTimeout));
}

TEST_F(Streams, StartingAModeWhileAnotherIsHeldEndsTheOtherFirst) {
  ScriptedBoard board(pty, [](const std::string& line) { return line == "S" ? Now("S\r") : Reply{}; });
  ASSERT_TRUE(mb->StartControlloTazzeVuote("010"));
  ASSERT_TRUE(mb->StartTestMemorizzato(cMB90::kMemorisedStartTimeout));
  EXPECT_EQ(mb->HeldStreamMode(), StreamMode::Memorised);
  EXPECT_FALSE(mb->StopControlloTazzeVuote());
  EXPECT_TRUE(mb->StopTestMemorizzato());
  EXPECT_EQ(Wire(board), "N010\r\x1bS\r\x1b");
}

TEST_F(Streams, FailedStartsShowTheirMessagesAndAFailedEmptyCupStartStaysHeld) {
  {
    ScriptedBoard board(pty, nullptr, &NoEcho);
    EXPECT_FALSE(mb->StartCalibrazioneLinee("200"));
    EXPECT_FALSE(mb->InStreamingMode());
    EXPECT_FALSE(mb->StopCalibrazioneLinee());
    EXPECT_FALSE(mb->StartControlloTazzeVuote("010"));
    EXPECT_EQ(mb->HeldStreamMode(), StreamMode::EmptyCups);
    EXPECT_FALSE(mb->CheckControlloTazzeVuote());
  }
  ScriptedBoard board(pty, nullptr);
  // Held without a receiver: its stop still tells the board to leave the mode.
  EXPECT_TRUE(mb->StopControlloTazzeVuote());
  EXPECT_EQ(Wire(board), "\x1b");
  ASSERT_EQ(reporter.entries.size(), 2u);
  EXPECT_EQ(reporter.entries[0].message,
            "Il comando di calibrazione linee non è stato inviato correttamente");
  EXPECT_TRUE(reporter.entries[0].beep);
  EXPECT_EQ(reporter.entries[1].message,
            "Il comando di controllo tazze vuote non è stato inviato correttamente");
}

// The adapter is pulled out while a mode streams: the receiver does not
// spin, the stop cannot send the abort byte and says so (no beep).
TEST(StreamLoss, PortVanishingWhileStreamingEndsTheModeWithTheStopMessage) {
  auto pty = std::make_unique<test::Pty>();
  test::RecordingReporter reporter;
  cMB90 mb(pty->SlavePath(), 19200, reporter, kFastTick);
  ASSERT_TRUE(mb.Open());
  {
    ScriptedBoard board(*pty, nullptr);
    ASSERT_TRUE(mb.StartControlloTazzeVuote("010"));
  }
  pty.reset();
  std::this_thread::sleep_for(100ms);
  const auto t0 = Clock::now();
  EXPECT_FALSE(mb.StopControlloTazzeVuote());
  EXPECT_LT(Clock::now() - t0, 150ms);
  ASSERT_EQ(reporter.entries.size(), 1u);
  EXPECT_EQ(reporter.entries[0].message, "Il comando di termina tazze vuote non eseguito");
  EXPECT_FALSE(reporter.entries[0].beep);
  EXPECT_FALSE(mb.InStreamingMode());
}

}  // namespace
}  // namespace kv7
