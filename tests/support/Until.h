#pragma once
// Runs `step` (one cycle of the logic under test) until `done` holds or
// `limit` passes, pausing briefly between cycles so the other side of a
// line can answer. True when `done` held.

#include <chrono>
#include <thread>

namespace kv7::test {

template <typename Step, typename Pred>
bool RepeatUntil(Step step, Pred done, std::chrono::milliseconds limit) {
  for (auto end = std::chrono::steady_clock::now() + limit; std::chrono::steady_clock::now() < end;) {
    step();
    if (done()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return false;
}

}  // namespace kv7::test
