// Version, type and rotation rules, the "-3" and "-4" settings, the "("
// download and the cup tare table.
#include <gtest/gtest.h>

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

std::string EchoAll(const std::string&, char b) {
  return std::string(1, b);
}
std::string NoEcho(const std::string&, char) {
  return {};
}

class Settings : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(mb.Open()); }
  std::string Wire(const ScriptedBoard& board) {
    std::this_thread::sleep_for(5ms);
    return board.Received();
  }
  test::Pty pty;
  test::RecordingReporter reporter;
  cMB90 mb{pty.SlavePath(), 19200, reporter, kFastTick};
};

TEST(SettingsFormat, ZeroFillingAndTheTareDelayClamps) {
  EXPECT_EQ(ZeroFill(7, 3), "007");
  EXPECT_EQ(ZeroFill(1234, 3), "1234");
  EXPECT_EQ(BlanksToZeros("1 5"), "105");
  EXPECT_EQ(TareDelayCommand(7, 1200, 80, 150), "-30070009399");
  EXPECT_EQ(TareDelayCommand(15, 0, 94, 0), "-30150009400");
  EXPECT_EQ(TareDelayCommand(255, 998, 85, 99), "-32559988599");
  EXPECT_EQ(TareDelayCommand(256, 999, 95, 100), "-30000009399");
  // Negative settings never put a minus sign on the wire.
  EXPECT_EQ(TareDelayCommand(-5, -1, -90, -7), "-30000009300");
  EXPECT_EQ(TextToNumber(" 12 "), 12);
  EXPECT_EQ(TextToNumber("1x"), 0);
  EXPECT_EQ(TextToNumber(""), 0);
  EXPECT_EQ(TextToNumber("99999999999999999999999"), 0);
}

TEST(SettingsFormat, TypeAndRotationFromTheRawReplies) {
  EXPECT_EQ(BoardTypeFromReply("12\r"), 3);
  EXPECT_EQ(BoardTypeFromReply("10\r"), 1);
  EXPECT_EQ(BoardTypeFromReply("11\r"), 2);
  EXPECT_EQ(BoardTypeFromReply("02\r"), 0);
  EXPECT_EQ(BoardTypeFromReply(""), 0);
  EXPECT_EQ(BoardTypeFromReply("1\r"), '\r' - '/');  // shown as the oldest board
  EXPECT_EQ(RotationFromReply("-20\r"), 0);
  EXPECT_EQ(RotationFromReply("0\r"), 0);
  EXPECT_EQ(RotationFromReply("-21\r"), 1);
  EXPECT_EQ(RotationFromReply("-2x\r"), 1);
  EXPECT_EQ(RotationFromReply("\r"), 1);
}

TEST_F(Settings, VersionAndTypeKeepTheRawReply) {
  EXPECT_FALSE(mb.HasVersion());
  EXPECT_EQ(mb.GetType(), 0);
  ScriptedBoard board(pty, [](const std::string& line) {
    if (line == ">0") return Now("2.13\r");
    if (line == ">1") return Now("12\r");
    return Reply{};
  });
  ASSERT_TRUE(mb.RequestVersion(cMB90::kBoardInfoTimeout));
  ASSERT_TRUE(mb.RequestType(cMB90::kBoardInfoTimeout));
  std::string version;
  mb.GetVersion(version);
  EXPECT_EQ(version, "2.13");
  EXPECT_TRUE(mb.HasVersion());
  EXPECT_EQ(mb.GetType(), 3);
  EXPECT_EQ(Wire(board), ">0\r>1\r");
}

TEST_F(Settings, VersionAndTypeFailures) {
  {
    ScriptedBoard mute(pty, nullptr);
    EXPECT_FALSE(mb.RequestVersion(100));
    EXPECT_FALSE(mb.RequestType(100));
  }
  std::string version = "unchanged";
  mb.GetVersion(version);
  EXPECT_EQ(version, "");
  ASSERT_EQ(reporter.entries.size(), 2u);
  EXPECT_EQ(reporter.entries[0].message, "Il comando di versione non ha ricevuto una risposta corretta");
  EXPECT_EQ(reporter.entries[1].message, "Il comando di type non ha ricevuto una risposta corretta");
  // A transmission that fails is silent.
  ScriptedBoard deaf(pty, nullptr, &NoEcho);
  EXPECT_FALSE(mb.RequestVersion(100));
  EXPECT_EQ(reporter.entries.size(), 2u);
}

TEST_F(Settings, RotationIsAskedAndSetWithTheBoardsAnswer) {
  ScriptedBoard board(pty, [](const std::string& line) {
    if (line == "-2") return Now("-20\r");
    if (line == "-1") return Reply{{0us, "-"}, {3ms, "21\r"}};
    if (line == "-0") return Now("?\r");
    return Reply{};
  });
  ASSERT_TRUE(mb.RequestRotation(cMB90::kBoardInfoTimeout));
  EXPECT_EQ(mb.GetRotation(), 0);
  ASSERT_TRUE(mb.SetRotation(cMB90::kBoardInfoTimeout, 7));
  EXPECT_EQ(mb.GetRotation(), 1);
  ASSERT_TRUE(mb.SetRotation(cMB90::kBoardInfoTimeout, 0));
  EXPECT_EQ(mb.GetRotation(), 1);
  EXPECT_EQ(Wire(board), "-2\r-1\r-0\r");
  EXPECT_TRUE(reporter.entries.empty());
}

