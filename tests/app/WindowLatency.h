#pragma once
// How long the window thread takes to answer: another thread posts a small
// job to it at a steady pace, as the keyboard and the mouse would, and the
// window thread notes how long each waited before it ran. The window thread
// runs its event loop meanwhile (this call returns after `duration`).

#include <QObject>
#include <QTest>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace kv7::test {

struct LatencyFigures {
  std::vector<double> ms;  // sorted
  double Percentile(double p) const {
    if (ms.empty()) return 0;
    const auto i = static_cast<std::size_t>(p / 100.0 * static_cast<double>(ms.size() - 1));
    return ms[i];
  }
  double Worst() const { return ms.empty() ? 0 : ms.back(); }
};

inline LatencyFigures MeasureWindowLatency(QObject& onWindowThread, std::chrono::milliseconds duration,
                                           std::chrono::milliseconds every = std::chrono::milliseconds(20)) {
  using Clock = std::chrono::steady_clock;
  struct Shared {
    std::mutex mutex;
    std::vector<double> ms;
  };
  auto shared = std::make_shared<Shared>();
  std::atomic<bool> stop{false};
  std::atomic<std::size_t> posted{0};
  std::thread poster([&, shared] {
    while (!stop) {
      ++posted;
      const auto posted = Clock::now();
      QMetaObject::invokeMethod(
          &onWindowThread,
          [shared, posted] {
            std::lock_guard lock(shared->mutex);
            shared->ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - posted).count());
          },
          Qt::QueuedConnection);
      std::this_thread::sleep_for(every);
    }
  });
  QTest::qWait(static_cast<int>(duration.count()));
  stop = true;
  poster.join();
  // The last jobs posted have run.
  if (!QTest::qWaitFor(
          [&] {
            std::lock_guard lock(shared->mutex);
            return shared->ms.size() == posted;
          },
          5000))
    return {};
  LatencyFigures f;
  {
    std::lock_guard lock(shared->mutex);
    f.ms = shared->ms;
  }
  std::sort(f.ms.begin(), f.ms.end());
  return f;
}

}  // namespace kv7::test
