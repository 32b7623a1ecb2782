// The "A" status poll, the "V" totals blocks and the "Q"/"R" line values:
// bytes sent, positions decoded, records kept on failure.
#include <atomic>

#include "link/LinkFixture.h"

namespace kv7 {
namespace {

using namespace test;
using Status = BoardLink;

// Every field of the record, in order, separated by "|".
std::string Fields(const rcStateMachine& s) {
  std::string out = s.Stato;
  for (const std::string* f : {&s.NumProgramma, &s.Cadenza, &s.Aux, &s.NumTazza, &s.TazzeBad, &s.Fc1, &s.Fc2,
                               &s.Fc3, &s.Fc4, &s.Fc5})
    out += "|" + *f;
  return out;
}

TEST(StatusDecode, FcFieldsOnlyAfterAByteAboveCrAndShortRepliesGiveShortFields) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"41203000010045\n00200300400500\r", "4|12|030|0|001|0045|||||"},
      // Bytes of the upper half count as above CR.
      {"41203000010045\xe9"
       "1",
       "4|12|030|0|001|0045|\xe9"
       "1||||"},
      {"41\r", "4|1\r|||||||||"},
      {"", "||||||||||"},
  };
  for (const auto& [reply, fields] : cases) EXPECT_EQ(Fields(DecodeStateMachine(reply)), fields) << reply;
}

TEST_F(Status, PollSendsTheAlarmDigitAndDecodesFixedPositionsFromTheFirstByteReceived) {
  struct Case {
    bool alarm;
    std::string reply, fields;
  };
  const std::vector<Case> cases = {
      {false, "41203000010045\r", "4|12|030|0|001|0045|||||"},
      {true, "5 7 12 12  310011222333444555\r", "5| 7| 12| |12 | 310|011|222|333|444|555"},
      // A late echo byte left in front shifts every field by one.
      {false, "041203000010045\r", "0|41|203|0|000|1004|5\r||||"},
  };
  std::atomic<std::size_t> polls{0};
  ScriptedBoard board(pty, [&](const std::string&) { return Now(cases[polls++].reply); });
  for (const auto& c : cases) {
    mb->SetAlarm(c.alarm);
    ASSERT_TRUE(mb->PollState(cMB90::kPollTimeout));
    rcStateMachine s;
    mb->GetState(s);
    EXPECT_EQ(Fields(s), c.fields);
  }
  EXPECT_EQ(board.Settled(), "A0\rA1\rA0\r");
  EXPECT_TRUE(reporter.entries.empty());
}

TEST_F(Status, FailedPollKeepsTheRecordSendsTheAbortByteAndSaysNothing) {
  {
    ScriptedBoard board(pty, [](const std::string&) { return Now("31203000010045\r"); });
    ASSERT_TRUE(mb->PollState(cMB90::kPollTimeout));
  }
  const rcStateMachine before = mb->State();
  {
    ScriptedBoard mute(pty, nullptr);  // echoes, never answers
    EXPECT_FALSE(mb->PollState(cMB90::kPollTimeout));
  }
  ScriptedBoard deaf(pty, nullptr, &NoEcho);
  EXPECT_FALSE(mb->PollState(cMB90::kPollTimeout));
  EXPECT_EQ(deaf.Settled(), "A\rA\rA\rA\rA\r\x1b\r");
  EXPECT_EQ(mb->State(), before);
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
  ScriptedBoard board(pty,
                      [](const std::string& line) { return Now(TotalsReply(std::stoi(line.substr(1)))); });
  for (int block = 20; block <= 25; ++block) {
    ASSERT_TRUE(mb->RichiestaTotali(cMB90::kTotalsTimeout, std::to_string(block)));
    rcRichiestaTotali t;
    mb->GetTotali(t);
    EXPECT_EQ(t.Head, std::to_string(block % 10));
    EXPECT_EQ(t.Tot[0], "V" + std::to_string(block % 10) + "000123");
    EXPECT_EQ(t.Tot[1], "   " + std::to_string(block * 1000 + 2));
    EXPECT_EQ(t.Tot[14], "   " + std::to_string(block * 1000 + 15));
  }
  EXPECT_EQ(board.Settled(), "V20\rV21\rV22\rV23\rV24\rV25\r");
  EXPECT_TRUE(reporter.entries.empty());
}

TEST_F(Status, ShortTotalsGiveShortFieldsAndTotalsWithoutCrReportAndKeepTheLastBlock) {
  {
    ScriptedBoard board(pty, [](const std::string&) { return Now("V3000000001234\r"); });
    ASSERT_TRUE(mb->RichiestaTotali(cMB90::kTotalsTimeout, "23"));
  }
  rcRichiestaTotali before;
  mb->GetTotali(before);
  EXPECT_EQ(before.Tot[1], "001234\r");
  EXPECT_EQ(before.Tot[2], "");
  ScriptedBoard mute(pty, [](const std::string&) { return Now("V2 no end of line"); });
  EXPECT_FALSE(mb->RichiestaTotali(500, "22"));
  rcRichiestaTotali after;
  mb->GetTotali(after);
  EXPECT_EQ(after.Tot, before.Tot);
  EXPECT_EQ(reporter.Messages(), Messages{"Il comando V non ha ricevuto una risposta corretta"});
  EXPECT_TRUE(reporter.entries[0].beep);
}

TEST_F(Status, ValuesAreWrittenInOnePieceCountFromTheFirstByteAndNeedTheirLetter) {
  rcTestCelle v;
  {
    ScriptedBoard board(
        pty,
        [](const std::string& line) {
          if (line == "Q") return Reply{{0us, "\x05Q 12"}, {3ms, "3  4  5  6  7  8  9\r"}};
          return Now("R000100020003000400050006\r");
        },
        &NoEcho);
    ASSERT_TRUE(mb->RequestValues("R", cMB90::kValuesTimeout));
    mb->GetTestCelle(v);
    EXPECT_EQ(v.Val[0], "0001");
    EXPECT_EQ(v.Val[5], "0006");
    EXPECT_EQ(v.Val[6], "");
    // Positions count from the first byte, the noise byte in front included.
    ASSERT_TRUE(mb->RequestValues("Q", cMB90::kValuesTimeout));
    mb->GetTestCelle(v);
    EXPECT_EQ(v.Val[0], "Q 12");
    EXPECT_EQ(v.Val[1], "3  4");
    EXPECT_EQ(v.Val[5], "  9\r");
    EXPECT_EQ(board.Settled(), "R\rQ\r");
  }
  EXPECT_TRUE(reporter.entries.empty());
  // An "R" reply to "Q" is never accepted; the record stays.
  ScriptedBoard wrong(
      pty, [](const std::string&) { return Now("R000100020003000400050006\r"); }, &NoEcho);
  EXPECT_FALSE(mb->RequestValues("Q", 300));
  rcTestCelle after;
  mb->GetTestCelle(after);
  EXPECT_EQ(after, v);
  EXPECT_EQ(reporter.Messages(), Messages{"Il comando Q non ha ricevuto una risposta corretta"});
  EXPECT_TRUE(reporter.entries[0].beep);
}

}  // namespace
}  // namespace kv7