TEST_F(Settings, RotationFailureMessages) {
  {
    ScriptedBoard mute(pty, nullptr);
    EXPECT_FALSE(mb.RequestRotation(100));
    EXPECT_FALSE(mb.SetRotation(100, 1));
  }
  ScriptedBoard deaf(pty, nullptr, &NoEcho);
  EXPECT_FALSE(mb.RequestRotation(100));
  EXPECT_FALSE(mb.SetRotation(100, 0));
  ASSERT_EQ(reporter.entries.size(), 4u);
  EXPECT_EQ(reporter.entries[0].message, "Il comando di rotazione non ha ricevuto una risposta corretta");
  EXPECT_EQ(reporter.entries[1].message, "Il comando di Set rotazione non ha ricevuto una risposta corretta");
  EXPECT_EQ(reporter.entries[2].message,
            "Il comando di controllo rotazione non è stato trasmesso correttamente");
  EXPECT_EQ(reporter.entries[3].message, "Il comando di Set rotazione non è stato trasmesso correttamente");
}

TEST_F(Settings, TareDelayAndMagnetTypeGoOutAsWholeLines) {
  ScriptedBoard board(pty, nullptr, &EchoAll);
  EXPECT_TRUE(mb.SetTareDelay(0, 7, 1200, 80, 150));
  EXPECT_TRUE(mb.SetTareDelay(0, 15, 0, 94, 0));
  EXPECT_TRUE(mb.SetMagnetType(0, 1));
  EXPECT_TRUE(mb.SetMagnetType(0, 2));
  EXPECT_EQ(Wire(board), "-30070009399\r-30150009400\r-41\r-40\r");
  EXPECT_TRUE(reporter.entries.empty());
}

TEST_F(Settings, SetParenFillsBlanksAndReportsAFailedSend) {
  {
    ScriptedBoard board(pty, nullptr);
    EXPECT_TRUE(mb.SendSetParen(cMB90::kSetParenTimeout, "1 5 0100020003000400 5 6"));
    EXPECT_EQ(Wire(board), "(105001000200030004000506\r");
  }
  ScriptedBoard deaf(pty, nullptr, &NoEcho);
  EXPECT_FALSE(mb.SendSetParen(cMB90::kSetParenTimeout, "1"));
  ASSERT_EQ(reporter.entries.size(), 1u);
  EXPECT_EQ(reporter.entries[0].message, "Il comando ( non è stato trasmesso correttamente");
  EXPECT_TRUE(reporter.entries[0].beep);
}

std::string TareReply(const std::string& argument, int first, int count) {
  std::string r = "R" + argument;
  for (int j = 0; j < count; ++j)
    for (int line = 1; line <= 6; ++line) r += ZeroFill((first + j) * 10 + line, 4);
  return r + "\r";
}

TEST_F(Settings, TareTableIsReadFromTheFirstR) {
  ScriptedBoard board(
      pty,
      [](const std::string& line) {
        // Noise before the reply: positions count from the first "R".
        return Reply{{0us, "\x02?"}, {2ms, TareReply(line.substr(1), 1, 3)}};
      },
      &NoEcho);
  ASSERT_TRUE(mb.RequestTaraTazza(TaraTazzaArgument(1, 3), 3 * cMB90::kTareTicksPerCup));
  EXPECT_EQ(Wire(board), "R001003\r");
  rcTestTaraTazza t;
  mb.GetTestTaraTazza(t);
  EXPECT_EQ(t.Head, "001");
  EXPECT_EQ(t.At(0, 1), "0011");
  EXPECT_EQ(t.At(3, 2), "0024");  // cup 2, line 4
  EXPECT_EQ(t.At(5, 3), "0036");
  EXPECT_EQ(t.At(6, 1), "");
  EXPECT_EQ(t.At(0, 4), "");
  EXPECT_EQ(t.At(-1, 0), "");
  EXPECT_EQ(t.At(0, 512), "");
}

TEST(TareDecode, CupsPastTheTableAndShortRepliesStayInBounds) {
  rcTestTaraTazza t;
  // Cups 510..513 asked: 512 and 513 have no slot and must not spill into
  // the next line.
  DecodeTaraTazza("510004", TareReply("510004", 510, 4), t);
  EXPECT_EQ(t.At(0, 510), "5101");
  EXPECT_EQ(t.At(0, 511), "5111");
  EXPECT_EQ(t.At(1, 0), "");
  EXPECT_EQ(t.At(1, 1), "");
  // A reply cut short leaves short and empty entries.
  rcTestTaraTazza s;
  DecodeTaraTazza("001002", "R001002001100120\r", s);
  EXPECT_EQ(s.At(0, 1), "0011");
  EXPECT_EQ(s.At(1, 1), "0012");
  EXPECT_EQ(s.At(2, 1), "0\r");
  EXPECT_EQ(s.At(3, 1), "");
  EXPECT_EQ(s.At(0, 2), "");
  rcTestTaraTazza u;
  DecodeTaraTazza("abcxyz", "Rabcxyz00000000\r", u);
  EXPECT_EQ(u.Head, "abc");
  EXPECT_EQ(u, [] {
    rcTestTaraTazza e;
    e.Head = "abc";
    return e;
  }());
}

TEST_F(Settings, TareTableFailures) {
  {
    ScriptedBoard mute(
        pty, [](const std::string&) { return Now("001003\r"); }, &NoEcho);
    EXPECT_FALSE(mb.RequestTaraTazza("001003", 200));
  }
  mb.Close();
  EXPECT_FALSE(mb.RequestTaraTazza("001003", 200));
  ASSERT_EQ(reporter.entries.size(), 2u);
  EXPECT_EQ(reporter.entries[0].message, "Il comando R non ha ricevuto una risposta corretta");
  EXPECT_EQ(reporter.entries[1].message, "Il comando tara tazza non è andato a buon fine");
}

}  // namespace
}  // namespace kv7
