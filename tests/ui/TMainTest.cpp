// The console window: its status panels, menu entries,
// function keys and the small view operations the supervisor relies on.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest/QTest>

#include <map>
#include <memory>

#include "ui/QtTestApp.h"
#include "ui/TMain.h"

namespace {

using kv7::ui::TMain;

class TMainTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { kv7::test::TestApp(); }
  void SetUp() override {
    main_ = std::make_unique<TMain>();
    main_->SetKeyClick(false);
  }
  void ShowActive() {
    main_->show();
    main_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main_.get()));
    QApplication::processEvents();
  }
  std::unique_ptr<TMain> main_;
};

// Every action reachable from the menu bar, by objectName.
void CollectActions(const QList<QAction*>& actions, std::map<QString, QAction*>& out) {
  for (QAction* a : actions) {
    if (a->isSeparator()) continue;
    if (a->menu() != nullptr) {
      CollectActions(a->menu()->actions(), out);
    } else {
      out[a->objectName()] = a;
    }
  }
}

TEST_F(TMainTest, StatusBarHasSixPanelsSetByIndex) {
  TMain& m = *main_;
  const auto panels = m.StatusBar1()->findChildren<QLabel*>(QRegularExpression("^StatusBar1Panel\\d$"));
  ASSERT_EQ(panels.size(), 6);
  m.show();
  EXPECT_FALSE(m.StatusPanel(5)->isVisible()) << "nothing waits";
  for (int i = 0; i < 6; ++i) {
    m.SetStatusPanel(i, QString("p%1").arg(i));
  }
  EXPECT_TRUE(m.StatusPanel(5)->isVisible());
  m.SetStatusPanel(5, "");
  EXPECT_FALSE(m.StatusPanel(5)->isVisible());
  m.SetStatusPanel(6, "ignored");
  m.SetStatusPanel(-1, "ignored");
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(m.findChild<QLabel*>(QString("StatusBar1Panel%1").arg(i))->text(), QString("p%1").arg(i));
    EXPECT_EQ(m.StatusPanelText(i), QString("p%1").arg(i));
  }
  // Panel 2 is right-aligned as designed; the cycle switches it.
  EXPECT_TRUE(m.StatusPanel(2)->alignment() & Qt::AlignRight);
  m.SetStatusPanelAlignment(2, Qt::AlignLeft);
  EXPECT_TRUE(m.StatusPanel(2)->alignment() & Qt::AlignLeft);
  m.SetStatusPanel(3, "0 - Centralina off ");
  EXPECT_EQ(m.StatusPanelText(3), "0 - Centralina off ");  // trailing blank kept

  QSignalSpy clicks(&m, &TMain::StatusBar1Click);
  ShowActive();
  QTest::mouseClick(m.StatusPanel(4), Qt::LeftButton);
  EXPECT_EQ(clicks.count(), 1);
}

