// The price list window driven by keys
// on the offscreen platform: the list in force shown in the language's
// number format, typed prices and a new day handed back on Enter, a price
// that does not read keeping the window open on its field, Escape, and the
// switch to another stored list.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include "prices/TListino.h"
#include "ui/QtTestApp.h"

namespace {

using namespace kv7::prices;
using kv7::store::DbDateTime;

PriceListInput Input() {
  PriceListInput in;
  in.programCode = "07";
  in.description = "Pere";
  for (std::size_t q = 0; q < kQualities; ++q)
    for (std::size_t c = 0; c < kClasses; ++c) {
      in.names[q][c] = "c" + std::to_string(c + 1);
      in.ranges[q][c] = "0100-0110";
    }
  in.lists.push_back({"07", *DbDateTime::Parse("2024-01-01"), {{{1, 1}, 4500}, {{3, 2}, 12345}, {kRejectKey, 100}}});
  in.lists.push_back({"07", *DbDateTime::Parse("2024-06-01"), {{{1, 1}, 9000}}});
  in.today = *DbDateTime::Parse("2024-03-10");
  return in;
}

class PriceListWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    w.SetErrorSink([this](const QString& text) { errors << text; });
    w.Fill(Input());
    w.open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  }
  void Type(const QString& field, const QString& keys) {
    QLineEdit* f = w.Field(field);
    if (field != "PrezzoQ5") w.Pages()->setCurrentWidget(f->parentWidget());
    f->setFocus();
    f->selectAll();
    if (keys.isEmpty())
      QTest::keyClick(f, Qt::Key_Delete);
    else
      QTest::keyClicks(f, keys);
  }
  QApplication& app = kv7::test::TestApp();
  TListino w;
  QStringList errors;
};

TEST_F(PriceListWindow, OpensOnTheListInForceAndSavesWhatWasTypedOnEnter) {
  EXPECT_EQ(w.Field("Prezzo1Q1")->text(), "0,4500");
  EXPECT_EQ(w.Field("Prezzo3Q2")->text(), "1,2345");
  EXPECT_EQ(w.Field("Prezzo2Q1")->text(), "");
  EXPECT_EQ(w.ValidFrom()->date(), QDate(2024, 1, 1));
  Type("Prezzo1Q1", "1,25");
  Type("Prezzo3Q2", "");       // cleared: no price any more
  Type("Prezzo15Q4", "0.5");   // either mark
  w.ValidFrom()->setFocus();
  w.ValidFrom()->setDate(QDate(2024, 3, 15));
  QTest::keyClick(w.ValidFrom(), Qt::Key_Return);
  ASSERT_EQ(w.result(), QDialog::Accepted);
  const PriceList expected{"07", *DbDateTime::Parse("2024-03-15"), {{{1, 1}, 12500}, {{15, 4}, 5000}, {kRejectKey, 100}}};
  EXPECT_EQ(w.Result(), expected);
  EXPECT_TRUE(errors.isEmpty());
}

TEST_F(PriceListWindow, APriceThatDoesNotReadKeepsTheWindowOnIt) {
  for (const char* typed : {"1,23456", "-2", "abc"}) {
    errors.clear();
    Type("Prezzo4Q3", typed);
    QTest::keyClick(w.Field("Prezzo4Q3"), Qt::Key_Return);
    EXPECT_TRUE(w.isVisible()) << typed;
    EXPECT_EQ(errors.size(), 1) << typed;
    EXPECT_EQ(w.Pages()->currentIndex(), 2) << typed;
    EXPECT_TRUE(w.Field("Prezzo4Q3")->hasFocus()) << typed;
  }
  QTest::keyClick(w.Field("Prezzo4Q3"), Qt::Key_Escape);
  EXPECT_EQ(w.result(), QDialog::Rejected);
  EXPECT_FALSE(w.isVisible());
}

TEST_F(PriceListWindow, AnotherStoredListByKeys) {
  w.Lists()->setFocus();
  QTest::keyClick(w.Lists(), Qt::Key_Down);
  EXPECT_EQ(w.ValidFrom()->date(), QDate(2024, 6, 1));
  EXPECT_EQ(w.Field("Prezzo1Q1")->text(), "0,9000");
  EXPECT_EQ(w.Field("PrezzoQ5")->text(), "");
}

}  // namespace
