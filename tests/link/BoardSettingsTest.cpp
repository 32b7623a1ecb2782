// Version, type and rotation rules, the "-3" and "-4" settings, the "("
// download and the cup tare table.
#include "link/LinkFixture.h"

namespace kv7 {
namespace {

using namespace test;
using Settings = BoardLink;

TEST(SettingsFormat, ZeroFillingNumbersAndTheTareDelayClamps) {
  EXPECT_EQ(ZeroFill(7, 3), "007");
  EXPECT_EQ(ZeroFill(1234, 3), "1234");
  EXPECT_EQ(BlanksToZeros("1 5"), "105");
  EXPECT_EQ(TareDelayCommand(7, 1200, 80, 150), "-30070009399");
  EXPECT_EQ(TareDelayCommand(15, 0, 94, 0), "-30150009400");
  EXPECT_EQ(TareDelayCommand(255, 998, 85, 99), "-32559988599");
  EXPECT_EQ(TareDelayCommand(256, 999, 95, 100), "-30000009399");
  // Negative settings never put a minus sign on the wire.
  EXPECT_EQ(TareDelayCommand(-5, -1, -90, -7), "-30000009300");
  for (const char* notANumber : {"1x", "", "99999999999999999999999"}) EXPECT_EQ(TextToNumber(notANumber), 0);
  EXPECT_EQ(TextToNumber(" 12 "), 12);
}

TEST(SettingsFormat, TypeAndRotationFromTheRawReplies) {
  const std::vector<std::pair<std::string, int>> types = {
      {"12\r", 3}, {"10\r", 1}, {"11\r", 2},
      {"02\r", 0}, {"", 0},     {"1\r", '\r' - '/'}};  // the last: oldest board
  for (const auto& [reply, type] : types) EXPECT_EQ(BoardTypeFromReply(reply), type) << reply;
  const std::vector<std::pair<std::string, int>> rotations = {
      {"-20\r", 0}, {"0\r", 0}, {"-21\r", 1}, {"-2x\r", 1}, {"\r", 1}};
  for (const auto& [reply, rotation] : rotations) EXPECT_EQ(RotationFromReply(reply), rotation) << reply;
}

TEST_F(Settings, VersionAndTypeKeepTheRawReplyAndReportOnlyMissingReplies) {
  EXPECT_FALSE(mb->HasVersion());
  EXPECT_EQ(mb->GetType(), 0);
  std::string version = "unchanged";
  mb->GetVersion(version);
  EXPECT_EQ(version, "");
  {
    ScriptedBoard board(pty, [](const std::string& line) { return Now(line == ">0" ? "2.13\r" : "12\r"); });
    ASSERT_TRUE(mb->RequestVersion(cMB90::kBoardInfoTimeout));
    ASSERT_TRUE(mb->RequestType(cMB90::kBoardInfoTimeout));
    EXPECT_EQ(board.Settled(), ">0\r>1\r");
  }
  mb->GetVersion(version);
  EXPECT_EQ(version, "2.13");
  EXPECT_TRUE(mb->HasVersion());
  EXPECT_EQ(mb->GetType(), 3);
  {
    ScriptedBoard mute(pty, nullptr);
    EXPECT_FALSE(mb->RequestVersion(100));
    EXPECT_FALSE(mb->RequestType(100));
  }
  mb->GetVersion(version);
  EXPECT_EQ(version, "2.13") << "a failed request keeps the last version";
  // A transmission that fails is silent.
  ScriptedBoard deaf(pty, nullptr, &NoEcho);
  EXPECT_FALSE(mb->RequestVersion(100));
  EXPECT_EQ(reporter.Messages(), (Messages{"Il comando di versione non ha ricevuto una risposta corretta",
                                           "Il comando di type non ha ricevuto una risposta corretta"}));
}

TEST_F(Settings, RotationIsAskedAndSetWithTheBoardsAnswerAndFailuresHaveTheirMessages) {
  {
    ScriptedBoard board(pty, [](const std::string& line) {
      if (line == "-2") return Now("-20\r");
      if (line == "-1") return Reply{{0us, "-"}, {3ms, "21\r"}};
      return Now("?\r");
    });
    ASSERT_TRUE(mb->RequestRotation(cMB90::kBoardInfoTimeout));
    EXPECT_EQ(mb->GetRotation(), 0);
    ASSERT_TRUE(mb->SetRotation(cMB90::kBoardInfoTimeout, 7));
    EXPECT_EQ(mb->GetRotation(), 1);
    ASSERT_TRUE(mb->SetRotation(cMB90::kBoardInfoTimeout, 0));
    EXPECT_EQ(mb->GetRotation(), 1);
    EXPECT_EQ(board.Settled(), "-2\r-1\r-0\r");
  }
  EXPECT_TRUE(reporter.entries.empty());
  {
    ScriptedBoard mute(pty, nullptr);
    EXPECT_FALSE(mb->RequestRotation(100));
    EXPECT_FALSE(mb->SetRotation(100, 1));
  }
  ScriptedBoard deaf(pty, nullptr, &NoEcho);
  EXPECT_FALSE(mb->RequestRotation(100));
  EXPECT_FALSE(mb->SetRotation(100, 0));
  EXPECT_EQ(reporter.Messages(),
            (Messages{"Il comando di rotazione non ha ricevuto una risposta corretta",
                      "Il comando di Set rotazione non ha ricevuto una risposta corretta",
                      "Il comando di controllo rotazione non è stato trasmesso correttamente",
                      "Il comando di Set rotazione non è stato trasmesso correttamente"}));
}

TEST_F(Settings, TareDelayMagnetTypeAndParenDownloadOnTheWire) {
  {
    ScriptedBoard board(pty, nullptr, &EchoAll);
    EXPECT_TRUE(mb->SetTareDelay(0, 7, 1200, 80, 150));
    EXPECT_TRUE(mb->SetMagnetType(0, 1));
    EXPECT_TRUE(mb->SetMagnetType(0, 2));
    EXPECT_EQ(board.Settled(), "-30070009399\r-41\r-40\r");
  }
  {
    ScriptedBoard board(pty, nullptr);
    EXPECT_TRUE(mb->SendSetParen(cMB90::kSetParenTimeout, "1 5 0100020003000400 5 6"));
    EXPECT_EQ(board.Settled(), "(105001000200030004000506\r");
  }
  EXPECT_TRUE(reporter.entries.empty());
  ScriptedBoard deaf(pty, nullptr, &NoEcho);
  EXPECT_FALSE(mb->SendSetParen(cMB90::kSetParenTimeout, "1"));
  EXPECT_EQ(reporter.Messages(), Messages{"Il comando ( non è stato trasmesso correttamente"});
  EXPECT_TRUE(reporter.entries[0].beep);
}

std::string TareReply(const std::string& argument, int first, int count) {
  std::string r = "R" + argument;
  for (int j = 0; j < count; ++j)
    for (int line = 1; line <= 6; ++line) r += ZeroFill((first + j) * 10 + line, 4);
  return r + "\r";
}

TEST_F(Settings, TareTableIsReadFromTheFirstRAndFailuresHaveTheirMessages) {
  {
    // Noise before the reply: positions count from the first "R".
    ScriptedBoard board(
        pty,
        [](const std::string& line) {
          return Reply{{0us, "\x02?"}, {2ms, TareReply(line.substr(1), 1, 3)}};
        },
        &NoEcho);
    ASSERT_TRUE(mb->RequestTaraTazza(TaraTazzaArgument(1, 3), 3 * cMB90::kTareTicksPerCup));
    EXPECT_EQ(board.Settled(), "R001003\r");
  }
  rcTestTaraTazza t;
  mb->GetTestTaraTazza(t);
  EXPECT_EQ(t.Head, "001");
  EXPECT_EQ(t.At(0, 1), "0011");
  EXPECT_EQ(t.At(3, 2), "0024");  // cup 2, line 4
  EXPECT_EQ(t.At(5, 3), "0036");
  for (auto [line, cup] : {std::pair{6, 1}, {0, 4}, {-1, 0}, {0, 512}}) EXPECT_EQ(t.At(line, cup), "");
  {
    ScriptedBoard mute(
        pty, [](const std::string&) { return Now("001003\r"); }, &NoEcho);
    EXPECT_FALSE(mb->RequestTaraTazza("001003", 200));
  }
  mb->Close();
  EXPECT_FALSE(mb->RequestTaraTazza("001003", 200));
  EXPECT_EQ(reporter.Messages(), (Messages{"Il comando R non ha ricevuto una risposta corretta",
                                           "Il comando tara tazza non è andato a buon fine"}));
}

TEST(TareDecode, CupsPastTheTableAndShortRepliesStayInBounds) {
  rcTestTaraTazza t;
  // Cups 510..513 asked: 512 and 513 have no slot and must not spill into the next line.
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
  rcTestTaraTazza u, expected;
  DecodeTaraTazza("abcxyz", "Rabcxyz00000000\r", u);
  expected.Head = "abc";
  EXPECT_EQ(u, expected);
}

}  // namespace
}  // namespace kv7
