#pragma once
// The console's link objects against a running kv7-sim whose lines are found
// through the port map, as the console finds them.

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "link/Reporter.h"
#include "sim/SimFixtures.h"
#include "sim/SimProcess.h"
#include "store/ConfigStore.h"
#include "support/TempDir.h"

namespace kv7::simtest {

class Recorder : public Reporter {
 public:
  void Report(const std::string& message, bool) override { messages.push_back(message); }
  std::vector<std::string> messages;
};

// Polls `take` until it yields or `within` passes.
template <typename F>
auto Await(F take, std::chrono::milliseconds within = 3000ms) -> decltype(take()) {
  const auto deadline = std::chrono::steady_clock::now() + within;
  for (;;) {
    auto got = take();
    if (got || std::chrono::steady_clock::now() > deadline) return got;
    std::this_thread::sleep_for(10ms);
  }
}

class SimLinkTest : public ::testing::Test {
 protected:
  explicit SimLinkTest(std::vector<std::string> args)
      : sim_(std::move(args), {{"KV7_CONFIG_DIR", dir_.path().string()}}),
        store_(store::ConfigStore::kDefaultRoot, dir_.path()) {}
  test::TempDir dir_;
  SimProcess sim_;
  store::ConfigStore store_;
  Recorder reporter_;
};

}  // namespace kv7::simtest
