// How long a totals request takes against the simulator paced like a real
// 19200 baud line, compared with the line-time limit: per block the command
// "V2x" + CR out, its three echoes and the 121-byte block back, plus the
// protocol's Delay(10).

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <thread>
#include <vector>

#include "link/cMB90.h"
#include "sim/SimProcess.h"
#include "store/ConfigStore.h"
#include "supervisor/ConsoleRecorder.h"
#include "supervisor/Supervisor.h"

int main() {
  using Clock = std::chrono::steady_clock;
  const auto dir = std::filesystem::temp_directory_path() / ("kv7-totals-bench-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  kv7::store::ConfigStore store(kv7::store::ConfigStore::kDefaultRoot, dir / "config");
  store.WriteString("kv2", "porta_scarti", "99");
  kv7::simtest::SimProcess sim({"--pace", "--port-map", "--config-dir", (dir / "config").string()});
  kv7::test::ConsoleRecorder console;
  kv7::test::ScriptedOperator op;
  kv7::supervisor::Supervisor sup(console, op, store, nullptr, dir);
  sup.FormShow({});
  for (auto end = Clock::now() + std::chrono::seconds(10); !sup.State().controllerOn && Clock::now() < end;)
    sup.Timer1Timer();
  if (!sup.State().controllerOn) return std::fprintf(stderr, "the simulator did not answer\n"), 1;

  std::vector<double> runs;
  for (int i = 0; i < 10; ++i) {
    const auto t0 = Clock::now();
    sup.TotaliClick();
    runs.push_back(std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
  }
  std::sort(runs.begin(), runs.end());
  const double byteMs = 10000.0 / 19200;
  const double delayMs = std::chrono::duration<double, std::milli>(kv7::cMB90::kTick).count() * kv7::cMB90::kReplyDelay;
  const double limit = 6 * ((4 + 3 + 121) * byteMs + delayMs);
  std::printf("totals request (six blocks, paced 19200): median %.1f ms  max %.1f ms  limit %.1f ms  ratio %.3f\n",
              runs[runs.size() / 2], runs.back(), limit, runs[runs.size() / 2] / limit);
  std::filesystem::remove_all(dir);
  return 0;
}