TEST_F(TMainTest, MenuCarriesEveryEntryEachWiredToItsOwnSignal) {
  TMain& m = *main_;
  std::map<QString, QAction*> reachable;
  CollectActions(m.menuBar()->actions(), reachable);
  const QStringList expected =
      QString(
          "Programma1 ModificaPU1 Start1 Dati1 Totali1 Stampa3 Partita1 ResetCentralina1 Nuovo1 Modifica1 "
          "Cancella1 Stampa1 Nuova1 Modifica2 Cancella2 Stampa2 Statistiche1 exportfrom1 esportagiornaliero1 "
          "AzzeramentoBolle1 nuova2 Modifica3 cancella3 stampa4 azzeraProduttori1 Impostazione1 Programma2 "
          "SalvasuFloppy1 RipristinadaFloppy1 ControlloCELLE1 Memorizzato1 Encoder1 ControlloTazze1 "
          "TabellaTara1 Calibrazione1 Oscilloscopio1 AggiornaTempiScarti1 MappaerroriSRD121 Italiano1 "
          "Spagnolo1 Portoghese1 Inglese1 Francese1 Tedesco2 greco Aiuto1 Informazioni1 "
          "ControlloAggiornamentiOnline1 fine2")
          .split(' ');
  for (const QString& name : expected) {
    ASSERT_TRUE(reachable.count(name)) << name.toStdString();
    QAction* action = reachable[name];
    EXPECT_EQ(m.Action(name), action);
    // Make it usable, then trigger it: exactly its own signal fires.
    m.SetEntryAvailable(name, true);
    m.SetEnabledByName(name, true);
    const QByteArray signal = QByteArray("2") + name.toLatin1() + "Click()";
    ASSERT_GE(m.metaObject()->indexOfSignal(signal.mid(1).constData()), 0) << name.toStdString();
    QSignalSpy own(&m, signal.constData());
    QSignalSpy any(&m, &TMain::CommandTriggered);
    action->trigger();
    EXPECT_EQ(own.count(), 1) << name.toStdString();
    ASSERT_EQ(any.count(), 1) << name.toStdString();
    EXPECT_EQ(any.at(0).at(0).toString(), name);
  }
  // The remote control and the languages without a module have no command.
  for (const char* name :
       {"ctrl_rem_menu1", "ctrl_rem_menu2", "ctrl_rem_menu3", "Cinese1", "Russo1", "Indiano1"}) {
    ASSERT_TRUE(reachable.count(name)) << name;
    m.SetEntryAvailable(name, true);
    EXPECT_FALSE(reachable[name]->isEnabled()) << name;
  }
  EXPECT_FALSE(m.Menu("ControlloRemoto1")->menuAction()->isEnabled());
}

TEST_F(TMainTest, EntriesOfCommandsNotBuiltStayDisabled) {
  TMain& m = *main_;
  // Built with this console: the exit, help and information, the reject station.
  for (const char* name : {"fine2", "Aiuto1", "Informazioni1", "AggiornaTempiScarti1", "MappaerroriSRD121"}) {
    EXPECT_TRUE(m.Action(name)->isEnabled()) << name;
  }
  for (const char* name : {"Programma1", "Partita1", "Nuovo1", "Nuova1", "Impostazione1", "TabellaTara1",
                           "Italiano1", "ControlloAggiornamentiOnline1"}) {
    EXPECT_FALSE(m.Action(name)->isEnabled()) << name;
    EXPECT_FALSE(m.EntryAvailable(name)) << name;
  }
  // The cycle enabling the tare table does not make a missing command usable...
  EXPECT_TRUE(m.SetEnabledByName("TabellaTara1", true));
  EXPECT_FALSE(m.Action("TabellaTara1")->isEnabled());
  // ...and once it exists the cycle's choice holds both ways.
  m.SetEntryAvailable("TabellaTara1", true);
  EXPECT_TRUE(m.Action("TabellaTara1")->isEnabled());
  m.SetEnabledByName("TabellaTara1", false);
  EXPECT_FALSE(m.Action("TabellaTara1")->isEnabled());
  m.SetEntryAvailable("TabellaTara1", false);
  m.SetEntryAvailable("TabellaTara1", true);
  EXPECT_FALSE(m.Action("TabellaTara1")->isEnabled());
}

TEST_F(TMainTest, ControllerStateSwitchesTheProcessingAndServiceMenus) {
  TMain& m = *main_;
  EXPECT_FALSE(m.Menu("Lavorazione")->menuAction()->isEnabled());
  EXPECT_FALSE(m.Menu("Assistenza1")->menuAction()->isEnabled());
  EXPECT_TRUE(m.Menu("Bolle1")->menuAction()->isEnabled());
  m.SetControllerOn(true);
  EXPECT_TRUE(m.Menu("Lavorazione")->menuAction()->isEnabled());
  EXPECT_TRUE(m.Menu("Assistenza1")->menuAction()->isEnabled());
  EXPECT_TRUE(m.SetEnabledByName("Lavorazione", false));
  EXPECT_FALSE(m.Menu("Lavorazione")->menuAction()->isEnabled());
}

