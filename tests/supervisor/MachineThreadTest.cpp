// The machine thread's rules: commands run in order between ticks and never
// beside one; a stop lets the running job end, drops what was not started,
// then closes; a thread that never started stops at once.

#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <mutex>
#include <stdexcept>
#include <string>

#include "supervisor/MachineThread.h"

namespace kv7::test {
namespace {

using namespace std::chrono_literals;
using supervisor::MachineThread;

TEST(MachineThread, CommandsRunInOrderBetweenTicksAndAStopClosesAfterTheRunningJob) {
  MachineThread machine(2ms);
  std::mutex m;
  std::string trace;
  std::atomic<int> busy{0}, overlaps{0}, ticks{0};
  auto job = [&](char c) {
    if (busy.fetch_add(1) != 0) ++overlaps;
    {
      std::lock_guard lock(m);
      trace += c;
    }
    --busy;
  };
  std::promise<void> inSlowJob, releaseSlowJob, closed;
  machine.Start({[&] { job('S'); },
                 [&] {
                   ++ticks;
                   job('.');
                 },
                 [&] { job('C'); }, [&] { closed.set_value(); }});
  for (char c : std::string("abcdef")) machine.Post([&job, c] { job(c); });
  machine.Post([&] {
    inSlowJob.set_value();
    releaseSlowJob.get_future().wait();
  });
  machine.Post([&] { job('x'); });
  inSlowJob.get_future().wait();
  const int ticksBefore = ticks;
  machine.RequestStop();  // while the slow job runs: 'x' is dropped
  EXPECT_FALSE(machine.Stopped());
  releaseSlowJob.set_value();
  ASSERT_EQ(closed.get_future().wait_for(5s), std::future_status::ready);
  machine.Stop();
  EXPECT_TRUE(machine.Stopped());
  EXPECT_EQ(ticks, ticksBefore) << "no tick after the stop";
  EXPECT_EQ(overlaps, 0);

  std::string letters;
  for (char c : trace)
    if (c != '.') letters += c;
  EXPECT_EQ(letters, "SabcdefC");
  machine.Post([&] { job('y'); });  // after the stop: never runs
  EXPECT_EQ(trace.back(), 'C');
}

// Whatever start-up, a tick or a command throws (an exception or not) goes
// to the failure handler, then the thread closes in order.
TEST(MachineThread, AThrowingJobIsReportedAndTheThreadClosesInOrder) {
  for (char thrower : std::string("STcn")) {
    std::string trace;  // machine thread only until the join
    std::promise<void> failed;
    auto job = [&](char c) {
      trace += c;
      if (c == thrower) c == 'n' ? throw 42 : throw std::runtime_error(std::string("guasto ") + c);
    };
    MachineThread machine(2ms);
    machine.SetFailureHandler([&](const std::string& what) { trace += "[" + what + "]", failed.set_value(); });
    machine.Start({[&] { job('S'); }, [&] { job('T'); }, [&] { job('C'); }, [&] { job('.'); }});
    for (char c : std::string("cn")) machine.Post([&job, c] { job(c); });
    ASSERT_EQ(failed.get_future().wait_for(5s), std::future_status::ready);
    machine.Stop();
    const std::string what = thrower == 'n' ? "unknown exception" : std::string("guasto ") + thrower;
    EXPECT_TRUE(trace.ends_with(thrower + ("[" + what + "]C."))) << trace;
  }
}

TEST(MachineThread, NeverStartedStopsAtOnce) {
  MachineThread machine;
  machine.Post([] { FAIL() << "runs without a thread"; });
  machine.Stop();
  EXPECT_TRUE(machine.Stopped());
  EXPECT_FALSE(machine.Running());
}

}  // namespace
}  // namespace kv7::test
