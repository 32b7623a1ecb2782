// The statistics window offscreen, driven by keys: what Enter asks for, the
// table and charts filled from a value, a producer chosen with the arrows
// asking for its weeks, the value columns only where prices exist, the CSV
// in the language's separators, the page over several sheets, Escape.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include <QBuffer>
#include <QLabel>
#include <QComboBox>
#include <QDateEdit>
#include <QPdfWriter>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

#include "reports/PageDrawing.h"
#include "stats/StatsCharts.h"
#include "stats/TStatistiche.h"
#include "ui/QtTestApp.h"

namespace {

using namespace kv7::stats;

// A group whose weighted grams are q1..q4 in class 2 and the reject.
GroupFigures Group(const char* key, const char* name, double q1, double q2, double q3, double q4, double reject) {
  GroupFigures g;
  g.key = key;
  g.label = name;
  g.batches = 2;
  g.declaredKg = 1500;
  g.sampledGrams = 123456;
  const double grams[] = {q1, q2, q3, q4};
  for (int q = 0; q < 4; ++q) {
    g.classGrams[std::size_t(q)][1] = grams[q];
    g.qualityGrams[std::size_t(q)] = grams[q];
  }
  g.qualityGrams[4] = reject;
  return g;
}

Statistics ByProducer() {
  Statistics s;
  s.query.by = Grouping::Producer;
  s.query.from = kv7::store::DbDateTime::Parse("2026-01-01");
  s.groups = {Group("3", "Rossi", 600, 200, 100, 0, 100), Group("7", "Verdi", 0, 500, 0, 0, 500),
              Group("12", "Bianchi", 250, 250, 250, 250, 0)};
  for (const auto& g : s.groups) s.total.Add(g);
  return s;
}

class StatsWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    kv7::test::TestApp();
    w_ = std::make_unique<TStatistiche>();
    w_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w_.get()));
  }
  std::unique_ptr<TStatistiche> w_;
};

TEST_F(StatsWindow, EnterAsksForTheGroupingChosenWithTheArrows) {
  QSignalSpy asked(w_.get(), &TStatistiche::Requested);
  w_->Raggruppa()->setFocus();
  QTest::keyClick(w_->Raggruppa(), Qt::Key_Down);  // producer -> program
  QTest::keyClick(w_->Raggruppa(), Qt::Key_Down);  // -> machine
  w_->Dal()->setDate(QDate(2026, 3, 1));
  w_->Al()->setDate(QDate(2026, 3, 31));
  QTest::keyClick(w_->Raggruppa(), Qt::Key_Return);
  ASSERT_EQ(asked.count(), 1);
  const auto q = asked.at(0).at(0).value<StatsQuery>();
  EXPECT_EQ(q.by, Grouping::Machine);
  EXPECT_EQ(q.from, kv7::store::DbDateTime::Parse("2026-03-01"));
  EXPECT_EQ(q.to, kv7::store::DbDateTime::Parse("2026-03-31 23:59:59"));
}

