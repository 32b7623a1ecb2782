// The "A" status poll, the "V" totals blocks and the "Q"/"R" line values:
// bytes sent, positions decoded, records kept on failure.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "link/ScriptedBoard.h"
#include "link/cMB90.h"

namespace kv7 {
namespace {

using namespace std::chrono_literals;
using test::Now;
using test::Reply;
using test::ScriptedBoard;

constexpr std::chrono::nanoseconds kFastTick{86400};

class Status : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(mb.Open()); }
  test::Pty pty;
  test::RecordingReporter reporter;
  cMB90 mb{pty.SlavePath(), 19200, reporter, kFastTick};
};

TEST(StatusDecode, ShortAndLongRepliesByPosition) {
  rcStateMachine s = DecodeStateMachine("41203000010045\r");
  EXPECT_EQ(s.Stato, "4");
  EXPECT_EQ(s.NumProgramma, "12");
  EXPECT_EQ(s.Cadenza, "030");
  EXPECT_EQ(s.Aux, "0");
  EXPECT_EQ(s.NumTazza, "001");
  EXPECT_EQ(s.TazzeBad, "0045");
  EXPECT_EQ(s.Fc1 + s.Fc2 + s.Fc3 + s.Fc4 + s.Fc5, "");

  s = DecodeStateMachine(
      "5"
      " 7"
      " 12"
      " "
      "12 "
      " 310"
      "011"
      "222"
      "333"
      "444"
      "555"
      "\r");
  EXPECT_EQ(s.Stato, "5");
  EXPECT_EQ(s.NumProgramma, " 7");
  EXPECT_EQ(s.Cadenza, " 12");
  EXPECT_EQ(s.Aux, " ");
  EXPECT_EQ(s.NumTazza, "12 ");
  EXPECT_EQ(s.TazzeBad, " 310");
  EXPECT_EQ(s.Fc1, "011");
  EXPECT_EQ(s.Fc5, "555");

  // Fc fields come only when position 15 carries a byte above CR; bytes of
  // the upper half count as above it.
  EXPECT_EQ(DecodeStateMachine("41203000010045\n00200300400500\r").Fc1, "");
  EXPECT_EQ(DecodeStateMachine("41203000010045\xe9"
                               "1")
                .Fc1,
            "\xe9"
            "1");
  // Short replies give short or empty fields.
  s = DecodeStateMachine("41\r");
  EXPECT_EQ(s.NumProgramma, "1\r");
  EXPECT_EQ(s.Cadenza, "");
  EXPECT_EQ(s.TazzeBad, "");
  EXPECT_EQ(DecodeStateMachine("").Stato, "");
}

TEST_F(Status, PollSendsTheAlarmDigitAndDecodesFromTheFirstByteReceived) {
  // The board thread picks the reply by the poll's number.
  static const char* const kReplies[] = {
      "41203000010045\r",
      "2"
      "12"
      "345"
      "6"
      "789"
      "0123"
      "456"
      "789"
      "012"
      "345"
      "678"
      "\r",
      "041203000010045\r",  // a late echo byte in front
  };
  std::atomic<int> polls{0};
  ScriptedBoard board(pty, [&](const std::string&) { return Now(kReplies[polls++ % 3]); });
  ASSERT_TRUE(mb.PollState(cMB90::kPollTimeout));
  rcStateMachine s;
  mb.GetState(s);
  EXPECT_EQ(s.Stato, "4");
  EXPECT_EQ(s.TazzeBad, "0045");

  mb.SetAlarm(true);
  ASSERT_TRUE(mb.PollState(cMB90::kPollTimeout));
  EXPECT_EQ(mb.State().TazzeBad, "0123");
  EXPECT_EQ(mb.State().Fc1, "456");
  EXPECT_EQ(mb.State().Fc5, "678");

  // A late echo byte left in front shifts every field by one.
  mb.SetAlarm(false);
  ASSERT_TRUE(mb.PollState(cMB90::kPollTimeout));
  EXPECT_EQ(mb.State().Stato, "0");
  EXPECT_EQ(mb.State().NumProgramma, "41");
  EXPECT_EQ(mb.State().TazzeBad, "1004");
  EXPECT_EQ(mb.State().Fc1, "5\r");

  std::this_thread::sleep_for(5ms);
  EXPECT_EQ(board.Received(), "A0\rA1\rA0\r");
  EXPECT_TRUE(reporter.entries.empty());
}

TEST_F(Status, FailedPollKeepsTheRecordSendsTheAbortByteAndSaysNothing) {
  {
    ScriptedBoard board(pty, [](const std::string&) { return Now("31203000010045\r"); });
    ASSERT_TRUE(mb.PollState(cMB90::kPollTimeout));
  }
  const rcStateMachine before = mb.State();
  {
    ScriptedBoard mute(pty, nullptr);  // echoes, never answers
    EXPECT_FALSE(mb.PollState(cMB90::kPollTimeout));
    EXPECT_EQ(mb.State(), before);
  }
  ScriptedBoard deaf(pty, nullptr, [](const std::string&, char) { return std::string(); });
  EXPECT_FALSE(mb.PollState(cMB90::kPollTimeout));
  std::this_thread::sleep_for(5ms);
  EXPECT_EQ(deaf.Received(), "A\rA\rA\rA\rA\r\x1b\r");
  EXPECT_EQ(mb.State(), before);
  EXPECT_TRUE(reporter.entries.empty());
}

