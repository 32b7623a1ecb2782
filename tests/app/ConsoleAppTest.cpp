// The console as the operator sees it, on the offscreen platform, driving
// the simulated machine: the title names the board once it is identified,
// the status bar follows the board and the reject station, barcode lines
// reach Memo1, the error map shows the station's error flags, and closing
// the window closes the links and logs the stop.

#include <QLabel>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTest>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "support/FileText.h"
#include "app/ConsoleApp.h"
#include "link/cSrd12.h"
#include "sim/SimProcess.h"
#include "supervisor/ConsoleRecorder.h"
#include "support/TempDir.h"
#include "ui/QtTestApp.h"
#include "ui/TAboutBox.h"
#include "ui/TErr_map.h"

#include <QCheckBox>

namespace kv7::test {
namespace {

using namespace std::chrono_literals;

using kv7::test::Slurp;

class ConsoleAppWithSim : public ::testing::Test {
 protected:
  void SetUp() override {
    TestApp();
    qputenv("KV7_CONFIG_DIR", QByteArray::fromStdString((dir_ / "config").string()));
    sim_ = std::make_unique<simtest::SimProcess>(
        std::vector<std::string>{"--port-map", "--config-dir", (dir_ / "config").string()});
    store::DbParams noDatabase;
    noDatabase.socket = (dir_ / "none.sock").string();
    app_ = std::make_unique<app::ConsoleApp>(QStringList{}, dir_.path(), &op_, noDatabase);
    app_->Window().resize(1280, 1024);
    app_->Window().show();
  }

  bool WaitFor(const std::function<bool()>& done, int ms = 10000) { return QTest::qWaitFor(done, ms); }

  TempDir dir_;
  ScriptedOperator op_;
  std::unique_ptr<simtest::SimProcess> sim_;
  std::unique_ptr<app::ConsoleApp> app_;
};

TEST_F(ConsoleAppWithSim, TitleStatusBarBarcodeAndErrorMapFollowTheMachine) {
  ui::TMain& w = app_->Window();
  ASSERT_TRUE(WaitFor([&] { return w.windowTitle() == "KV7 Campionatrice - Macchina 1 / 2.13 : MB6-1"; })) << w.windowTitle().toStdString();
  ASSERT_TRUE(WaitFor([&] { return w.StatusPanelText(4) == "0 - SCARTI ON "; })) << w.StatusPanelText(4).toStdString();
  EXPECT_TRUE(WaitFor([&] { return w.ControllerOn(); }, 2000));
  EXPECT_EQ(w.StatusPanelText(2), "set Encoder antiorario");
  // No "mb3.az" here: the console shows the default company header.
  EXPECT_TRUE(w.CompanyHeader()->text().startsWith("KV7 Campionatrice\n")) << w.CompanyHeader()->text().toStdString();

  sim_->Control("barcode 8001234567890");
  ASSERT_TRUE(WaitFor([&] { return w.Memo1()->toPlainText().contains("8001234567890"); }));

  // The station reports an error: its box is ticked in the map.
  sim_->Control("reject-error 05 1");
  ASSERT_TRUE(WaitFor([&] {
    // The map is filled from the flags the machine thread read last.
    app_->ShowErrorMap(false);
    return QTest::qWaitFor([&] { return app_->ErrorMap().isVisible(); }, 2000) && app_->ErrorMap().Box(5) &&
           app_->ErrorMap().Box(5)->isChecked();
  }));
  EXPECT_FALSE(app_->ErrorMap().Box(0)->isChecked());
  app_->ErrorMap().close();

  // Unplugging the board: "Centralina off", then identified again.
  sim_->Control("disconnect");
  ASSERT_TRUE(WaitFor([&] { return w.StatusPanelText(3) == "0 - Centralina off "; }, 30000)) << w.StatusPanelText(3).toStdString();
  EXPECT_TRUE(WaitFor([&] { return !w.ControllerOn(); }, 2000));
  w.setWindowTitle("KV7 Campionatrice");
  sim_->Control("reconnect");
  ASSERT_TRUE(WaitFor([&] { return w.windowTitle() == "KV7 Campionatrice - Macchina 1 / 2.13 : MB6-1"; }));

  // Closing asks the machine thread to stop; the window goes once the links
  // are closed, and a window left open beside it goes too.
  app_->ErrorMap().show();
  w.close();
  ASSERT_TRUE(WaitFor([&] { return app_->MachineStopped() && !w.isVisible(); }));
  EXPECT_FALSE(app_->ErrorMap().isVisible());
  const std::string log = Slurp(dir_ / "kv2.log");
  EXPECT_NE(log.find("start MB3\r\n"), std::string::npos);
  EXPECT_NE(log.find("init Mb6 board\r\n"), std::string::npos);
  EXPECT_NE(log.find("Stop Mb3\r\n"), std::string::npos);
  EXPECT_EQ(app_->Supervisor().controller(), nullptr);
}

TEST(AboutBox, VersionTextsAndCustomerPicture) {
  TestApp();
  TempDir dir;
  ui::TAboutBox box;
  box.Prepare({}, "Costruttore", QString::fromStdString(dir.path().string()));
  EXPECT_EQ(box.Version()->text(), "Versione : 0.0.0");
  EXPECT_EQ(box.ProductName()->text(), "Nome Prodotto : MB3Win");
  EXPECT_EQ(box.Comments()->text(), "Programma Gestione Calibratrice");
  EXPECT_EQ(box.Legal()->text(), "Costruttore");

  box.Prepare({"1.2.3", "KV7", "note", "legale"}, "x", QString::fromStdString(dir.path().string()));
  EXPECT_EQ(box.Version()->text(), "Versione : 1.2.3");
  EXPECT_EQ(box.ProductName()->text(), "Nome Prodotto : KV7");

  const QString d = QString::fromStdString(dir.path().string());
  std::ofstream(dir / "cliente.bmp") << "x";
  EXPECT_TRUE(ui::TAboutBox::CustomerPicture(d).isEmpty()) << "no customer logo at this site";
  std::ofstream(dir / "customer.bmp") << "x";
  EXPECT_EQ(ui::TAboutBox::CustomerPicture(d), d + "/cliente.bmp");
  std::ofstream(dir / "cliente.jpg") << "x";
  EXPECT_EQ(ui::TAboutBox::CustomerPicture(d), d + "/cliente.jpg");
}

}  // namespace
}  // namespace kv7::test
