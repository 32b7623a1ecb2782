// The reject station's error map window.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QMouseEvent>
#include <QtTest/QTest>

#include "link/RejectErrorMap.h"
#include "ui/QtTestApp.h"
#include "ui/TErr_map.h"

namespace {

using kv7::ui::TErr_map;

class TErrMapTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { kv7::test::TestApp(); }
};

TEST_F(TErrMapTest, OneBoxPerCodeInTableOrderTickedByItsFlag) {
  TErr_map map;
  std::bitset<100> flags;
  flags.set(15);
  flags.set(42);  // not in the table: collected, not shown
  map.SetEntries(kv7::RejectErrorTable(), flags);
  auto* group = map.findChild<QGroupBox*>();
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(group->title(), "Errori Centralina Scarti");
  const auto boxes = group->findChildren<QCheckBox*>();
  ASSERT_EQ(boxes.size(), 12);
  ASSERT_EQ(map.Count(), 12);
  EXPECT_EQ(boxes[0]->objectName(), "Err00");
  EXPECT_EQ(boxes[8]->objectName(), "Err13");
  EXPECT_EQ(boxes[11]->objectName(), "Err11");
  EXPECT_TRUE(boxes[5]->text().contains("rele Scarico Destro non assegnato"));
  EXPECT_TRUE(boxes[11]->text().endsWith("comandi J/K errati"));
  for (QCheckBox* box : boxes)
    EXPECT_EQ(box->isChecked(), box == map.Box(15)) << box->objectName().toStdString();
  EXPECT_EQ(map.Box(42), nullptr);

  // Shown again later with more flags: the boxes are rebuilt, not added.
  flags.set(11);
  map.SetEntries(kv7::RejectErrorTable(), flags);
  EXPECT_EQ(map.findChildren<QCheckBox*>().size(), 12);
  EXPECT_TRUE(map.Box(11)->isChecked());
  EXPECT_TRUE(map.Box(15)->isChecked());
}

TEST_F(TErrMapTest, OperatorCannotChangeABox) {
  TErr_map map;
  map.SetEntries({{0, "Programma Peso = 0", false}, {7, "Doppia manca 1 rele o 1 sensore di carico", true}});
  map.show();
  QCheckBox* box = map.Box(0);
  QTest::mouseClick(box, Qt::LeftButton);
  EXPECT_FALSE(box->isChecked());
  EXPECT_TRUE(map.Box(7)->isChecked());
  EXPECT_EQ(box->focusPolicy(), Qt::NoFocus);
}

}  // namespace
