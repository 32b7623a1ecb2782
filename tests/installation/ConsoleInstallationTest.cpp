// "&Calibratrice" on the whole console by keys: an empty password is refused
// by "Entra", the right one opens the window once for the whole run, and what
// "Salva" takes reaches the store and, as the new "C" text, the simulated
// board byte for byte, with the switched-off links staying absent and silent;
// a new service password typed twice is stored as its hash.

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "app/ConsoleApp.h"
#include "installation/TInstallazione.h"
#include "installation/Tpasswd.h"
#include "programs/ProgramArchive.h"
#include "sim/SimProcess.h"
#include "store/PasswordHash.h"
#include "store/TestDatabase.h"
#include "supervisor/ConsoleRecorder.h"
#include "support/TempDir.h"
#include "ui/QtTestApp.h"

namespace kv7::test {
namespace {

class ConsoleInstallation : public TestDatabase {
 protected:
  void SetUp() override {
    TestDatabase::SetUp();
    TestApp();
    qputenv("KV7_CONFIG_DIR", QByteArray::fromStdString((dir_ / "config").string()));
    sim_ = std::make_unique<simtest::SimProcess>(
        std::vector<std::string>{"--port-map", "--config-dir", (dir_ / "config").string()});
  }
  std::string Stored(const char* key) {
    store::ConfigStore s(store::ConfigStore::kDefaultRoot, dir_ / "config");
    return s.ReadString("kv2", key, "<none>");
  }

  TempDir dir_;
  ScriptedOperator op_;
  std::unique_ptr<simtest::SimProcess> sim_;
};

TEST_F(ConsoleInstallation, PasswordOnceThenSavedInstallationReachesTheBoard) {
  app::ConsoleApp app(QStringList{}, dir_.path(), &op_, Params());
  ui::TMain& w = app.Window();
  w.show();
  ASSERT_TRUE(QTest::qWaitFor([&] { return w.StatusPanelText(3).startsWith("1 - "); }, 15000));
  auto& password = app.InstallationWindows().Password();
  auto& window = app.InstallationWindows().Installation();
  // Program 3 on the board, line 2 grading quality 1 for now.
  store::ProgramRecord r;
  for (int q = 0; q < 4; ++q)
    for (int k = 0; k < 16; ++k) r.limit[q][k] = std::to_string(100 * (q + 1) + k);
  programs::SaveProgram(Db(), r, "03", {});
  auto limitsOf = [](int q) {
    std::string out;
    for (int k = 0; k < 16; ++k) out += (k ? "," : "") + std::to_string(100 * q + k);
    return out;
  };
  app.Post([&app] { app.Supervisor().LoadProgram(3); });
  ASSERT_TRUE(QTest::qWaitFor([&] { return sim_->Status()["line2.limits"] == limitsOf(1); }, 10000));
  op_.answers = {true, true};
  op_.messages.clear();  // the start-up's own (no restart record in a new archive)

  // The windows run their own modal loops: the technician's keys come from a timer.
  std::vector<QString> typed{"", "0"};
  int windowsShown = 0;
  QTimer keys;
  QObject::connect(&keys, &QTimer::timeout, [&] {
    if (password.isVisible() && !typed.empty()) {
      QTest::keyClicks(password.passwd(), typed.front());
      typed.erase(typed.begin());
      QTest::keyClick(password.passwd(), Qt::Key_Return);
    } else if (window.isVisible() && ++windowsShown == 1) {
      window.ComSel(installation::kBarcodePort)->setCurrentIndex(0);  // "non abilitata"
      window.ComSel(installation::kRejectPort)->setCurrentIndex(0);
      window.tiptara()->setCurrentIndex(window.tiptara()->findText("TARA INC.(4gr)"));
      window.findChild<QComboBox*>("Comboq2")->setCurrentIndex(1);  // "Qualità2"
      QTest::keyClicks(window.NewPassword(0), "nuova");
      QTest::keyClicks(window.NewPassword(1), "nuova");
      window.pgest()->selectAll();
      QTest::keyClicks(window.pgest(), "abc");
      QTest::keyClick(window.pgest(), Qt::Key_Return);
    } else if (window.isVisible() && windowsShown == 2) {
      QTest::keyClick(&window, Qt::Key_Escape);
    }
  });
  keys.start(30);

  w.Action("Impostazione1")->trigger();
  ASSERT_TRUE(QTest::qWaitFor([&] { return typed.size() == 1 && !password.isVisible(); }, 10000));
  w.Action("Impostazione1")->trigger();
  ASSERT_TRUE(QTest::qWaitFor([&] { return Stored("lev_dtara") == "4"; }, 10000));
  EXPECT_EQ(Stored("taratazza"), "S");
  EXPECT_EQ(Stored("tarainc"), "S");
  EXPECT_EQ(Stored("point gest"), " 0");
  EXPECT_EQ(Stored("porta_aux"), "0");
  EXPECT_EQ(Stored("porta_scarti"), "0");
  EXPECT_TRUE(store::password_hash::IsHash(Stored("password_inst")));
  EXPECT_TRUE(store::password_hash::Verify("nuova", Stored("password_inst")));

  store::Configuration expected;
  store::ApplyConfiguration(expected, store::ConfigStore(store::ConfigStore::kDefaultRoot, dir_ / "config"), false);
  ASSERT_EQ(expected.InstallString.substr(expected.InstallString.size() - 3), "450");
  EXPECT_TRUE(QTest::qWaitFor([&] { return sim_->Status()["install_text"] == expected.InstallString; }, 15000))
      << sim_->Status()["install_text"];
  // The program goes out again after the installation, with line 2's new quality.
  EXPECT_TRUE(QTest::qWaitFor([&] { return sim_->Status()["line2.limits"] == limitsOf(2); }, 15000));

  // Accepted once: no warning and no password the next time.
  w.Action("Impostazione1")->trigger();
  ASSERT_TRUE(QTest::qWaitFor([&] { return windowsShown == 2 && !window.isVisible(); }, 10000));
  EXPECT_EQ(op_.questions.size(), 2u);
  EXPECT_TRUE(op_.messages.empty()) << op_.messages.front();
  w.close();
  EXPECT_TRUE(QTest::qWaitFor([&] { return app.MachineStopped(); }, 15000));
}

}  // namespace
}  // namespace kv7::test
