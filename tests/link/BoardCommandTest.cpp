// kv7ctl board end to end: the real program against a scripted board.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "link/ScriptedBoard.h"
#include "store/ConfigStore.h"
#include "support/FileText.h"
#include "support/Shell.h"
#include "support/TempDir.h"

namespace kv7 {
namespace {

using namespace std::chrono_literals;
using test::Now;
using test::Reply;
using test::ScriptedBoard;
using Lines = std::vector<std::string>;

using test::Outcome;

Outcome RunBoard(const std::string& arguments, const test::TempDir& config) {
  Outcome o = test::Shell("KV7_CONFIG_DIR='" + config.path().string() + "' " KV7CTL_PATH " board " + arguments +
                          " 2>'" + (config / "stderr.txt").string() + "'");
  o.err = test::Slurp(config / "stderr.txt");
  return o;
}

Reply Board(const std::string& line) {
  if (line == "A1") return Now("41203000010045\r");
  if (line == ">0") return Now("2.13\r");
  if (line == "R001002")
    return Now(
        "R001002"
        "0011 0120013001400150016"
        "0021002200230024002500 6"
        "\r");
  if (line == "N010") return Reply{{60ms, "N1001200015\rN2001300027\r"}, {60ms, "N3001400033\r"}};
  if (line == "S")
    return Reply{{0ms, "S\r"},
                 {80ms, "S3001200450178\r"},
                 {120ms, "S3001200450178\r"},  // unchanged: not printed again
                 {120ms, "S7000900100200\r"}};
  return {};
}

// Lines written in one piece ("Q", "R") are not echoed.
std::string Echo(const std::string& line, char b) {
  if (b == '\r' || (!line.empty() && (line[0] == 'Q' || line[0] == 'R')) || b == 'Q' || b == 'R') return {};
  return std::string(1, b);
}

class BoardCommand : public ::testing::Test {
 protected:
  // Waits until the board has seen `bytes` at the end of what it received.
  bool BoardGot(const std::string& bytes) {
    for (int i = 0; i < 200; ++i, std::this_thread::sleep_for(5ms)) {
      const std::string r = board.Received();
      if (r.size() >= bytes.size() && r.compare(r.size() - bytes.size(), bytes.size(), bytes) == 0)
        return true;
    }
    return false;
  }
  test::Pty pty;
  test::TempDir config;
  ScriptedBoard board{pty, &Board, &Echo};
  const std::string dev = "--device " + pty.SlavePath() + " ";
};

TEST_F(BoardCommand, PrintsTheDecodedFieldsAndExitsByTheResult) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"poll --alarm",
       "Stato=4\nNumProgramma=12\nCadenza=030\nAux=0\nNumTazza=001\nTazzeBad=0045\nFc1=\nFc2=\nFc3=\nFc4="
       "\nFc5=\n"},
      {"version", "Version=2.13\n"},
      {"tare-table 1 2",
       "Tara1.1=0011\nTara1.2= 012\nTara1.3=0013\nTara1.4=0014\nTara1.5=0015\nTara1.6=0016\n"
       "Tara2.1=0021\nTara2.2=0022\nTara2.3=0023\nTara2.4=0024\nTara2.5=0025\nTara2.6=00 6\n"},
  };
  for (const auto& [arguments, out] : cases) {
    const Outcome o = RunBoard(dev + arguments, config);
    EXPECT_EQ(o.status, 0) << arguments << o.err;
    EXPECT_EQ(o.out, out) << arguments;
  }
  // --port resolves through the port map of the store.
  store::ConfigStore map(store::ConfigStore::kDefaultRoot, config.path());
  ASSERT_TRUE(map.WriteString("ports", "COM7", pty.SlavePath()));
  const Outcome send = RunBoard("--port 7 send V 1", config);
  EXPECT_EQ(send.status, 0);
  EXPECT_EQ(send.out, "");
  // The last CR needs no echo: the program may end before the board has read it.
  EXPECT_TRUE(BoardGot("V1\r"));
}

TEST_F(BoardCommand, FailuresExitOneAndBadArgumentsTwoWithoutReachingTheBoard) {
  const std::vector<std::pair<std::string, int>> cases = {
      {dev + "poll", 1},  // "A0" gets no answer
      {dev + "values X", 2},
      {dev + "tare-table 500 20", 2},
      {dev + "set-rotation 2", 2},
      {"--port 100 version", 2},
      {dev + "frobnicate", 2},
      {"--device /dev/kv7-no-such-port version", 1},
      {dev + "stream encoder --seconds 5", 1},  // "T" gets no answer
      {dev + "stream mem 12", 2},
      {dev + "stream trace", 2},
      {dev + "stream empty 010 --count 0", 2},
      {dev + "stream calib 198 --seconds x", 2},
      {dev + "stream scope 1", 2},
  };
  for (const auto& [arguments, status] : cases) {
    const Outcome o = RunBoard(arguments, config);
    EXPECT_EQ(o.status, status) << arguments;
    if (arguments.find("encoder") != std::string::npos) {
      EXPECT_EQ(o.out, "");
      EXPECT_NE(o.err.find("Il comando T non ha ricevuto una risposta corretta"), std::string::npos) << o.err;
    }
  }
  EXPECT_EQ(board.Lines(), (Lines{"A0", "T"}));
}

TEST_F(BoardCommand, StreamsPrintEachRecordTakenAndStopWithTheAbortByte) {
  Outcome o = RunBoard(dev + "stream empty 010 --count 2", config);
  EXPECT_EQ(o.status, 0) << o.err;
  EXPECT_EQ(o.out,
            "Linea=1 NumTazza=0012 NumTazzaCopia=0012 Valore=00015\n"
            "Linea=2 NumTazza=0013 NumTazzaCopia=0013 Valore=00027\n");
  EXPECT_TRUE(BoardGot("N010\r\x1b"));
  // The memorised test prints the latest values only when they change.
  o = RunBoard(dev + "stream mem --seconds 0.8", config);
  EXPECT_EQ(o.status, 0) << o.err;
  EXPECT_EQ(o.out,
            "Linea=3 NumTazza=  12 Tara=  45 Netto= 178\n"
            "Linea=1 NumTazza=   9 Tara=  10 Netto= 200\n");
  EXPECT_TRUE(BoardGot("S\r\x1b"));
}

}  // namespace
}  // namespace kv7
