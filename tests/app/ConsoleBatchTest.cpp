// F3 from the keyboard on the whole console: "Dati Bolla" opens on the
// window thread while the machine thread waits, takes keys, and Escape
// cancels it; the data go back to the machine thread (number restored, the
// lot kept as typed) and the next F3 shows them.

#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "app/ConsoleApp.h"
#include "batches/TModDati.h"
#include "store/TestDatabase.h"
#include "supervisor/ConsoleRecorder.h"
#include "support/TempDir.h"
#include "ui/QtTestApp.h"

namespace kv7::test {
namespace {

class ConsoleBatch : public TestDatabase {
 protected:
  void SetUp() override {
    TestDatabase::SetUp();
    TestApp();
    qputenv("KV7_CONFIG_DIR", QByteArray::fromStdString((dir_ / "config").string()));
  }

  TempDir dir_;
  ScriptedOperator op_;
};

TEST_F(ConsoleBatch, F3OpensTheProcessingDataAndEscapeCancelsIt) {
  app::ConsoleApp app(QStringList{}, dir_.path(), &op_, Params());
  ui::TMain& w = app.Window();
  w.show();
  batches::TModDati& data = app.BatchWindows().ProcessingData();

  // The second round shows the lot the first one typed before Escape.
  const struct {
    const char *shownLot, *typedLot;
  } rounds[] = {{"", "L5"}, {"L5", ""}};
  for (const auto& r : rounds) {
    // The window runs modally inside the window thread's event loop: the
    // keys are given from a timer that keeps firing while it is open.
    QString shownNumber, shownLot, typedNumber;
    bool handled = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
      if (handled || !data.isVisible()) return;
      handled = true;
      shownNumber = data.Field("Numero")->text();
      shownLot = data.Field("Lotto")->text();
      QTest::keyClicks(data.Field("Numero"), "X9");
      typedNumber = data.Field("Numero")->text();
      data.Field("Lotto")->setText(r.typedLot);
      QTest::keyClick(&data, Qt::Key_Escape);
    });
    poll.start(10);
    QTest::keyClick(&w, Qt::Key_F3);
    ASSERT_TRUE(QTest::qWaitFor([&] { return handled && !data.isVisible(); }, 5000));
    EXPECT_EQ(shownNumber, "");
    EXPECT_EQ(shownLot, r.shownLot);
    EXPECT_EQ(typedNumber, "X9");
    EXPECT_EQ(w.numBolla()->text(), "");
  }
  w.close();
  EXPECT_TRUE(QTest::qWaitFor([&] { return app.MachineStopped(); }, 15000));
}

}  // namespace
}  // namespace kv7::test
