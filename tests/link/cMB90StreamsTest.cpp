// The streaming service modes of cMB90 against a scripted board on a real
// pty: start and stop bytes on the wire, records taken in order, the latest
// values, the trace log, late replies, and the port shared by two threads
// (run under ThreadSanitizer with the "threads" label).
#include <filesystem>
#include <fstream>

#include "link/LinkFixture.h"
#include "support/FileText.h"
#include "support/TempDir.h"

namespace kv7 {
namespace {

using namespace test;
using Streams = BoardLink;

TEST_F(Streams, EmptyCupLinesAreQueuedOneRecordPerLineAndNothingAfterTheStop) {
  ScriptedBoard board(pty, nullptr);
  ASSERT_TRUE(mb->StartControlloTazzeVuote("010"));
  EXPECT_EQ(mb->HeldStreamMode(), StreamMode::EmptyCups);
  EXPECT_FALSE(mb->CheckControlloTazzeVuote());
  // Two lines in one chunk, then a broken line's tail before a good line.
  pty.Send("N1001200015\rN2001300027\r");
  std::this_thread::sleep_for(30ms);
  pty.Send("0027\rN3001400033\r");
  for (const char* line : {"1", "2", "3"}) {
    auto r = WaitFor([&] { return mb->CheckControlloTazzeVuote(); });
    ASSERT_TRUE(r) << line;
    EXPECT_EQ(r->Linea, line);
  }
  std::this_thread::sleep_for(50ms);
  EXPECT_FALSE(mb->CheckControlloTazzeVuote()) << "exactly one record per line";

  EXPECT_TRUE(mb->StopControlloTazzeVuote());
  EXPECT_FALSE(mb->InStreamingMode());
  // Not held any more: nothing is sent, nothing is taken.
  EXPECT_FALSE(mb->StopControlloTazzeVuote());
  pty.Send("N4001500044\r");
  std::this_thread::sleep_for(50ms);
  EXPECT_FALSE(mb->CheckControlloTazzeVuote());
  EXPECT_EQ(board.Settled(), "N010\r\x1b");
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
  EXPECT_EQ(r->Linea + "|" + r->NPass + "|" + r->Kappa + "|" + r->Peso, "3|0002|1100|0201");
  EXPECT_TRUE(mb->StopCalibrazioneLinee());
  EXPECT_EQ(board.Settled(), "P198\r\x1bP198\r\x1b");
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
  EXPECT_EQ(board.Settled(), "S\r\x1b");
}

TEST_F(Streams, EncoderTestTakesTheStartReplyFieldsThenTheLatestStreamedValues) {
  ScriptedBoard board(pty, [](const std::string&) { return Now("T0042009900010002000300040005\r"); });
  ASSERT_TRUE(mb->StartTestEncoder(cMB90::kEncoderStartTimeout));
  rcTestEncoder r;
  mb->GetTestEncoder(r);
  EXPECT_EQ(r.NGiro + "|" + r.Valore + "|" + r.Errore[0] + "|" + r.Errore[4], "042|0099|0001|0005");
  pty.Send("T1230045000000000007000000000001\r");
  ASSERT_TRUE(WaitFor([&] { return mb->ReadTestEncoder(r) && r.NGiro == " 123"; }));
  EXPECT_EQ(r.Valore + "|" + r.Errore[0] + "|" + r.Errore[2] + "|" + r.Errore[4], "  45|   0|   7|   0");
  EXPECT_TRUE(mb->StopTestEncoder());
  EXPECT_FALSE(mb->ReadTestEncoder(r));
  EXPECT_EQ(r, rcTestEncoder{});
  EXPECT_EQ(board.Settled(), "T\r\x1b");
}

TEST_F(Streams, TraceFramesDropTheLeadByteAndAreLoggedOnlyWhenTheLogExists) {
  TempDir dir;
  const auto home = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  ScriptedBoard board(pty, nullptr, &EchoAll);  // "O" waits for the whole line's echo
  ASSERT_TRUE(mb->StartTracciaGrafica("2300"));
  pty.Send("\n" + TraceFrame(17, 20) + "\r");
  auto f = WaitFor([&] { return mb->CheckTracciaGrafica(); });
  ASSERT_TRUE(f);
  EXPECT_EQ(f->Head[0], "0017");
  EXPECT_EQ(f->Sample[100], "0120");
  EXPECT_FALSE(std::filesystem::exists(dir / cMB90::kTraceLogFile)) << "no log file: nothing written";
  // With the file present every frame handed out is appended once, in order,
  // even when several wait in the queue.
  std::ofstream(dir / cMB90::kTraceLogFile) << "old\r";
  pty.Send(TraceFrame(18, 30) + "\r" + TraceFrame(19, 40) + "\r");
  std::this_thread::sleep_for(100ms);
  auto a = WaitFor([&] { return mb->CheckTracciaGrafica(); });
  auto b = WaitFor([&] { return mb->CheckTracciaGrafica(); });
  ASSERT_TRUE(a && b);
  EXPECT_EQ(a->Head[0] + b->Head[0], "00180019");
  EXPECT_EQ(Slurp(dir / cMB90::kTraceLogFile),
            "old\r" + TraceFrame(18, 30) + "\r" + TraceFrame(19, 40) + "\r");
  EXPECT_TRUE(mb->StopTracciaGrafica());
  // No trace running: the abort byte goes out anyway and the answer is false.
  EXPECT_FALSE(mb->StopTracciaGrafica());
  EXPECT_EQ(board.Settled(), "O2300\r\x1b\x1b");
  EXPECT_TRUE(reporter.entries.empty());
  std::filesystem::current_path(home);
}

TEST_F(Streams, ModesExcludeOtherCommandsAndEachOther) {
  {
    ScriptedBoard board(pty, [](const std::string& line) {
      if (line == "Q") return Now("Q000100020003000400050006\r");
      return line == "S" ? Now("S\r") : Reply{};
    });
    ASSERT_TRUE(mb->StartCalibrazioneLinee("200"));
    EXPECT_FALSE(mb->RequestValues("Q", cMB90::kValuesTimeout));
    EXPECT_FALSE(mb->SendLetter('V', "1"));
    EXPECT_EQ(board.Settled(), "P200\r") << "nothing else reached the line";
    pty.Send("P1000110200200\r");
    EXPECT_TRUE(WaitFor([&] { return mb->CheckCalibrazioneLinee(); })) << "the receiver kept running";
    EXPECT_TRUE(mb->StopCalibrazioneLinee());
    EXPECT_TRUE(mb->RequestValues("Q", cMB90::kValuesTimeout)) << "commands work after the stop";
    // Starting a mode while another is held ends the other first.
    ASSERT_TRUE(mb->StartControlloTazzeVuote("010"));
    ASSERT_TRUE(mb->StartTestMemorizzato(cMB90::kMemorisedStartTimeout));
    EXPECT_EQ(mb->HeldStreamMode(), StreamMode::Memorised);
    EXPECT_FALSE(mb->StopControlloTazzeVuote());
    EXPECT_TRUE(mb->StopTestMemorizzato());
    EXPECT_EQ(board.Settled(), "P200\r\x1bQ\rN010\r\x1bS\r\x1b");
  }
  EXPECT_EQ(reporter.Messages(),
            (Messages{"Il comando Q non è andato a buon fine", "Il comando V non è andato a buon fine"}));
}

TEST_F(Streams, FailedOrLateStartsShowTheirMessagesAndAFailedEmptyCupStartStaysHeld) {
  {
    ScriptedBoard board(pty, nullptr, &NoEcho);
    EXPECT_FALSE(mb->StartCalibrazioneLinee("200"));
    EXPECT_FALSE(mb->InStreamingMode());
    EXPECT_FALSE(mb->StopCalibrazioneLinee());
    EXPECT_FALSE(mb->StartControlloTazzeVuote("010"));
    EXPECT_EQ(mb->HeldStreamMode(), StreamMode::EmptyCups);
    EXPECT_FALSE(mb->CheckControlloTazzeVuote());
  }
  {
    ScriptedBoard board(pty, nullptr);
    // Held without a receiver: its stop still tells the board to leave the mode.
    EXPECT_TRUE(mb->StopControlloTazzeVuote());
    EXPECT_EQ(board.Settled(), "\x1b");
  }
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
  EXPECT_EQ(reporter.Messages(),
            (Messages{"Il comando di calibrazione linee non è stato inviato correttamente",
                      "Il comando di controllo tazze vuote non è stato inviato correttamente",
                      "Il comando S non ha ricevuto una risposta corretta",
                      "Il comando T non ha ricevuto una risposta corretta=\rX12\r\r"}));
  for (const auto& e : reporter.entries) EXPECT_TRUE(e.beep) << e.message;
}

// The adapter is pulled out while a mode streams: the receiver does not
// spin, the stop cannot send the abort byte and says so (no beep).
TEST(StreamLoss, PortVanishingWhileStreamingEndsTheModeWithTheStopMessage) {
  auto pty = std::make_unique<Pty>();
  RecordingReporter reporter;
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
  EXPECT_EQ(reporter.Messages(), Messages{"Il comando di termina tazze vuote non eseguito"});
  EXPECT_FALSE(reporter.entries[0].beep);
  EXPECT_FALSE(mb.InStreamingMode());
}

}  // namespace
}  // namespace kv7