TEST_F(TMainTest, FunctionKeysRunTheirEntriesFromAnyFocus) {
  TMain& m = *main_;
  const std::pair<Qt::Key, const char*> keys[] = {{Qt::Key_F1, "Totali1"}, {Qt::Key_F2, "Programma1"},
                                                  {Qt::Key_F3, "Dati1"},   {Qt::Key_F6, "ModificaPU1"},
                                                  {Qt::Key_F7, "Stampa3"}, {Qt::Key_F8, "Start1"},
                                                  {Qt::Key_F9, "Partita1"}};
  QSignalSpy commands(&m, &TMain::CommandTriggered);
  ShowActive();

  // Commands not built yet: their keys do nothing.
  QTest::keyClick(&m, Qt::Key_F1);
  QTest::keyClick(&m, Qt::Key_F3);
  EXPECT_EQ(commands.count(), 0);

  for (const auto& [key, name] : keys) m.SetEntryAvailable(name, true);
  // Board off: only F1 and F3 go through.
  for (const auto& [key, name] : keys) QTest::keyClick(&m, key);
  ASSERT_EQ(commands.count(), 2);
  EXPECT_EQ(commands.at(0).at(0).toString(), "Totali1");
  EXPECT_EQ(commands.at(1).at(0).toString(), "Dati1");
  commands.clear();

  m.SetControllerOn(true);
  for (QWidget* target : std::initializer_list<QWidget*>{&m, m.numBolla(), m.totPartita(), m.numtazza(),
                                                         m.tazzebad(), m.Memo1(), m.PageControl1()}) {
    for (const auto& [key, name] : keys) {
      QSignalSpy own(&m, (QByteArray("2") + name + "Click()").constData());
      QTest::keyClick(target, key);
      EXPECT_EQ(own.count(), 1) << name << " from " << target->objectName().toStdString();
    }
  }
  commands.clear();
  QTest::keyClick(&m, Qt::Key_F4);
  QTest::keyClick(&m, Qt::Key_F5);
  QTest::keyClick(m.numBolla(), Qt::Key_F10);
  EXPECT_EQ(commands.count(), 0);
  // Typing into the batch number still types.
  QTest::keyClicks(m.numBolla(), "123");
  EXPECT_EQ(m.numBolla()->text(), "123");
}

TEST_F(TMainTest, EnterMovesBetweenBatchNumberAndBatchTotal) {
  TMain& m = *main_;
  ShowActive();
  QSignalSpy number(&m, &TMain::numBollaEnter);
  QSignalSpy total(&m, &TMain::totPartitaEnter);
  m.PrepareBatchEntry();
  EXPECT_TRUE(m.CheckStpTotP()->isChecked());
  EXPECT_TRUE(m.numBolla()->hasFocus());
  QTest::keyClicks(m.numBolla(), "4711");
  QTest::keyClick(m.numBolla(), Qt::Key_Return);
  ASSERT_EQ(number.count(), 1);
  EXPECT_EQ(number.at(0).at(0).toString(), "4711");
  EXPECT_TRUE(m.totPartita()->hasFocus());
  m.totPartita()->setText("250");
  QTest::keyClick(m.totPartita(), Qt::Key_Enter);
  ASSERT_EQ(total.count(), 1);
  EXPECT_EQ(total.at(0).at(0).toString(), "250");
  EXPECT_TRUE(m.numBolla()->hasFocus());
}

TEST_F(TMainTest, EveryKeyReleaseClicksOnce) {
  TMain& m = *main_;
  ShowActive();
  QSignalSpy up(&m, &TMain::FormKeyUp);
  // Keys go to the control holding the focus, as at the machine.
  const std::pair<QWidget*, Qt::Key> presses[] = {{m.numBolla(), Qt::Key_5},
                                                  {m.Memo1(), Qt::Key_A},
                                                  {m.Memo1(), Qt::Key_F3},
                                                  {m.CheckPreview(), Qt::Key_Space},
                                                  {&m, Qt::Key_F5}};
  int expected = 0;
  for (auto [target, key] : presses) {
    target->setFocus();
    QTest::keyClick(target, key);
    EXPECT_EQ(up.count(), ++expected) << target->objectName().toStdString();
  }
  EXPECT_EQ(m.numBolla()->text(), "5");
  EXPECT_TRUE(m.CheckPreview()->isChecked());  // the box still toggles
}

