#include <gtest/gtest.h>

#include "ControllerLine.h"

using kv7::sim::ControllerLine;
using Kind = ControllerLine::Event::Kind;
using Commands = std::vector<std::string>;

namespace {

struct Fed {
  std::string echo;
  Commands commands;
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

TEST(ControllerLineEcho, EachCommandKindHasItsEchoRule) {
  enum Rule { kAllButCr, kWholeLine, kNone };
  const std::vector<std::pair<Rule, Commands>> groups = {
      {kAllButCr,
       {"A0", "V20", "V1", ">0", ">1", "-2", "-1", "C2081000", "Z", "U107", "S", "T", "N010", "P200",
        "(100010001000100010001000"}},
      // The console's line-echo buffer must equal the command with its CR.
      {kWholeLine, {"-30150009400", "-40", "-41", "O2300", "O11000"}},
      // Value and tare requests are written in one piece and not echoed.
      {kNone, {"Q", "R", "R001100"}},
  };
  for (const auto& [rule, commands] : groups) {
    for (const std::string& cmd : commands) {
      ControllerLine line;
      const Fed f = FeedBytes(line, cmd + "\r");
      EXPECT_EQ(f.echo, rule == kAllButCr ? cmd : rule == kWholeLine ? cmd + "\r" : "") << cmd;
      EXPECT_EQ(f.commands, Commands{cmd});
    }
  }
}

TEST(ControllerLineFraming, RetriesBareCrsAbortByteStreamingAndEndlessLines) {
  ControllerLine line;
  // A console that missed an echo ends the line with an extra CR and starts over.
  Fed f = FeedBytes(line, "A\rA0\r\r");
  EXPECT_EQ(f.commands, (Commands{"A", "A0"}));
  EXPECT_EQ(f.echo, "AA0");
  // ESC drops a half line and is echoed.
  f = FeedBytes(line,
                "V2\x1b"
                "V21\r");
  EXPECT_EQ(f.aborts, 1);
  EXPECT_EQ(f.commands, Commands{"V21"});
  EXPECT_EQ(f.echo, "V2\x1bV21");
  // Endless lines are dropped.
  f = FeedBytes(line, std::string(ControllerLine::kMaxLine + 10, '7') + "\rZ\r");
  EXPECT_EQ(f.commands, Commands{"Z"});
  // While streaming only the abort byte counts.
  line.SetStreaming(true);
  f = FeedBytes(line, "A0\r\r\x1b");
  EXPECT_TRUE(f.commands.empty());
  EXPECT_EQ(f.echo, "\x1b");
  EXPECT_EQ(f.aborts, 1);
}
