// The batch and producer windows through their widgets on the offscreen
// platform: limits, kilograms typed with either decimal mark, "Partita",
// the refused save, the note, the program's classes, the processing-data
// window's Enter keys and Cancel rule, whole figures refused as typed in
// the three windows that take them, and the batch picker on 100 001
// batches, where Enter on batch 100000 edits that batch.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "batches/TListaBolla.h"
#include "batches/TListaProduttori.h"
#include "batches/TModDati.h"
#include "batches/TNewBolla.h"
#include "batches/Texpfiltdata.h"
#include "store/TestDatabase.h"
#include "ui/TMain.h"
#include "ui/QtTestApp.h"

namespace {

using namespace kv7::batches;

BatchEditorInput NewBatch(bool inGrams) {
  BatchEditorInput in;
  ResetWorkingSet(in.ws);
  in.ws.date = {2024, 6, 1, 8, 0, 0};
  in.number = 7;
  in.inGrams = inGrams;
  in.programs = kv7::programs::MakeProgramLists({{"03", "Mele"}, {"05", "Pere"}});
  in.classes.resize(2);
  in.classes[1].limits[0][0] = 90;
  in.classes[1].limits[0][1] = 110;
  in.classes[1].names[0][0] = "Piccole";
  in.ws.program = "05";
  in.producers = {{1, "1", "Rossi"}, {2, "2", "Bianchi"}};
  return in;
}

class Editor : public ::testing::Test {
 protected:
  void Open(bool inGrams) {
    QLocale::setDefault(QLocale(QLocale::Italian));
    w.SetErrorSink([this](const QString& text) { errors << text; });
    w.Fill(NewBatch(inGrams));
    w.open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  }
  void Type(const char* field, const QString& keys) {
    QLineEdit* f = w.Field(field);
    for (int q = 0; q < 4; ++q)
      if (w.Pages()->widget(q)->isAncestorOf(f)) w.Pages()->setCurrentIndex(q);
    f->setFocus();
    f->selectAll();
    QTest::keyClicks(f, keys);
    QTest::keyClick(f, Qt::Key_Tab);
  }
  QString Text(const char* field) { return w.Field(field)->text(); }