TEST_F(TMainTest, FormShowOnceAndFormClose) {
  TMain& m = *main_;
  QSignalSpy shown(&m, &TMain::FormShow);
  QSignalSpy closed(&m, &TMain::FormClose);
  m.show();
  EXPECT_TRUE(shown.wait(1000));
  m.hide();
  m.show();
  QTest::qWait(50);
  EXPECT_EQ(shown.count(), 1);
  m.close();
  EXPECT_EQ(closed.count(), 1);
}

TEST_F(TMainTest, DisplayOperations) {
  TMain& m = *main_;
  m.NomeCal(3, 2)->setText("EXTRA");
  m.TotC(15, 4)->setText("  123456");
  m.TotP(1, 1)->setText(" 12.34");
  m.LavoratoQ(5)->setText("   1.2");
  m.TotaleG()->setText("  99.9");
  m.Costo()->setText("keep");
  m.ClearTotals();
  EXPECT_TRUE(m.NomeCal(3, 2)->text().isEmpty());
  EXPECT_TRUE(m.TotC(15, 4)->text().isEmpty());
  EXPECT_TRUE(m.TotP(1, 1)->text().isEmpty());
  EXPECT_TRUE(m.LavoratoQ(5)->text().isEmpty());
  EXPECT_TRUE(m.TotaleG()->text().isEmpty());
  EXPECT_EQ(m.Costo()->text(), "keep");

  m.SetUnits(true);
  for (int n = 1; n <= 66; ++n) EXPECT_EQ(m.Unit(n)->text(), "gr") << n;
  m.SetUnits(false);
  for (int n = 1; n <= 66; ++n) EXPECT_EQ(m.Unit(n)->text(), "Kg") << n;

  EXPECT_TRUE(m.SetTextByName("LavorPrec", "Lavorazione precedente n: 12"));
  EXPECT_EQ(m.LavorPrec()->text(), "Lavorazione precedente n: 12");
  EXPECT_TRUE(m.SetTextByName("numtazza", "017"));
  EXPECT_EQ(m.numtazza()->text(), "017");
  EXPECT_FALSE(m.SetTextByName("NoSuchControl", "x"));
  EXPECT_TRUE(m.SetVisibleByName("Label55", false));
  EXPECT_TRUE(m.Label55()->isHidden());

  QSignalSpy alarm(&m, &TMain::Image2Click);
  ShowActive();
  EXPECT_FALSE(m.Image2()->isVisible());
  m.ShowQualityAlarm(true);
  EXPECT_TRUE(m.Image2()->isVisible());
  QTest::mouseClick(m.Image2(), Qt::LeftButton);
  EXPECT_EQ(alarm.count(), 1);
}

TEST_F(TMainTest, BarcodeLinesInMemoTakenOldestFirst) {
  TMain& m = *main_;
  EXPECT_FALSE(m.TakeFirstMemoLine().has_value());
  m.AppendMemo("8001234567890\r\n");
  m.AppendMemo("LOT-77\r");
  m.AppendMemo("third");
  EXPECT_EQ(m.Memo1()->toPlainText(), "8001234567890\nLOT-77\nthird");
  EXPECT_EQ(m.TakeFirstMemoLine().value_or("none"), "8001234567890");
  EXPECT_EQ(m.Memo1()->toPlainText(), "LOT-77\nthird");
  EXPECT_EQ(m.TakeFirstMemoLine().value_or("none"), "LOT-77");
  EXPECT_EQ(m.TakeFirstMemoLine().value_or("none"), "third");
  EXPECT_FALSE(m.TakeFirstMemoLine().has_value());
  EXPECT_TRUE(m.Memo1()->toPlainText().isEmpty());
}

}  // namespace
