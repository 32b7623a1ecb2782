// kv7ctl board ... stream end to end: the real program against a scripted
// board that streams lines after the start command.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <thread>

#include "link/ScriptedBoard.h"
#include "support/TempDir.h"

namespace kv7 {
namespace {

using namespace std::chrono_literals;
using test::Now;
using test::Reply;
using test::ScriptedBoard;

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

Outcome RunStream(const std::string& device, const std::string& arguments, const test::TempDir& dir) {
  const std::string errFile = (dir / "stderr.txt").string();
  const std::string command = "KV7_CONFIG_DIR='" + dir.path().string() + "' " KV7CTL_PATH " board --device " +
                              device + " stream " + arguments + " 2>'" + errFile + "'";
  FILE* p = ::popen(command.c_str(), "r");
  Outcome o{-1, {}, {}};
  if (p == nullptr) return o;
  char buf[512];
  std::size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) o.out.append(buf, n);
  const int raw = ::pclose(p);
  o.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  std::ifstream err(errFile);
  o.err.assign(std::istreambuf_iterator<char>(err), std::istreambuf_iterator<char>());
  return o;
}

Reply Board(const std::string& line) {
  if (line == "N010") return Reply{{60ms, "N1001200015\rN2001300027\r"}, {60ms, "N3001400033\r"}};
  if (line == "S")
    return Reply{{0ms, "S\r"},
                 {80ms, "S3001200450178\r"},
                 {120ms, "S3001200450178\r"},  // unchanged: not printed again
                 {120ms, "S7000900100200\r"}};
  return {};
}

// Waits until the board has seen `bytes` at the end of what it received.
bool BoardGot(const ScriptedBoard& board, const std::string& bytes) {
  for (int i = 0; i < 200; ++i) {
    const std::string r = board.Received();
    if (r.size() >= bytes.size() && r.compare(r.size() - bytes.size(), bytes.size(), bytes) == 0) return true;
    std::this_thread::sleep_for(5ms);
  }
  return false;
}

TEST(BoardStreamCommand, PrintsEachRecordTakenAndStopsAfterTheCount) {
  test::Pty pty;
  test::TempDir dir;
  ScriptedBoard board(pty, &Board);
  const Outcome o = RunStream(pty.SlavePath(), "empty 010 --count 2", dir);
  EXPECT_EQ(o.status, 0) << o.err;
  EXPECT_EQ(o.out,
            "Linea=1 NumTazza=0012 NumTazzaCopia=0012 Valore=00015\n"
            "Linea=2 NumTazza=0013 NumTazzaCopia=0013 Valore=00027\n");
  EXPECT_TRUE(BoardGot(board, "N010\r\x1b")) << "stopped with the abort byte";
}

TEST(BoardStreamCommand, MemorisedTestPrintsLatestValuesOnlyWhenTheyChange) {
  test::Pty pty;
  test::TempDir dir;
  ScriptedBoard board(pty, &Board);
  const Outcome o = RunStream(pty.SlavePath(), "mem --seconds 0.8", dir);
  EXPECT_EQ(o.status, 0) << o.err;
  EXPECT_EQ(o.out,
            "Linea=3 NumTazza=  12 Tara=  45 Netto= 178\n"
            "Linea=1 NumTazza=   9 Tara=  10 Netto= 200\n");
  EXPECT_TRUE(BoardGot(board, "S\r\x1b"));
}

TEST(BoardStreamCommand, StartWithoutReplyExitsOneWithTheMessageAndBadArgumentsTwo) {
  test::Pty pty;
  test::TempDir dir;
  ScriptedBoard board(pty, nullptr);  // echoes, never answers
  const Outcome o = RunStream(pty.SlavePath(), "encoder --seconds 5", dir);
  EXPECT_EQ(o.status, 1);
  EXPECT_EQ(o.out, "");
  EXPECT_NE(o.err.find("Il comando T non ha ricevuto una risposta corretta"), std::string::npos) << o.err;

  for (const char* bad : {"mem 12", "trace", "empty 010 --count 0", "calib 198 --seconds x", "scope 1"})
    EXPECT_EQ(RunStream(pty.SlavePath(), bad, dir).status, 2) << bad;
  EXPECT_EQ(board.Lines(), std::vector<std::string>{"T"}) << "bad arguments never reach the board";
}

}  // namespace
}  // namespace kv7