  QApplication& app = kv7::test::TestApp();
  TNewBolla w;
  QStringList errors;
};

TEST_F(Editor, KilogramsTypedWithEitherMarkAreStoredInGrams) {
  Open(false);
  EXPECT_EQ(w.windowTitle(), "Nuova Bolla N:    7");
  EXPECT_EQ(w.UnitLabels().front()->text(), "Kg");
  Type("TotC1Q1", "12,5");
  Type("TotC2Q1", "0.25");
  EXPECT_EQ(Text("TotC1Q1"), "  12,5");
  EXPECT_EQ(Text("Totale"), "  12,8");
  EXPECT_EQ(Text("TotP1Q1"), "98,04");
  Type("Numero", "1234567");
  EXPECT_EQ(Text("Numero"), "123456");
  QTest::keyClick(w.SaveButton(), Qt::Key_Space);
  ASSERT_EQ(w.result(), QDialog::Accepted) << errors.join("\n").toStdString();
  EXPECT_EQ(w.Result().totals[0][0], "   12500");
  EXPECT_EQ(w.Result().totals[0][1], "     250");
  EXPECT_EQ(w.Result().numero, "123456");
}

TEST_F(Editor, PartitaShowsTheDeclaredWeightAndTheSaveKeepsTheCountedGrams) {
  Open(true);
  EXPECT_EQ(w.Label("PesoCal1Q1")->text(), "0090-0110");
  EXPECT_EQ(w.Label("NomeCal1Q1")->text(), "Piccole");
  Type("TotC1Q1", "7300");
  w.Corr()->click();
  EXPECT_FALSE(w.Corr()->isChecked());  // no declared weight yet
  Type("TotalePart", "100");
  w.Corr()->click();
  ASSERT_TRUE(w.Corr()->isChecked());
  EXPECT_EQ(Text("TotC1Q1"), "     100");
  EXPECT_EQ(Text("TotC2Q1"), "       0");
  EXPECT_FALSE(w.Field("TotC1Q1")->isEnabled());
  w.Programma()->setCurrentIndex(0);
  EXPECT_EQ(Text("NProgramma"), "03");
  QTest::keyClick(w.SaveButton(), Qt::Key_Space);
  ASSERT_EQ(w.result(), QDialog::Accepted);
  EXPECT_FALSE(w.Corr()->isChecked());
  EXPECT_EQ(w.Result().totals[0][0], "    7300");
  EXPECT_EQ(w.Result().program, "03");
}

// The value below the totals: shown while the program shown has a list in
// force on the day shown, worked out on the figures as they are typed.
TEST_F(Editor, ValueOfTheFiguresOnTheListInForce) {
  QLocale::setDefault(QLocale(QLocale::Italian));
  BatchEditorInput in = NewBatch(true);
  in.priceBook.Add({"05", {2024, 5, 1}, {{{1, 1}, 15000}}});  // Q1 C1 at 1.50
  w.Fill(in);
  w.open();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  auto* value = w.findChild<QLabel*>("Valore");
  ASSERT_NE(value, nullptr);
  Type("TotC1Q1", "2000");  // 2 kg x 1.50
  EXPECT_TRUE(value->isVisible());
  EXPECT_EQ(value->text(), "Valore: 3,00   (1,5000 al Kg)   listino dal 01/05/24");
  Type("TotC2Q1", "1000");  // no price: counts 0, named
  EXPECT_EQ(value->text(), "Valore: 3,00   (1,0000 al Kg)   listino dal 01/05/24   Senza prezzo: Q1 C2");
  Type("TotalePart", "30");  // 20 of the 30 kg declared at 1.50
  EXPECT_TRUE(value->text().startsWith("Valore: 30,00   (1,0000 al Kg)")) << value->text().toStdString();
  w.findChild<QDateEdit*>("DataBolla")->setDate(QDate(2024, 4, 30));  // before the list
  EXPECT_FALSE(value->isVisible());
  w.findChild<QDateEdit*>("DataBolla")->setDate(QDate(2024, 5, 1));
  EXPECT_TRUE(value->isVisible());
  w.Programma()->setCurrentIndex(0);  // program 03 has no list
  EXPECT_FALSE(value->isVisible());
}

TEST_F(Editor, SaveNamesAFieldThatIsNoWholeNumberAndStaysOpen) {
  Open(true);
  Type("TotC3Q2", "12.5");
  EXPECT_EQ(Text("TotC3Q2"), "12.5");  // left in sight
  QTest::keyClick(w.SaveButton(), Qt::Key_Space);
  EXPECT_TRUE(w.isVisible());
  ASSERT_EQ(errors.size(), 1);
  EXPECT_TRUE(errors[0].contains("Totale calibro 3, Qualita 2")) << errors[0].toStdString();
  EXPECT_EQ(QApplication::focusWidget(), w.Field("TotC3Q2"));
  // The note loses its line breaks and keeps 30 characters.
  w.Note()->setFocus();
  QTest::keyClicks(w.Note(), "ab");
  QTest::keyClick(w.Note(), Qt::Key_Return);
  QTest::keyClicks(w.Note(), "cd" + QString(40, 'x'));
  EXPECT_EQ(w.Note()->toPlainText(), "abcd" + QString(26, 'x'));
}

TEST(ProcessingDataWindow, EnterKeysLookupAndTheCancelRule) {
  kv7::test::TestApp();
  TModDati w;
  ProcessingData d;
  d.numero = "11";
  d.codice = "1";
  d.descrizione = "Rossi";
  d.note = "n";
  w.Fill(d);
  w.SetProducers({{1, "1", "Rossi"}, {2, "2", "Bianchi"}});
  w.open();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  EXPECT_EQ(QApplication::focusWidget(), w.Field("Numero"));
  QTest::keyClick(w.Field("Numero"), Qt::Key_End);
  QTest::keyClicks(w.Field("Numero"), "2345678");
  EXPECT_EQ(w.Field("Numero")->text(), "112345");
  QTest::keyClick(w.Field("Numero"), Qt::Key_Return);
  EXPECT_EQ(QApplication::focusWidget(), w.Field("totPartita"));
  QTest::keyClick(w.Field("totPartita"), Qt::Key_Enter);
  EXPECT_EQ(QApplication::focusWidget(), w.SaveButton());
  EXPECT_TRUE(w.isVisible());
  w.Field("Codice")->setText("2");
  QTest::keyClick(w.Field("Codice"), Qt::Key_Return);
  EXPECT_EQ(w.Field("Descrizione")->text(), "Bianchi");
  w.Field("Codice")->setText("9");  // no producer: the name stays
  QTest::keyClick(w.Field("Codice"), Qt::Key_Return);
  EXPECT_EQ(w.Field("Descrizione")->text(), "Bianchi");
  w.Field("Lotto")->setText("L5");
  QTest::keyClick(&w, Qt::Key_Escape);
  ASSERT_EQ(w.result(), QDialog::Rejected);
  ProcessingData after = w.Data();
  EXPECT_EQ(after.numero, "11");
  EXPECT_EQ(after.codice, "1");
  EXPECT_EQ(after.descrizione, "Rossi");
  EXPECT_EQ(after.lotto, "L5");  // typed fields other than the four stay
}

TEST(WholeFigures, ATextThatIsNoWholeNumberIsRefusedAsTypedWithAMessage) {
  kv7::test::TestApp();
  TModDati data;
  TNewBolla editor;
  kv7::ui::TMain console;
  const struct {
    QWidget* window;
    const char *field, *typed, *after, *refused;  // refused: named in the message; nullptr when taken
  } cases[] = {
      {&data, "totPartita", "12,5", "125", "12,"}, {&data, "numcasse", "3.", "3", "3."},
      {&data, "numpedane", "00", "00", nullptr},   {&editor, "TotalePart", "1e3", "13", "1e"},
      {&editor, "numcasse", "-2", "2", "-"},        {&editor, "numpedane", " 4 ", " 4 ", nullptr},
      {&console, "totPartita", "9x", "9", "9x"},    {&console, "totPartita", "007", "007", nullptr},
  };
  for (const auto& c : cases) {
    auto* field = c.window->findChild<QLineEdit*>(c.field);
    field->clear();
    QTest::keyClicks(field, c.typed);
    EXPECT_EQ(field->text(), c.after) << c.field;
    std::unique_ptr<QMessageBox> box(c.window->findChild<QMessageBox*>());
    const QString message("\"%1\" non è un numero intero: il campo accetta solo numeri interi.");
    EXPECT_EQ(box ? box->text() : QString(), c.refused ? message.arg(c.refused) : QString()) << c.field;
  }
}

TEST(ProducerList, ClickOrEnterPicksTheProducerOfTheEntry) {
  kv7::test::TestApp();
  for (bool byKey : {false, true}) {
    TListaProduttori w;
    w.SetProducers({{1, "1", "Rossi"}, {5, "5", "Verdi"}});
    EXPECT_EQ(w.NumMaxText(), "   2");
    w.open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QListWidget* list = w.ListaBox();
    if (byKey) {
      QTest::keyClick(list, Qt::Key_Down);
      QTest::keyClick(list, Qt::Key_Return);
    } else {
      QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    }
    ASSERT_EQ(w.result(), QDialog::Accepted);
    EXPECT_EQ(w.Selected(), (Producer{5, "5", "Verdi"}));
  }
}

class BigArchive : public kv7::test::TestDatabase {};

TEST_F(BigArchive, EnterOnBatch100000EditsThatBatch) {
  kv7::test::TestApp();
  Sql().Execute(
      "INSERT INTO `bolle` (`num`, `data`, `programma`, `bolla`, `produttore`, `tot1q1`) "
      "SELECT seq, '2024-01-01 10:00:00', '05', CONCAT('B', seq), '1', seq FROM seq_1_to_100001");
  TListaBolla picker;
  picker.SetBatches(FillBatchList(Db()));
  EXPECT_EQ(picker.NumMaxText(), "100001");
  int row = -1;
  for (int i = 0; i < picker.Count(); ++i)
    if (picker.EntryText(i).startsWith("100000 ")) row = i;
  ASSERT_GE(row, 0);
  picker.open();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&picker));
  picker.ListaBox()->setCurrentIndex(picker.ListaBox()->model()->index(row, 0));
  QTest::keyClick(picker.ListaBox(), Qt::Key_Return);
  ASSERT_EQ(picker.Selected(), 100000);

  TNewBolla editor;
  const BatchEditorInput input = PrepareEditBatch(Db(), *picker.Selected(), {}, true);
  editor.Fill(input);
  EXPECT_EQ(editor.windowTitle(), "Modifica Bolla N:100000");
  EXPECT_EQ(editor.Field("Numero")->text(), "B100000");  // longer than its field: kept whole
  editor.Field("Numero")->setText("NUOVA");
  editor.accept();
  ASSERT_EQ(SaveEditedBatch(Db(), *input.loaded, editor.Result(), {}, {}).status, SaveResult::Status::Saved);
  auto changed = Sql().Query("SELECT `num` FROM `bolle` WHERE `bolla` = 'NUOVA'");
  ASSERT_EQ(changed.size(), 1u);
  EXPECT_EQ(kv7::store::ToInteger(changed[0][0]), 100000);
  EXPECT_EQ(kv7::store::ToText(Sql().QueryFirst("SELECT `bolla` FROM `bolle` WHERE `num` = 10000")->Values()[0]),
            "B10000");
}

TEST(ExportFilter, TodayByDefaultEnterExportsEscapeCancels) {
  kv7::test::TestApp();
  Texpfiltdata w;
  w.open();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  const QDate today = QDate::currentDate();
  const auto from = w.From();
  EXPECT_EQ(std::tie(from.year, from.month, from.day, from.hour, from.minute),
            std::make_tuple(today.year(), today.month(), today.day(), 0, 0));
  w.DataFine()->setDateTime(QDateTime(QDate(2026, 3, 1), QTime(17, 30, 5)));
  QTest::keyClick(w.NomiCampi(), Qt::Key_Space);
  QTest::keyClick(w.DataInizio(), Qt::Key_Return);
  EXPECT_EQ(w.result(), QDialog::Accepted);
  EXPECT_EQ(w.To(), (kv7::store::DbDateTime{2026, 3, 1, 17, 30, 5}));
  EXPECT_TRUE(w.Header());
  w.open();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  QTest::keyClick(&w, Qt::Key_Escape);
  EXPECT_EQ(w.result(), QDialog::Rejected);
}

}  // namespace
