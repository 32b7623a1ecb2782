// The whole console with the start-up message open: the machine thread,
// waiting at the window-thread gate for the person, keeps polling the
// simulated board and the title names it while the box is still open.

#include <QTest>

#include <gtest/gtest.h>

#include "app/ConsoleApp.h"
#include "sim/SimProcess.h"
#include "store/TestDatabase.h"
#include "supervisor/ConsoleRecorder.h"
#include "support/TempDir.h"
#include "ui/QtTestApp.h"

namespace kv7::test {
namespace {

using Clock = std::chrono::steady_clock;

// Reads the title inside the box's own event loop, as a person would with
// the box in front of them, then presses OK.
class PersonReadingTheTitle : public ScriptedOperator {
 public:
  ui::TMain* window = nullptr;
  std::optional<Clock::duration> identifiedAfter;
  bool closed = false;
  void ShowMessage(const std::string& text) override {
    ScriptedOperator::ShowMessage(text);
    const auto opened = Clock::now();
    if (QTest::qWaitFor([&] { return window->windowTitle() == "KV7 Campionatrice / 2.13 : MB6-1"; }, 5000))
      identifiedAfter = Clock::now() - opened;
    closed = true;
  }
};

class ConsoleWatch : public TestDatabase {};

TEST_F(ConsoleWatch, TheBoardIsIdentifiedWhileTheStartupMessageWaits) {
  TempDir dir;
  TestApp();
  qputenv("KV7_CONFIG_DIR", QByteArray::fromStdString((dir / "config").string()));
  simtest::SimProcess sim({"--port-map", "--config-dir", (dir / "config").string()});
  PersonReadingTheTitle person;
  app::ConsoleApp app(QStringList{}, dir.path(), &person, Params());
  person.window = &app.Window();
  app.Window().show();
  ASSERT_TRUE(QTest::qWaitFor([&] { return person.closed; }, 15000));
  ASSERT_EQ(person.messages, std::vector<std::string>{"Bolla temporanea non presente!"});
  ASSERT_TRUE(person.identifiedAfter.has_value()) << app.Window().windowTitle().toStdString();
  EXPECT_LT(*person.identifiedAfter, std::chrono::seconds(3));
  app.Window().close();
  EXPECT_TRUE(QTest::qWaitFor([&] { return app.MachineStopped(); }, 10000));
}

}  // namespace
}  // namespace kv7::test