std::string TotalsReply(int block) {
  // Value 1 shares its positions with the letter and the head.
  std::string r = "V" + std::to_string(block % 10) + "000123";
  for (int k = 2; k <= 15; ++k) {
    std::string v = std::to_string(block * 1000 + k);
    r += std::string(8 - v.size(), ' ') + v;
  }
  return r + "\r";
}

TEST_F(Status, SixTotalsBlocksDecodeHeadAndFifteenValues) {
  ScriptedBoard board(pty, [](const std::string& line) {
    if (line.size() == 3 && line[0] == 'V') return Now(TotalsReply(std::stoi(line.substr(1))));
    return Reply{};
  });
  for (int block = 20; block <= 25; ++block) {
    ASSERT_TRUE(mb.RichiestaTotali(cMB90::kTotalsTimeout, std::to_string(block)));
    rcRichiestaTotali t;
    mb.GetTotali(t);
    EXPECT_EQ(t.Head, std::to_string(block % 10));
    EXPECT_EQ(t.Tot[0], "V" + std::to_string(block % 10) + "000123");
    EXPECT_EQ(t.Tot[1], "   " + std::to_string(block * 1000 + 2));
    EXPECT_EQ(t.Tot[14], "   " + std::to_string(block * 1000 + 15));
  }
  std::this_thread::sleep_for(5ms);
  EXPECT_EQ(board.Received(), "V20\rV21\rV22\rV23\rV24\rV25\r");
  EXPECT_TRUE(reporter.entries.empty());
}

TEST_F(Status, TotalsWithoutReplyReportAndKeepTheLastBlock) {
  {
    ScriptedBoard board(pty, [](const std::string&) { return Now(TotalsReply(22)); });
    ASSERT_TRUE(mb.RichiestaTotali(cMB90::kTotalsTimeout, "22"));
  }
  rcRichiestaTotali before;
  mb.GetTotali(before);
  // A short reply decodes into short fields.
  {
    ScriptedBoard board(pty, [](const std::string&) { return Now("V3000000001234\r"); });
    ASSERT_TRUE(mb.RichiestaTotali(cMB90::kTotalsTimeout, "23"));
    rcRichiestaTotali t;
    mb.GetTotali(t);
    EXPECT_EQ(t.Tot[1], "001234\r");
    EXPECT_EQ(t.Tot[2], "");
  }
  ScriptedBoard mute(pty, [](const std::string&) { return Now("V2 no end of line"); });
  EXPECT_FALSE(mb.RichiestaTotali(500, "22"));
  ASSERT_EQ(reporter.entries.size(), 1u);
  EXPECT_EQ(reporter.entries[0].message, "Il comando V non ha ricevuto una risposta corretta");
  EXPECT_TRUE(reporter.entries[0].beep);
}

TEST_F(Status, ValuesAreWrittenInOnePieceAndNeedTheirLetter) {
  ScriptedBoard board(
      pty,
      [](const std::string& line) {
        if (line == "Q") return Reply{{0us, "\x05Q 12"}, {3ms, "3  4  5  6  7  8  9\r"}};
        if (line == "R") return Now("R000100020003000400050006\r");
        return Reply{};
      },
      [](const std::string&, char) { return std::string(); });
  ASSERT_TRUE(mb.RequestValues("R", cMB90::kValuesTimeout));
  rcTestCelle v;
  mb.GetTestCelle(v);
  EXPECT_EQ(v.Val[0], "0001");
  EXPECT_EQ(v.Val[5], "0006");
  EXPECT_EQ(v.Val[6], "");
  // Positions count from the first byte, the noise byte in front included.
  ASSERT_TRUE(mb.RequestValues("Q", cMB90::kValuesTimeout));
  mb.GetTestCelle(v);
  EXPECT_EQ(v.Val[0], "Q 12");
  EXPECT_EQ(v.Val[1], "3  4");
  EXPECT_EQ(v.Val[5], "  9\r");
  std::this_thread::sleep_for(5ms);
  EXPECT_EQ(board.Received(), "R\rQ\r");
  EXPECT_TRUE(reporter.entries.empty());
}

TEST_F(Status, ValuesReplyWithoutTheLetterIsNeverAccepted) {
  ScriptedBoard board(
      pty, [](const std::string&) { return Now("R000100020003000400050006\r"); },
      [](const std::string&, char) { return std::string(); });
  rcTestCelle before;
  mb.GetTestCelle(before);
  EXPECT_FALSE(mb.RequestValues("Q", 300));
  rcTestCelle after;
  mb.GetTestCelle(after);
  EXPECT_EQ(after, before);
  ASSERT_EQ(reporter.entries.size(), 1u);
  EXPECT_EQ(reporter.entries[0].message, "Il comando Q non ha ricevuto una risposta corretta");
  EXPECT_TRUE(reporter.entries[0].beep);
}

}  // namespace
}  // namespace kv7
