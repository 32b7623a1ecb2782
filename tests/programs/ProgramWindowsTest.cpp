// The program windows through their widgets on the offscreen platform:
// the editor's field rules (chaining, padding, multiplier, overwrite,
// widths), what OK hands back, and picking from the program list by mouse
// and by keyboard.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "programs/FieldEdit.h"
#include "programs/TListaProgrammi.h"
#include "programs/TNewProgram.h"
#include "programs/TParProg.h"
#include "ui/QtTestApp.h"

namespace {

using namespace kv7::programs;

// A program whose stored limits are 100, 110, .. 250 in every quality.
ProgramEditorTexts Shown(int multiplier) {
  kv7::store::ProgramRecord r;
  r.code = "05";
  for (auto& quality : r.limit)
    for (int k = 1; k <= 16; ++k) quality[k - 1] = std::to_string(90 + 10 * k);
  return ShowProgram(r, multiplier);
}

class Editor : public ::testing::Test {
 protected:
  void Open(int multiplier) {
    w.SetErrorSink([this](const QString& text) { errors << text; });
    w.SetMultiplier(multiplier);
    w.Fill(Shown(multiplier));
    w.open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  }
  // Types into a field from its start, after clearing it when asked, then
  // leaves it with Tab.
  void Type(const QString& field, const QString& keys, bool leave = true) {
    FieldEdit* f = w.Field(field);
    w.Pages()->setCurrentWidget(f->parentWidget());
    f->setFocus();
    f->clear();
    QTest::keyClicks(f, keys);
    if (leave) QTest::keyClick(f, Qt::Key_Tab);
  }
  QString Text(const QString& field) { return w.Field(field)->text(); }

  QApplication& app = kv7::test::TestApp();
  TNewProgram w;
  QStringList errors;
};

TEST_F(Editor, WeightFieldsChainPadAndRoundWithTheMultiplier) {
  const struct {
    int multiplier;
    const char* field;
    const char* typed;
    const char* partner;
    const char* shown;
  } cases[] = {
      {0, "PesoCalMax3Q2", "75", "PesoCalMin4Q2", "075"},
      {0, "PesoCalMin4Q2", "75", "PesoCalMax3Q2", "075"},
      {0, "PesoCalMax15Q1", "5", "", "005"},
      {10, "PesoCalMax1Q1", "1234", "PesoCalMin2Q1", "1230"},
      {10, "PesoCalMin5Q3", "9999", "PesoCalMax4Q3", "9990"},
      {10, "PesoCalMin6Q4", "1235", "PesoCalMax5Q4", "1240"},  // ties go to even
      {3, "PesoCalMax7Q2", "1000", "PesoCalMin8Q2", "999"},
  };
  for (const auto& tc : cases) {
    SCOPED_TRACE(std::string(tc.field) + " <- " + tc.typed);
    Open(tc.multiplier);
    Type(tc.field, tc.typed);
    EXPECT_EQ(Text(tc.field), tc.shown);
    if (*tc.partner) {
      EXPECT_EQ(Text(tc.partner), tc.shown);
    }
    w.reject();
  }
}

TEST_F(Editor, FullFieldsOverwriteAndLongTextsKeepTheirWidth) {
  Open(0);
  FieldEdit* weight = w.Field("PesoCalMax2Q1");
  weight->setFocus();
  weight->setText("123");
  weight->setCursorPosition(1);
  QTest::keyClicks(weight, "9");
  EXPECT_EQ(weight->text(), "193");
  EXPECT_EQ(Text("PesoCalMin3Q1"), "193");
  FieldEdit* name = w.Field("NomeCal1Q1");
  name->clear();
  name->insert("ABCDEFGHIJ");
  EXPECT_EQ(name->text(), "ABCDEF");
  const struct {
    const char* field;
    int width;
  } widths[] = {
      {"NomeProgramma", 45}, {"codprog", 3}, {"CodCal15Q4", 14}, {"CodQ5", 14}, {"PesoCalMin1Q1", 3}};
  for (const auto& f : widths) {
    w.Field(f.field)->setText(QString(60, 'x'));
    EXPECT_EQ(Text(f.field).size(), f.width) << f.field;
  }
}

TEST_F(Editor, OkHandsBackStoredUnits) {
  Open(10);
  Type("PesoCalMax1Q1", "1234");
  Type("PesoCalMin5Q3", "9999");
  Type("PesoCalMin7Q2", "1.5");
  EXPECT_EQ(Text("PesoCalMin7Q2"), "1.5");
  Type("codprog", "98", false);
  QTest::mouseClick(w.findChild<QPushButton*>("Button1"), Qt::LeftButton);
  ASSERT_EQ(w.result(), QDialog::Accepted);
  EXPECT_EQ(w.Result().limit[0][1], "123");
  EXPECT_EQ(w.Result().limit[2][4], "999");
  EXPECT_EQ(w.Result().limit[1][6], "150");
  EXPECT_EQ(w.Result().limit[1][5], "150");  // the chained maximum of class 6
  EXPECT_EQ(w.Code(), "98");
  EXPECT_TRUE(errors.isEmpty());
}

TEST_F(Editor, ABadWeightOrCodeKeepsTheWindowOpen) {
  // New empties the weights; a field never visited stays empty.
  const struct {
    const char* field;
    const char* text;
    const char* message;
  } cases[] = {
      {"PesoCalMax15Q3", "", "Qualita 3, calibro 15: il peso massimo"},
      {"PesoCalMin2Q4", "1.5", "Qualita 4, calibro 2: il peso minimo"},
      {"codprog", "A1", "il campo codice programma deve essere un numero di max 2 cifre!"},
      // Codes the board can never load.
      {"codprog", "00", "Il codice programma deve essere un numero da 1 a 98"},
      {"codprog", "99", "Il codice programma deve essere un numero da 1 a 98"},
      {"codprog", "999", "Il codice programma deve essere un numero da 1 a 98"},
  };
  for (const auto& tc : cases) {
    SCOPED_TRACE(tc.field);
    errors.clear();
    Open(0);
    w.Field(tc.field)->setText(tc.text);
    w.Field("NomeProgramma")->setFocus();
    QTest::keyClick(w.Field("NomeProgramma"), Qt::Key_Return);
    EXPECT_TRUE(w.isVisible());
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith(tc.message)) << errors[0].toStdString();
    w.Field(tc.field)->setText("01");
    w.reject();
  }
}

