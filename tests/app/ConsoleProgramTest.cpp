// F2 from the keyboard on the whole console: the program list opens on the
// window thread while the machine thread waits, Enter picks the highlighted
// program and the simulated board receives it; the copies chosen in the
// program parameters reach the configuration store.

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "app/ConsoleApp.h"
#include "programs/ProgramArchive.h"
#include "programs/TListaProgrammi.h"
#include "programs/TParProg.h"
#include "store/ConfigStore.h"
#include "sim/SimProcess.h"
#include "store/TestDatabase.h"
#include "supervisor/ConsoleRecorder.h"
#include "support/TempDir.h"
#include "ui/QtTestApp.h"

namespace kv7::test {
namespace {

class ConsoleProgram : public TestDatabase {
 protected:
  void SetUp() override {
    TestDatabase::SetUp();
    TestApp();
    qputenv("KV7_CONFIG_DIR", QByteArray::fromStdString((dir_ / "config").string()));
    sim_ = std::make_unique<simtest::SimProcess>(
        std::vector<std::string>{"--port-map", "--config-dir", (dir_ / "config").string()});
  }

  TempDir dir_;
  ScriptedOperator op_;
  std::unique_ptr<simtest::SimProcess> sim_;
};

TEST_F(ConsoleProgram, F2ListPickedWithEnterPutsTheProgramOnTheBoard) {
  store::ProgramRecord r;
  r.description = "Susine";
  for (int q = 0; q < 4; ++q)
    for (int k = 0; k < 16; ++k) r.limit[q][k] = std::to_string(40 + 10 * k);
  programs::SaveProgram(Db(), r, "03", {});

  app::ConsoleApp app(QStringList{}, dir_.path(), &op_, Params());
  ui::TMain& w = app.Window();
  w.show();
  ASSERT_TRUE(QTest::qWaitFor([&] { return w.StatusPanelText(3).startsWith("1 - "); }, 15000))
      << w.StatusPanelText(3).toStdString();

  // The list runs its own modal loop, inside which this test would wait:
  // the operator's keys come from a timer, as they would from the keyboard.
  programs::TListaProgrammi& list = app.ProgramWindows().List();
  int listed = -1;
  bool liveWhileListed = false;
  QTimer operatorKeys;
  QObject::connect(&operatorKeys, &QTimer::timeout, [&] {
    if (!list.isVisible()) return;
    listed = list.ListaBox()->count();
    // The console window still follows the machine while the list is open.
    liveWhileListed = w.StatusPanelText(3).startsWith("1 - ");
    QTest::keyClick(list.ListaBox(), Qt::Key_Return);
    operatorKeys.stop();
  });
  operatorKeys.start(50);
  QTest::keyClick(&w, Qt::Key_F2);
  ASSERT_TRUE(QTest::qWaitFor([&] { return sim_->Status()["line1.program"] == "3"; }, 10000));
  EXPECT_EQ(listed, 1);
  EXPECT_TRUE(liveWhileListed);
  EXPECT_TRUE(QTest::qWaitFor([&] { return w.StatusPanelText(0) == "Susine"; }, 15000));
  EXPECT_EQ(w.PesoCal(1, 1)->text(), "0040-0050");

  // Program parameters: the third entry of "Numero Copie Bolle" is stored as 2.
  programs::TParProg& parameters = app.ProgramWindows().Parameters();
  QTimer parameterKeys;
  QObject::connect(&parameterKeys, &QTimer::timeout, [&] {
    if (!parameters.isVisible()) return;
    parameters.findChild<QComboBox*>("NumCopie")->setCurrentText("3");
    QTest::keyClick(parameters.findChild<QPushButton*>("Button1"), Qt::Key_Return);
    parameterKeys.stop();
  });
  parameterKeys.start(50);
  w.Programma2Click();
  const store::ConfigStore stored(store::ConfigStore::kDefaultRoot, dir_ / "config");
  EXPECT_TRUE(QTest::qWaitFor(
      [&] {
        stored.Reload();
        const auto v = stored.Find("kv2", "ncopie");
        return v && v->dword == 2;
      },
      10000));
  w.close();
  EXPECT_TRUE(QTest::qWaitFor([&] { return app.MachineStopped(); }, 15000));
}

}  // namespace
}  // namespace kv7::test
