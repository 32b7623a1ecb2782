#pragma once
// Runs `step` (one cycle of the logic under test) until `done` holds or
// `limit` passes. The cycles pace themselves: their exchanges wait for the
// other side's answer, so between them the loop only yields. True when
// `done` held.

#include <chrono>
#include <thread>

namespace kv7::test {

template <typename Step, typename Pred>
bool RepeatUntil(Step step, Pred done, std::chrono::milliseconds limit) {
  for (auto end = std::chrono::steady_clock::now() + limit; std::chrono::steady_clock::now() < end;) {
    step();
    if (done()) return true;
    std::this_thread::yield();
  }
  return false;
}

}  // namespace kv7::test
