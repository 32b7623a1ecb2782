// The window stays live whatever the machine does: with the board silent
// (every poll spends its echo windows waiting), with the board answering,
// and while a program goes out block by block, a job posted to the window
// thread runs within 100 ms nearly every time.

#include <QTimer>

#include <gtest/gtest.h>

#include "app/ConsoleApp.h"
#include "app/WindowLatency.h"
#include "sim/SimProcess.h"
#include "supervisor/ConsoleRecorder.h"
#include "support/TempDir.h"
#include "ui/QtTestApp.h"

namespace kv7::test {
namespace {

using namespace std::chrono_literals;

class ConsoleLatency : public ::testing::Test {
 protected:
  void SetUp() override {
    TestApp();
    qputenv("KV7_CONFIG_DIR", QByteArray::fromStdString((dir_ / "config").string()));
    sim_ = std::make_unique<simtest::SimProcess>(
        std::vector<std::string>{"--port-map", "--config-dir", (dir_ / "config").string()});
    store::DbParams noDatabase;
    noDatabase.socket = (dir_ / "none.sock").string();
    app_ = std::make_unique<app::ConsoleApp>(QStringList{}, dir_.path(), &op_, noDatabase);
    app_->Window().show();
  }

  void ExpectLive(const char* what, std::chrono::milliseconds duration) {
    const LatencyFigures f = MeasureWindowLatency(app_->Window(), duration);
    ASSERT_GT(f.ms.size(), 100u) << what;
    EXPECT_LT(f.Percentile(99), 100.0) << what << ": worst " << f.Worst() << " ms over " << f.ms.size();
  }

  TempDir dir_;
  ScriptedOperator op_;
  std::unique_ptr<simtest::SimProcess> sim_;
  std::unique_ptr<app::ConsoleApp> app_;
};

TEST_F(ConsoleLatency, WindowAnswersWithTheBoardSilentAnsweringAndDuringADownload) {
  ui::TMain& w = app_->Window();
  ASSERT_TRUE(QTest::qWaitFor([&] { return w.windowTitle().contains(" / "); }, 10000));

  // Six blocks go out, one a tick, again and again.
  std::atomic<int> downloads{0};
  QTimer again;
  QObject::connect(&again, &QTimer::timeout, [&] {
    app_->Post([&] {
      auto& st = app_->Supervisor().State();
      if (st.downloadJob != 0) return;
      st.programBlocks.fill(std::string(51, '0'));
      st.downloadJob = 1;
      st.downloadStep = 1;
      st.downloadSubStep = 1;
      st.downloadProgress = 0;
      ++downloads;
    });
  });
  again.start(700);
  ExpectLive("board answering, program going out", 10s);
  again.stop();
  EXPECT_GE(downloads, 10);
  // Every block to a silent board waits out its echo windows: let the last
  // download end before the board goes quiet.
  std::atomic<bool> lastPostRun{false};
  app_->Post([&] { lastPostRun = true; });
  ASSERT_TRUE(QTest::qWaitFor([&] { return lastPostRun && w.StatusPanelText(2).endsWith("100 %"); }, 5000));

  sim_->Control("silence on");
  ASSERT_TRUE(QTest::qWaitFor([&] { return w.StatusPanelText(3) == "0 - Centralina off "; }, 20000))
      << w.StatusPanelText(3).toStdString();
  ExpectLive("board silent", 30s);

  // The shutdown waits for the poll in progress, then closes the links.
  w.close();
  EXPECT_TRUE(QTest::qWaitFor([&] { return app_->MachineStopped() && !w.isVisible(); }, 15000));
}

}  // namespace
}  // namespace kv7::test
