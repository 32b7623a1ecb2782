// Console figures against the simulated machine, offscreen:
//  - start-up: from creating the console to the window shown with the
//    start-up sequence run (database up when KV7_DB_* points at one);
//  - CPU of the idle console polling the board, as a share of one core;
//  - per tick: wall time, and the window thread's own CPU time, which is
//    the tick's work without the time spent waiting for the boards.

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "app/ConsoleApp.h"
#include "sim/SimProcess.h"
#include "support/TempDir.h"

namespace {

double ThreadCpuMs() {
  timespec ts{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

double ProcessCpuSeconds() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const int idleSeconds = argc > 1 ? std::atoi(argv[1]) : 30;

  kv7::test::TempDir dir;
  qputenv("KV7_CONFIG_DIR", QByteArray::fromStdString((dir / "config").string()));
  kv7::simtest::SimProcess sim({"--port-map", "--config-dir", (dir / "config").string()});

  struct QuietOperator : kv7::supervisor::Operator {
    void ShowMessage(const std::string& t) override { std::fprintf(stderr, "message: %s\n", t.c_str()); }
    bool AskYesNo(const std::string&) override { return false; }
    void Beep() override {}
  } op;

  auto t0 = std::chrono::steady_clock::now();
  kv7::app::ConsoleApp console(QStringList{}, dir.path(), &op);
  bool started = false;
  QObject::connect(&console.Window(), &kv7::ui::TMain::FormShow, [&] { started = true; });
  console.Window().show();
  if (!QTest::qWaitFor([&] { return started; }, 10000)) {
    std::fprintf(stderr, "the console did not start\n");
    return 1;
  }
  QApplication::processEvents();
  const double startupMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
  std::printf("start-up to window shown: %.1f ms\n", startupMs);

  if (!QTest::qWaitFor([&] { return console.Supervisor().State().boardKnown; }, 10000)) {
    std::fprintf(stderr, "the simulated board was not identified\n");
    return 1;
  }
  std::printf("board identified: %s\n", console.Window().windowTitle().toStdString().c_str());

  // Idle: the real event loop with Timer1 at 100 ms.
  const double cpu0 = ProcessCpuSeconds();
  const auto w0 = std::chrono::steady_clock::now();
  QTest::qWait(idleSeconds * 1000);
  const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - w0).count();
  const double cpu = ProcessCpuSeconds() - cpu0;
  std::printf("idle console polling for %.0f s: CPU %.2f %% of one core\n", wall, 100.0 * cpu / wall);

  // Tick by tick: 240 ticks (20 status polls) called directly.
  console.Window().Timer1()->stop();
  std::vector<double> pollWall, pollCpu, otherWall, otherCpu;
  for (int i = 0; i < 240; ++i) {
    const bool poll = console.Supervisor().State().pollDivider >= 12;
    const double c0 = ThreadCpuMs();
    const auto s0 = std::chrono::steady_clock::now();
    console.Supervisor().Timer1Timer();
    QApplication::processEvents();
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - s0).count();
    (poll ? pollWall : otherWall).push_back(ms);
    (poll ? pollCpu : otherCpu).push_back(ThreadCpuMs() - c0);
  }
  auto report = [](const char* what, std::vector<double>& wallMs, std::vector<double>& cpuMs) {
    std::sort(wallMs.begin(), wallMs.end());
    std::sort(cpuMs.begin(), cpuMs.end());
    std::printf("%-22s n=%3zu  wall median %6.2f ms max %6.2f ms | own CPU median %5.2f ms max %5.2f ms\n", what,
                wallMs.size(), wallMs[wallMs.size() / 2], wallMs.back(), cpuMs[cpuMs.size() / 2], cpuMs.back());
  };
  report("ticks with status poll", pollWall, pollCpu);
  report("other ticks", otherWall, otherCpu);
  return 0;
}
