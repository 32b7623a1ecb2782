#include <gtest/gtest.h>

#include "ControllerLine.h"

using kv7::sim::ControllerLine;
using Kind = ControllerLine::Event::Kind;

namespace {

struct Fed {
  std::string echo;
  std::vector<std::string> commands;
  int aborts = 0;
};

// Feeds the bytes one at a time, as the console's per-byte transmit does.
Fed FeedBytes(ControllerLine& line, const std::string& bytes) {
  Fed f;
  for (char b : bytes) {
    for (auto& ev : line.Feed(std::string(1, b))) {
      if (ev.kind == Kind::Echo) f.echo += ev.bytes;
      if (ev.kind == Kind::Command) f.commands.push_back(ev.bytes);
      if (ev.kind == Kind::Abort) ++f.aborts;
    }
  }
  return f;
}

}  // namespace

TEST(ControllerLineEcho, PerByteCommandsEchoAllButTheCr) {
  for (std::string cmd : {"A0", "V20", "V1", ">0", ">1", "-2", "-1", "C2081000", "Z", "U107", "S", "T", "N010",
                          "P200", "(100010001000100010001000"}) {
    ControllerLine line;
    Fed f = FeedBytes(line, cmd + "\r");
    EXPECT_EQ(f.echo, cmd) << cmd;
    ASSERT_EQ(f.commands.size(), 1u) << cmd;
    EXPECT_EQ(f.commands[0], cmd);
  }
}

TEST(ControllerLineEcho, WholeLineCommandsEchoTheCrToo) {
  for (std::string cmd : {"-30150009400", "-40", "-41", "O2300", "O11000"}) {
    ControllerLine line;
    Fed f = FeedBytes(line, cmd + "\r");
    EXPECT_EQ(f.echo, cmd + "\r") << "the console's line-echo buffer must equal the command";
    ASSERT_EQ(f.commands.size(), 1u);
    EXPECT_EQ(f.commands[0], cmd);
  }
}

TEST(ControllerLineEcho, ValueAndTareRequestsAreNotEchoed) {
  for (std::string cmd : {"Q", "R", "R001100"}) {
    ControllerLine line;
    Fed f = FeedBytes(line, cmd + "\r");
    EXPECT_TRUE(f.echo.empty()) << cmd;
    ASSERT_EQ(f.commands.size(), 1u);
    EXPECT_EQ(f.commands[0], cmd);
  }
}

TEST(ControllerLineFraming, RetriesBareCrsAndAbortByte) {
  ControllerLine line;
  // A console that missed an echo ends the line with an extra CR and starts over.
  Fed f = FeedBytes(line, "A\rA0\r\r");
  EXPECT_EQ(f.commands, (std::vector<std::string>{"A", "A0"}));
  EXPECT_EQ(f.echo, "AA0");
  // ESC drops a half line and is echoed.
  f = FeedBytes(line, "V2\x1b" "V21\r");
  EXPECT_EQ(f.aborts, 1);
  EXPECT_EQ(f.commands, (std::vector<std::string>{"V21"}));
  EXPECT_EQ(f.echo, "V2\x1bV21");
}

TEST(ControllerLineFraming, WhileStreamingOnlyTheAbortByteCounts) {
  ControllerLine line;
  line.SetStreaming(true);
  Fed f = FeedBytes(line, "A0\r\r\x1b");
  EXPECT_TRUE(f.commands.empty());
  EXPECT_EQ(f.echo, "\x1b");
  EXPECT_EQ(f.aborts, 1);
}

TEST(ControllerLineFraming, EndlessLinesAreDropped) {
  ControllerLine line;
  std::string noise(ControllerLine::kMaxLine + 10, '7');
  Fed f = FeedBytes(line, noise + "\rZ\r");
  EXPECT_EQ(f.commands, (std::vector<std::string>{"Z"}));
}
