// kv7ctl board end to end: the real program against a scripted board.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include "link/ScriptedBoard.h"
#include "store/ConfigStore.h"
#include "support/TempDir.h"

namespace kv7 {
namespace {

using test::Now;
using test::Reply;
using test::ScriptedBoard;

struct Outcome {
  int status;
  std::string out;
};

Outcome RunKv7ctl(const std::string& arguments, const test::TempDir& config) {
  const std::string command =
      "KV7_CONFIG_DIR='" + config.path().string() + "' " KV7CTL_PATH " board " + arguments + " 2>/dev/null";
  FILE* p = ::popen(command.c_str(), "r");
  Outcome o{-1, {}};
  if (p == nullptr) return o;
  char buf[512];
  std::size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) o.out.append(buf, n);
  const int raw = ::pclose(p);
  o.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
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
  return {};
}

// Lines written in one piece ("Q", "R") are not echoed.
std::string Echo(const std::string& line, char b) {
  if (b == '\r' || (!line.empty() && (line[0] == 'Q' || line[0] == 'R')) || b == 'Q' || b == 'R') return {};
  return std::string(1, b);
}

TEST(BoardCommand, PrintsTheDecodedFieldsAndExitsByTheResult) {
  test::Pty pty;
  test::TempDir config;
  ScriptedBoard board(pty, &Board, &Echo);
  const std::string dev = "--device " + pty.SlavePath() + " ";

  Outcome poll = RunKv7ctl(dev + "poll --alarm", config);
  EXPECT_EQ(poll.status, 0);
  EXPECT_EQ(poll.out,
            "Stato=4\nNumProgramma=12\nCadenza=030\nAux=0\nNumTazza=001\nTazzeBad=0045\n"
            "Fc1=\nFc2=\nFc3=\nFc4=\nFc5=\n");

  Outcome version = RunKv7ctl(dev + "version", config);
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "Version=2.13\n");

  Outcome tare = RunKv7ctl(dev + "tare-table 1 2", config);
  EXPECT_EQ(tare.status, 0);
  EXPECT_EQ(tare.out,
            "Tara1.1=0011\nTara1.2= 012\nTara1.3=0013\nTara1.4=0014\nTara1.5=0015\nTara1.6=0016\n"
            "Tara2.1=0021\nTara2.2=0022\nTara2.3=0023\nTara2.4=0024\nTara2.5=0025\nTara2.6=00 6\n");

  // --port resolves through the port map of the store.
  store::ConfigStore map(store::ConfigStore::kDefaultRoot, config.path());
  ASSERT_TRUE(map.WriteString("ports", "COM7", pty.SlavePath()));
  Outcome send = RunKv7ctl("--port 7 send V 1", config);
  EXPECT_EQ(send.status, 0);
  EXPECT_EQ(send.out, "");
  // The last CR needs no echo: the program may end before the board has read it.
  for (int i = 0; i < 100 && board.Lines().back() != "V1"; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  EXPECT_EQ(board.Lines().back(), "V1");
}

TEST(BoardCommand, FailuresAndBadArguments) {
  test::Pty pty;
  test::TempDir config;
  ScriptedBoard board(pty, &Board, &Echo);
  const std::string dev = "--device " + pty.SlavePath() + " ";
  EXPECT_EQ(RunKv7ctl(dev + "poll", config).status, 1);  // "A0" gets no answer
  EXPECT_EQ(RunKv7ctl(dev + "values X", config).status, 2);
  EXPECT_EQ(RunKv7ctl(dev + "tare-table 500 20", config).status, 2);
  EXPECT_EQ(RunKv7ctl(dev + "set-rotation 2", config).status, 2);
  EXPECT_EQ(RunKv7ctl("--port 100 version", config).status, 2);
  EXPECT_EQ(RunKv7ctl(dev + "frobnicate", config).status, 2);
  EXPECT_EQ(RunKv7ctl("--device /dev/kv7-no-such-port version", config).status, 1);
  // Bad arguments never reach the board.
  EXPECT_EQ(board.Lines(), std::vector<std::string>{"A0"});
}

}  // namespace
}  // namespace kv7
