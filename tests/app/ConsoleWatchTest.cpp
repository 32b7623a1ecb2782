// The whole console while a box waits for the person: the machine thread,
// waiting at the window-thread gate, keeps watching the simulated machine,
// and a command posted meanwhile waits for the answer. An exception from a
// command is told once and the console closes in order.

#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

#include "app/ConsoleApp.h"
#include "sim/SimProcess.h"
#include "store/TestDatabase.h"
#include "support/FileText.h"
#include "supervisor/ConsoleRecorder.h"
#include "support/TempDir.h"
#include "ui/QtTestApp.h"

namespace kv7::test {
namespace {

using Clock = std::chrono::steady_clock;

// Each box runs `reads` on the window thread, inside the box's own event
// loop (QTest::qWaitFor), as a person reading the screen before answering.
struct Person : ScriptedOperator {
  std::function<bool(const std::string&)> reads = [](const std::string&) { return false; };
  int answered = 0;
  void ShowMessage(const std::string& text) override { Box(text); }
  bool AskYesNo(const std::string& question) override { return Box(question); }
  bool Box(const std::string& text) {
    messages.push_back(text);
    const bool yes = reads(text);
    ++answered;
    return yes;
  }
};

class ConsoleWatch : public TestDatabase {
 protected:
  void SetUp() override {
    TestDatabase::SetUp();
    TestApp();
    qputenv("KV7_CONFIG_DIR", QByteArray::fromStdString((dir_ / "config").string()));
    sim_ = std::make_unique<simtest::SimProcess>(
        std::vector<std::string>{"--port-map", "--config-dir", (dir_ / "config").string()});
    app_ = std::make_unique<app::ConsoleApp>(QStringList{}, dir_.path(), &person_, Params());
  }
  void TearDown() override {
    app_.reset();
    TestDatabase::TearDown();
  }
  bool Waits(const std::function<bool()>& done) { return QTest::qWaitFor(done, 10000); }
  QString Title() { return app_->Window().windowTitle(); }

  TempDir dir_;
  Person person_;
  std::unique_ptr<simtest::SimProcess> sim_;
  std::unique_ptr<app::ConsoleApp> app_;
};

TEST_F(ConsoleWatch, UnderTheStartupMessageAndAQuestionTheMachineIsWatchedAndCommandsWait) {
  std::optional<Clock::duration> identifiedAfter;
  std::atomic<bool> commandRan{false};
  bool barcodeSeen = false, ranBeforeAnswer = true;
  person_.reads = [&](const std::string& text) {
    const auto opened = Clock::now();
    if (text == "Bolla temporanea non presente!" &&
        QTest::qWaitFor([&] { return Title() == "KV7 Campionatrice - Macchina 1 / 2.13 : MB6-1"; }, 5000))
      identifiedAfter = Clock::now() - opened;
    if (text != "I totali verranno azzerati, vuoi continuare ?") return false;
    app_->Post([&] { commandRan = true; });
    sim_->Control("barcode 8001234567890");
    barcodeSeen = Waits([&] { return app_->Window().Memo1()->toPlainText().contains("8001234567890"); });
    ranBeforeAnswer = commandRan;
    return false;
  };
  app_->Window().show();
  ASSERT_TRUE(Waits([&] { return person_.answered == 1; }));
  ASSERT_TRUE(identifiedAfter.has_value()) << Title().toStdString();
  EXPECT_LT(*identifiedAfter, std::chrono::seconds(3));
  app_->Post([this] { app_->Supervisor().Start1(); });
  ASSERT_TRUE(Waits([&] { return commandRan.load(); }));
  EXPECT_TRUE(barcodeSeen);
  EXPECT_FALSE(ranBeforeAnswer);
}

TEST_F(ConsoleWatch, AnExceptionIsLoggedToldOnceAndTheConsoleClosesInOrder) {
  app_->Window().show();
  ASSERT_TRUE(Waits([&] { return person_.answered == 1; }));
  app_->Post([this] {
    app_->Supervisor().State().boardProgram = 7;
    throw std::runtime_error("guasto di prova");
  });
  ASSERT_TRUE(Waits([&] { return app_->MachineStopped() && !app_->Window().isVisible(); }));
  EXPECT_EQ(person_.messages.back(), "Errore imprevisto: guasto di prova. Il programma viene chiuso.");
  EXPECT_EQ(person_.messages.size(), 2u) << "told once";
  const std::string log = Slurp(dir_ / "kv2.log");
  const auto failure = log.find("unexpected error: guasto di prova\r\n");
  ASSERT_NE(failure, std::string::npos) << log;
  EXPECT_NE(log.find("Stop Mb3\r\n", failure), std::string::npos) << "ports closed after the failure";
  store::CurrentSelection restart;
  ASSERT_TRUE(Db().LoadCurrentSelection(restart));
  EXPECT_EQ(restart.programNumber, 7);
}

}  // namespace
}  // namespace kv7::test
