// The totals on the console window (cells in the language's format, the
// chart of the page shown) and the cost window's conversions.

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include <chrono>

#include "reports/TImpCosti.h"
#include "supervisor/Totals.h"
#include "ui/QtTestApp.h"
#include "ui/TMain.h"
#include "ui/TotalsChart.h"

namespace kv7::test {
namespace {

TEST(TotalsWindow, CellsInItalianChartFollowsThePageAndNoShareWithoutTotal) {
  TestApp();
  ui::TMain w;
  supervisor::ClassSums sums;
  sums.classTotal[0][0] = 12345;
  sums.classTotal[1][2] = 12345;
  const auto t0 = std::chrono::steady_clock::now();
  w.ShowTotals(supervisor::MakeTotalsView(sums, false));
  const auto took = std::chrono::steady_clock::now() - t0;
  EXPECT_LT(took, std::chrono::milliseconds(20));
  std::printf("display update: %.2f ms\n", std::chrono::duration<double, std::milli>(took).count());
  EXPECT_EQ(w.TotC(1, 1)->text(), "  12,3");
  EXPECT_EQ(w.TotP(1, 1)->text(), "50,00");
  EXPECT_EQ(w.TotaleG()->text(), "  24,7");
  EXPECT_DOUBLE_EQ(w.Chart()->Share(1), 50.0);
  w.PageControl1()->setCurrentIndex(1);
  EXPECT_DOUBLE_EQ(w.Chart()->Share(1), 0.0);
  EXPECT_DOUBLE_EQ(w.Chart()->Share(3), 50.0);

  w.ShowTotals(supervisor::MakeTotalsView({}, true));
  EXPECT_EQ(w.TotC(1, 1)->text(), "       0");
  EXPECT_EQ(w.TotP(1, 1)->text(), "");
  EXPECT_EQ(w.LavoratoPQ(5)->text(), "");
}

TEST(TotalsWindow, F7CostLineInTheLanguagesFormatUntilTheNextTotals) {
  TestApp();
  ui::TMain w;
  supervisor::TotalsView view = supervisor::MakeTotalsView({}, true);
  view.cost = supervisor::TotalsView::Cost{125000, 12.25, 0.006};
  w.ShowTotals(view);
  w.ShowCostPerKg(*view.cost);
  EXPECT_EQ(w.Costo()->text(), "Costo al Kg. L. 125.000     12,250");
  w.ShowTotals(view);
  EXPECT_EQ(w.Costo()->text(), "Costo L. 125.000   al Kg. L. 12 (0,006)");
}

TEST(CostWindow, ConversionsAndTotalsAsTyped) {
  TestApp();
  reports::TImpCosti w;
  w.SetCosts({});
  struct Case {
    QLineEdit* typedIn;
    const char* typed;
    QLineEdit* shows;
    const char* expected;
  } cases[] = {
      {w.CostoL(1), "1936", w.CostoE(1), "1,00"},
      {w.CostoE(1), "2", w.CostoL(1), "3873"},
      {w.CostoE(1), "abc", w.CostoL(1), "3873"},  // not a number: left alone
  };
  for (const auto& c : cases) {
    c.typedIn->clear();
    QTest::keyClicks(c.typedIn, c.typed);
    EXPECT_EQ(c.shows->text(), c.expected) << c.typed;
  }
  w.CostoL(1)->clear();
  QTest::keyClicks(w.CostoL(1), "19363");
  w.NPers(1)->clear();
  QTest::keyClicks(w.NPers(1), "2");
  EXPECT_EQ(w.CostoCompL()->text().trimmed(), "38726");
  EXPECT_EQ(w.CostoMinutoL()->text().trimmed(), "645");
  EXPECT_EQ(w.CostoCompE()->text(), "20,000");
  EXPECT_EQ(w.Costs().persons[0], "2");
  EXPECT_EQ(w.Costs().hourlyCost[0], "19363");
}

}  // namespace
}  // namespace kv7::test