TEST(ProgramList, PicksByClickAndByKeyboard) {
  kv7::test::TestApp();
  const ProgramLists lists = MakeProgramLists({{"01", "Mele"}, {"03", "Pere"}, {"A1", "Kiwi"}});
  const struct {
    const char* how;
    int position;
    const char* code;
  } cases[] = {{"click", 2, "03"}, {"enter", 3, "A1"}, {"escape", 0, ""}};
  for (const auto& tc : cases) {
    TListaProgrammi list;
    list.SetPrograms(lists);
    EXPECT_EQ(list.NumMaxText(), "   3");
    list.open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&list));
    QListWidget* box = list.ListaBox();
    const std::string how = tc.how;
    if (how == "click") {
      QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, box->visualItemRect(box->item(1)).center());
    } else if (how == "enter") {
      QTest::keyClick(box, Qt::Key_Down);
      QTest::keyClick(box, Qt::Key_Down);
      QTest::keyClick(box, Qt::Key_Return);
    } else {
      QTest::keyClick(box, Qt::Key_Escape);
    }
    EXPECT_FALSE(list.isVisible()) << how;
    EXPECT_EQ(list.result(), tc.position ? QDialog::Accepted : QDialog::Rejected) << how;
    EXPECT_EQ(list.SelectedPosition(), tc.position) << how;
    EXPECT_EQ(list.SelectedCode(), tc.code) << how;
  }
}

TEST(ProgramParametersWindow, ShowsAndReturnsEveryValue) {
  kv7::test::TestApp();
  ProgramParameters p;
  p.archiviazione = false;
  p.txremoto = true;
  p.copiaPdf = false;
  p.totaliGrammi = false;
  p.ncopie = 4;
  p.direxp = "/srv/export";
  p.limpercq[0] = 12;
  p.limpercq[3] = 59;
  p.refreshSeconds = 7;
  p.reportFont = {"Courier", 11, false, true, false, false};
  TParProg w;
  w.SetParameters(p);
  EXPECT_EQ(w.Parameters(), p);
  EXPECT_EQ(w.findChild<QComboBox*>("TotaliSmb1")->currentText(), "Kilogrammi");
  w.findChild<QComboBox*>("NumCopie")->setCurrentText("3");
  EXPECT_EQ(w.Parameters().ncopie, 2);
  w.findChild<QCheckBox*>("CopiaPdf")->setChecked(true);
  EXPECT_TRUE(w.Parameters().copiaPdf);
  EXPECT_EQ(TParProg::FolderOf("/srv/export/day/file.txt"), "/srv/export/day");
}

}  // namespace
