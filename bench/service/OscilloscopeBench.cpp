// Oscilloscope figures, offscreen:
//  - redraw: one frame taken by the window and its chart painted, 500 frames;
//  - the whole console against kv7-sim (bytes at the line's baud rate) with
//    the oscilloscope capturing: frames shown per second and the process's
//    CPU as a share of one core.

#include <QApplication>
#include <QChartView>
#include <QLineSeries>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <vector>

#include "app/ConsoleApp.h"
#include "link/BoardSettings.h"
#include "service/TTestOscilloscopio.h"
#include "sim/SimProcess.h"
#include "support/TempDir.h"

namespace {

using kv7::service::TTestOscilloscopio;

double ProcessCpuSeconds() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

kv7::service::TraceFrame RandomFrame(std::mt19937& rng, int cup) {
  std::uniform_int_distribution<int> v(0, 1000);
  kv7::service::TraceFrame f;
  f.head = {kv7::ZeroFill(cup, 4), "0010", "0990"};
  for (int i = 0; i < 101; ++i) f.samples.push_back(kv7::ZeroFill(v(rng), 4));
  return f;
}

void Redraw() {
  TTestOscilloscopio w;
  w.Open({});
  w.Show(kv7::service::CaptureState{true});
  auto* view = w.findChild<QChartView*>("Chartfx1");
  std::mt19937 rng(1);
  std::vector<double> ms;
  for (int i = 0; i < 500; ++i) {
    const auto frame = RandomFrame(rng, i % 120 + 1);
    const auto t0 = std::chrono::steady_clock::now();
    w.Show(frame);
    (void)view->grab();  // the chart drawn whole, as a paint would
    ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
  }
  std::sort(ms.begin(), ms.end());
  std::printf("redraw per frame (take + chart painted), %zu frames: median %.2f ms, 95%% %.2f ms, worst %.2f ms\n",
              ms.size(), ms[ms.size() / 2], ms[ms.size() * 95 / 100], ms.back());
}

int Streaming(int seconds) {
  kv7::test::TempDir dir;
  qputenv("KV7_CONFIG_DIR", QByteArray::fromStdString((dir / "config").string()));
  kv7::simtest::SimProcess sim({"--port-map", "--config-dir", (dir / "config").string(), "--pace"});
  struct YesOperator : kv7::supervisor::Operator {
    void ShowMessage(const std::string& t) override { std::fprintf(stderr, "message: %s\n", t.c_str()); }
    bool AskYesNo(const std::string&) override { return true; }
    void Beep() override {}
  } op;
  kv7::app::ConsoleApp console(QStringList{}, dir.path(), &op);
  console.Window().show();
  if (!QTest::qWaitFor([&] { return console.Window().windowTitle().contains(" / "); }, 15000)) {
    std::fprintf(stderr, "the simulated board was not identified\n");
    return 1;
  }
  auto* scope = console.ServiceWindows().Window<TTestOscilloscopio>();
  emit console.Window().Oscilloscopio1Click();
  if (!QTest::qWaitFor([&] { return scope->isVisible(); }, 5000)) return 1;
  scope->findChild<QSpinBox*>("UpDown2")->setValue(100);
  int frames = 0;
  QObject::connect(scope->Weighed(), &QLineSeries::pointsReplaced, [&] { ++frames; });
  scope->findChild<QPushButton*>("Capture")->click();
  if (!QTest::qWaitFor([&] { return frames > 0; }, 5000)) {
    std::fprintf(stderr, "no frame arrived\n");
    return 1;
  }
  const int frames0 = frames;
  const double cpu0 = ProcessCpuSeconds();
  const auto w0 = std::chrono::steady_clock::now();
  QTest::qWait(seconds * 1000);
  const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - w0).count();
  const double cpu = ProcessCpuSeconds() - cpu0;
  std::printf("trace streaming for %.0f s: %.1f frames/s shown, console CPU %.2f %% of one core\n", wall,
              (frames - frames0) / wall, 100.0 * cpu / wall);
  scope->reject();
  const bool stopped = QTest::qWaitFor([&] { return sim.Status()["stream"] == "none"; }, 5000);
  std::printf("closed: board stream %s\n", stopped ? "stopped" : "STILL RUNNING");
  return stopped ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  Redraw();
  return Streaming(argc > 1 ? std::atoi(argv[1]) : 20);
}
