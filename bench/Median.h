#pragma once
// The median time of `runs` calls of `f`, in milliseconds: one slow run on a
// busy machine does not move it.

#include <algorithm>
#include <chrono>
#include <vector>

namespace kv7::bench {

template <typename F>
double MedianMs(int runs, F&& f) {
  std::vector<double> ms;
  for (int i = 0; i < runs; ++i) {
    const auto t0 = std::chrono::steady_clock::now();
    f();
    ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
  }
  std::sort(ms.begin(), ms.end());
  return ms[ms.size() / 2];
}

}  // namespace kv7::bench
