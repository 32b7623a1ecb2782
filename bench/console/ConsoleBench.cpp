// Console figures against the simulated machine, offscreen:
//  - start-up: from creating the console to the window shown with the
//    start-up sequence run (database up when KV7_DB_* points at one);
//  - CPU of the idle console polling the board, as a share of one core;
//  - menu latency with the board answering and with the board silent.

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <thread>
#include <chrono>
#include <cstdio>
#include <vector>

#include "app/ConsoleApp.h"
#include "sim/SimProcess.h"
#include "support/TempDir.h"

namespace {

double ProcessCpuSeconds() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// Opening the "Lavorazione" menu 20 times, as a key press would: from the
// moment the request is posted to the window thread until the menu is shown.
void MenuLatency(const char* what, kv7::ui::TMain& w) {
  std::vector<double> ms;
  QMenu* menu = w.Menu("Lavorazione");
  for (int i = 0; i < 20; ++i) {
    const auto posted = std::chrono::steady_clock::now();
    std::thread key([&] {
      QMetaObject::invokeMethod(&w, [&] { menu->popup(w.mapToGlobal(QPoint(10, 10))); }, Qt::QueuedConnection);
    });
    key.join();
    if (!QTest::qWaitFor([&] { return menu->isVisible(); }, 30000)) std::fprintf(stderr, "menu not shown\n");
    ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - posted).count());
    menu->hide();
    QTest::qWait(400);
  }
  std::sort(ms.begin(), ms.end());
  std::printf("menu latency, %s: median %.1f ms, worst %.1f ms of %zu\n", what, ms[ms.size() / 2], ms.back(), ms.size());
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

  kv7::ui::TMain& w = console.Window();
  if (!QTest::qWaitFor([&] { return w.windowTitle().contains(" / "); }, 10000)) {
    std::fprintf(stderr, "the simulated board was not identified\n");
    return 1;
  }
  std::printf("board identified: %s\n", w.windowTitle().toStdString().c_str());

  // Idle: the machine thread polling at its 100 ms tick.
  const double cpu0 = ProcessCpuSeconds();
  const auto w0 = std::chrono::steady_clock::now();
  QTest::qWait(idleSeconds * 1000);
  const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - w0).count();
  const double cpu = ProcessCpuSeconds() - cpu0;
  std::printf("idle console polling for %.0f s: CPU %.2f %% of one core\n", wall, 100.0 * cpu / wall);

  MenuLatency("board answering", w);
  sim.Control("silence on");
  if (!QTest::qWaitFor([&] { return w.StatusPanelText(3) == "0 - Centralina off "; }, 20000)) {
    std::fprintf(stderr, "the silent board was not noticed\n");
    return 1;
  }
  MenuLatency("board silent", w);
  return 0;
}
