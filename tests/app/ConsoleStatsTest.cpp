// Bolle -> Statistiche on the whole console: the window opens on this
// season with the archive's figures read on the machine thread (producer
// names included), and a grouping chosen by keys comes back from there.

#include <QComboBox>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include "app/ConsoleApp.h"
#include "stats/TStatistiche.h"
#include "store/TestDatabase.h"
#include "supervisor/ConsoleRecorder.h"
#include "support/TempDir.h"
#include "ui/QtTestApp.h"

namespace kv7::test {
namespace {

class ConsoleStats : public TestDatabase {
 protected:
  void SetUp() override {
    TestDatabase::SetUp();
    TestApp();
    qputenv("KV7_CONFIG_DIR", QByteArray::fromStdString((dir_ / "config").string()));
  }

  void Batch(std::int64_t n, std::string producer, std::string program, const store::DbDateTime& when) {
    store::BatchRow row;
    row.num = n;
    row.data = when;
    row.produttore = std::move(producer);
    row.programma = std::move(program);
    row.tot[0][0] = 1000;
    Db().SaveBatchRow(row);
  }

  TempDir dir_;
  ScriptedOperator op_;
};

TEST_F(ConsoleStats, OpensOnTheSeasonAndRegroupsByKeys) {
  const store::DbDateTime now = store::DbDateTime::LocalNow();
  Batch(1, "3", "05", {now.year, 1, 1, 0, 0, 0});
  Batch(2, "12", "05", now);
  Batch(3, "12", "07", {now.year - 1, 12, 31, 23, 59, 59});  // last season
  Sql().Execute("INSERT INTO produttori (num, codice, descrizione) VALUES (1, '12', 'Rossi')");

  app::ConsoleApp app(QStringList{}, dir_.path(), &op_, Params());
  ui::TMain& w = app.Window();
  w.show();
  stats::TStatistiche& window = app.StatsWindow();
  w.Action("Statistiche1")->trigger();
  ASSERT_TRUE(QTest::qWaitFor([&] { return window.isVisible() && window.Shown().groups.size() == 2; }, 10000));
  EXPECT_EQ(window.Shown().total.batches, 2);
  EXPECT_EQ(window.Shown().groups[1].label, "Rossi");

  QTest::keyClick(window.Raggruppa(), Qt::Key_Down);  // by program
  QTest::keyClick(window.Raggruppa(), Qt::Key_Return);
  ASSERT_TRUE(QTest::qWaitFor([&] { return window.Shown().query.by == stats::Grouping::Program; }, 10000));
  ASSERT_EQ(window.Shown().groups.size(), 1u);
  EXPECT_EQ(window.Shown().groups[0].key, "05");
  QTest::keyClick(window.Griglia(), Qt::Key_Escape);
  EXPECT_FALSE(window.isVisible());
  w.close();
  EXPECT_TRUE(QTest::qWaitFor([&] { return app.MachineStopped(); }, 15000));
}

}  // namespace
}  // namespace kv7::test
