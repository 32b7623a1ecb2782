// The whole console against kv7-sim, offscreen: a service window opened from
// the "Assistenza" menu shows the board's values while the console stays
// live, and closing it (Escape, title bar) takes the board out of its test,
// the line calibration's included, and lets the next status poll show the
// machine's state.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include "app/ConsoleApp.h"
#include "service/DisplayTests.h"
#include "service/TCalibrazione_Linee.h"
#include "service/TTestOscilloscopio.h"
#include "sim/SimProcess.h"
#include "supervisor/ConsoleRecorder.h"
#include "support/TempDir.h"
#include "ui/QtTestApp.h"

namespace kv7::test {
namespace {

TEST(ConsoleService, WindowsShowTheBoardAndTheirClosingGivesTheCycleBack) {
  TestApp();
  TempDir dir;
  qputenv("KV7_CONFIG_DIR", QByteArray::fromStdString((dir / "config").string()));
  simtest::SimProcess sim({"--port-map", "--config-dir", (dir / "config").string()});
  sim.Control("weights fixed:150");
  ScriptedOperator op;
  app::ConsoleApp app(QStringList{}, dir.path(), &op, store::DbParams{});
  ui::TMain& w = app.Window();
  w.show();
  ASSERT_TRUE(QTest::qWaitFor([&] { return w.StatusPanelText(3).startsWith("1 - "); }, 15000));

  auto* memorised = app.ServiceWindows().Window<service::TTestMem>();
  auto* scope = app.ServiceWindows().Window<service::TTestOscilloscopio>();
  auto* calibration = app.ServiceWindows().Window<service::TCalibrazione_Linee>();
  const std::string kappas = sim.Status()["kappas"];
  struct Case {
    void (ui::TMain::*menu)();
    QDialog* window;
    std::function<bool()> shown;
    std::function<void()> close;
    const char* state;
  } cases[] = {
      {&ui::TMain::Memorizzato1Click, memorised,
       [&] { return memorised->findChild<QLineEdit*>("Netto1")->text() == " 150"; },
       [&] { QTest::keyClick(memorised, Qt::Key_Escape); }, "2"},
      {&ui::TMain::Oscilloscopio1Click, scope,
       [&] {
         if (!scope->Capturing()) {
           scope->findChild<QSpinBox*>("UpDown2")->setValue(100);
           scope->findChild<QPushButton*>("Capture")->click();
         }
         return !scope->findChild<QLineEdit*>("Tazza")->text().isEmpty();
       },
       [&] { scope->close(); }, "3"},
      // Closed by the title bar while the board calibrates.
      {&ui::TMain::Calibrazione1Click, calibration,
       [&] {
         if (!calibration->Running()) calibration->findChild<QPushButton*>("Button1")->click();
         return sim.Status()["stream"] == "calibration";
       },
       [&] { calibration->close(); }, "1"},
  };
  for (const Case& c : cases) {
    op.answers = {true};
    emit(w.*c.menu)();
    ASSERT_TRUE(QTest::qWaitFor([&] { return c.window->isVisible(); }, 5000));
    ASSERT_TRUE(QTest::qWaitFor(c.shown, 10000)) << c.window->objectName().toStdString();
    EXPECT_NE(sim.Status()["stream"], "none");
    c.close();
    EXPECT_FALSE(c.window->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return sim.Status()["stream"] == "none"; }, 5000));
    sim.Control(std::string("state ") + c.state);
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.StatusPanelText(3).startsWith(c.state); }, 3000))
        << w.StatusPanelText(3).toStdString();
  }
  EXPECT_EQ(sim.Status()["kappas"], kappas) << "the calibration's kappas are not kept";
  w.close();
  EXPECT_TRUE(QTest::qWaitFor([&] { return app.MachineStopped(); }, 15000));
}

}  // namespace
}  // namespace kv7::test
