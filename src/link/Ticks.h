#pragma once
// The time unit of the board links: one hundred-millionth of a day, 0.864 ms.
// Waits counted in ticks are elapsed-time waits on the monotonic clock, so a
// wait across midnight or a clock change ends like any other; they sleep
// rather than spin.

#include <chrono>
#include <cstdint>
#include <ratio>
#include <thread>

namespace kv7 {

using Ticks = std::chrono::duration<std::int64_t, std::ratio<864, 1000000>>;

inline void SleepTicks(std::uint32_t count) {
  const auto until = std::chrono::steady_clock::now() + Ticks(count);
  // sleep_until on the steady clock sleeps again after an early wake-up.
  std::this_thread::sleep_until(until);
}

}  // namespace kv7