TEST_F(StatsWindow, ShowsGroupsAndFollowsTheChosenProducer) {
  QSignalSpy trend(w_.get(), &TStatistiche::TrendRequested);
  w_->Show(ByProducer());
  QTableWidget* t = w_->Griglia();
  ASSERT_EQ(t->rowCount(), 4);  // three groups and the totals line
  EXPECT_EQ(t->item(0, 5)->text(), "60,00");  // Q1 of "3": 600 of 1000 g, Italian mark
  EXPECT_EQ(t->item(3, 2)->text(), "6");      // six batches in all
  EXPECT_EQ(t->item(3, 3)->text(), "4.500");  // grouped thousands
  EXPECT_TRUE(t->isColumnHidden(10));         // no prices: no value columns
  EXPECT_EQ(w_->SharesChart()->Groups(), 3);
  EXPECT_DOUBLE_EQ(w_->SharesChart()->Share(4, 1), 50.0);  // reject of "7"
  EXPECT_DOUBLE_EQ(w_->ClassChart()->Share(0, 1), 60.0);   // first row chosen
  ASSERT_EQ(trend.count(), 1);
  EXPECT_EQ(trend.at(0).at(0).value<StatsQuery>().producer, "3");

  t->setFocus();
  QTest::keyClick(t, Qt::Key_Down);
  EXPECT_DOUBLE_EQ(w_->ClassChart()->Share(1, 1), 50.0);  // "7", quality 2
  ASSERT_EQ(trend.count(), 2);
  const auto weeksAsked = trend.at(1).at(0).value<StatsQuery>();
  EXPECT_EQ(weeksAsked.producer, "7");
  EXPECT_EQ(weeksAsked.by, Grouping::Week);

  Statistics weeks;
  weeks.query = weeksAsked;
  weeks.groups = {Group("2026-W02", "", 1, 0, 0, 0, 0), Group("2026-W03", "", 0, 1, 0, 0, 0),
                  Group("2026-W05", "", 0, 0, 1, 0, 0)};
  w_->ShowTrend(weeks);
  EXPECT_EQ(w_->TrendChart()->Weeks(), 3);
  weeks.query.producer = "3";  // a late answer for the producer left behind
  weeks.groups.pop_back();
  w_->ShowTrend(weeks);
  EXPECT_EQ(w_->TrendChart()->Weeks(), 3);
}

TEST_F(StatsWindow, ValueColumnsOnlyWherePricesExist) {
  Statistics s = ByProducer();
  s.groups[0].value = 1234.5;
  s.groups[0].valuePerKg = 0.823;
  w_->Show(s);
  EXPECT_FALSE(w_->Griglia()->isColumnHidden(10));
  EXPECT_EQ(w_->Griglia()->item(0, 10)->text(), "1.234,50");
  EXPECT_EQ(w_->Griglia()->item(1, 10)->text(), "");
}

TEST_F(StatsWindow, CsvInTheLanguagesSeparatorsWithAHeader) {
  w_->Show(ByProducer());
  const std::string csv = w_->CsvText();
  EXPECT_EQ(csv.rfind("gruppo;nome;bolle;kg_dichiarati;kg_campionati;perc_q1;", 0), 0u) << csv;
  EXPECT_NE(csv.find("\n3;Rossi;2;1500;123,5;60,00;20,00;10,00;0,00;10,00;0,00;60,00;"), std::string::npos) << csv;
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 4);  // header and three groups
}

TEST_F(StatsWindow, AnEmptyPeriodSaysSo) {
  Statistics empty;
  empty.query.by = Grouping::Week;
  w_->Show(empty);
  EXPECT_EQ(w_->Griglia()->rowCount(), 0);
  EXPECT_EQ(w_->SharesChart()->Groups(), 0);
  EXPECT_FALSE(w_->findChild<QLabel*>("Stato")->text().isEmpty());
}

TEST_F(StatsWindow, ThePageRunsOverSheetsWithEveryGroup) {
  Statistics s;
  for (int i = 1; i <= 150; ++i) {
    const std::string key = std::to_string(i);
    s.groups.push_back(Group(key.c_str(), "Produttore", 1, 1, 1, 1, 1));
    s.total.Add(s.groups.back());
  }
  w_->Show(s);
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter pdf(&buffer);
  const auto drawn = kv7::reports::DrawOnDevice(pdf, w_->PrintedPage(), {});
  EXPECT_GT(drawn.pages, 1);
  const auto drew = [&drawn](const char* text) {
    return std::any_of(drawn.texts.begin(), drawn.texts.end(), [text](const auto& t) { return t.text == text; });
  };
  EXPECT_TRUE(drew("1"));
  EXPECT_TRUE(drew("150"));  // the last group, on a later sheet
  EXPECT_TRUE(drew("300"));  // the totals line's batches
}

TEST_F(StatsWindow, EscapeCloses) {
  QTest::keyClick(w_->Griglia(), Qt::Key_Escape);
  EXPECT_FALSE(w_->isVisible());
}

}  // namespace
