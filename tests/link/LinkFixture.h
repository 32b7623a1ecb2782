#pragma once
// What the cMB90 tests share: a fast tick, a link opened on a fresh pty, and
// the helpers to wait for streamed records and build trace frames.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "link/ScriptedBoard.h"
#include "link/cMB90.h"

namespace kv7::test {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using Messages = std::vector<std::string>;

// A tenth of the real tick: the 1728 ms echo window becomes 172.8 ms.
constexpr std::chrono::nanoseconds kFastTick{86400};

class BoardLink : public ::testing::Test {
 protected:
  void SetUp() override { Reopen(kFastTick); }
  void Reopen(std::chrono::nanoseconds tick, bool open = true) {
    mb.reset();  // the port takes one opener at a time
    mb = std::make_unique<cMB90>(pty.SlavePath(), 19200, reporter, tick);
    if (open) {
      ASSERT_TRUE(mb->Open());
    }
  }
  Pty pty;
  RecordingReporter reporter;
  std::unique_ptr<cMB90> mb;
};

// Polls `take` until it yields or `within` passes.
template <typename F>
auto WaitFor(F take, std::chrono::milliseconds within = 2s) -> decltype(take()) {
  const auto deadline = Clock::now() + within;
  for (;;) {
    auto got = take();
    if (got || Clock::now() > deadline) return got;
    std::this_thread::sleep_for(2ms);
  }
}

inline std::string Digits4(int v) {
  char t[8];
  std::snprintf(t, sizeof t, "%04d", v % 10000);
  return t;
}

// A whole trace frame without its CR: cup, minimum, maximum, 101 samples.
inline std::string TraceFrame(int cup, int firstSample) {
  std::string f = "O" + Digits4(cup) + Digits4(firstSample) + Digits4(firstSample + 100);
  for (int k = 0; k < 101; ++k) f += Digits4(firstSample + k);
  return f;
}

}  // namespace kv7::test
