// The console must read at the machine from 1024x768 to full HD: every cell
// of the class grid and of the totals shows its widest text unclipped and
// lies inside the window.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QStatusBar>
#include <QTabWidget>
#include <QtTest/QTest>

#include <memory>

#include "ui/QtTestApp.h"
#include "ui/TMain.h"

namespace {

using kv7::ui::TMain;

class TMainLayoutTest : public ::testing::TestWithParam<QSize> {
 protected:
  static void SetUpTestSuite() { kv7::test::TestApp(); }
};

// The widest texts each cell is given by the totals display.
void FillWidest(TMain& m) {
  for (int q = 1; q <= 4; ++q) {
    for (int c = 1; c <= 15; ++c) {
      m.NomeCal(c, q)->setText("WWWWWW");
      m.PesoCal(c, q)->setText("0888-0888");
      m.TotC(c, q)->setText("88888888");
      m.TotP(c, q)->setText("100.00");
    }
  }
  for (int q = 1; q <= 5; ++q) {
    m.LavoratoQ(q)->setText("88888888");
    m.LavoratoPQ(q)->setText("100.00");
  }
  m.TotaleG()->setText("88888888");
  m.SetUnits(true);
  m.Production()->setText("Produzione oraria = 1234 ql/h");
  m.numBolla()->setText("888888");
  m.totPartita()->setText("888888");
  m.numtazza()->setText("888");
  m.tazzebad()->setText("8888");
  m.Label53()->show();
  m.ShowQualityAlarm(true);
  m.SetStatusPanel(0, "MELE GOLDEN 70-90");
  m.SetStatusPanel(1, "88,8tz/s");
  m.SetStatusPanel(2, "Trasf.  Programma Mb3 = 100 %");
  m.SetStatusPanel(3, "2 - Attesa Encoder");
  m.SetStatusPanel(4, "9 - Ass. Accum. Pos.");
  m.SetStatusPanel(5, "12 bolle in attesa");
}

// The label shows its whole text and lies inside the given area.
void ExpectReadable(QLabel* l, QWidget* area, const QSize& size) {
  const std::string where = l->objectName().toStdString() + " at " + std::to_string(size.width()) + "x" +
                            std::to_string(size.height());
  EXPECT_TRUE(l->isVisible()) << where;
  const QFontMetrics fm(l->font());
  QString shown = l->text();
  if (l->buddy() != nullptr) shown.remove('&');  // the mnemonic mark is not drawn
  EXPECT_GE(l->contentsRect().width() + 1, fm.horizontalAdvance(shown)) << where;
  EXPECT_GE(l->contentsRect().height() + 1, fm.height()) << where;
  const QRect inArea(l->mapTo(area, QPoint(0, 0)), l->size());
  EXPECT_TRUE(area->rect().contains(inArea)) << where;
}

TEST_P(TMainLayoutTest, ClassGridAndTotalsFitUnclipped) {
  const QSize size = GetParam();
  TMain m;
  m.SetKeyClick(false);
  FillWidest(m);
  m.resize(size);
  m.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&m));
  QApplication::processEvents();
  ASSERT_EQ(m.size(), size);
  QWidget* central = m.centralWidget();
  // The grid's figures grow with the screen, never below a readable size.
  EXPECT_GE(m.TotC(1, 1)->font().pixelSize(), size.height() >= 1000 ? 24 : 18);

  for (int q = 1; q <= 4; ++q) {
    m.PageControl1()->setCurrentIndex(q - 1);
    QApplication::processEvents();
    QWidget* page = m.PageControl1()->currentWidget();
    for (int c = 1; c <= 15; ++c) {
      for (QLabel* l :
           {m.NomeCal(c, q), m.PesoCal(c, q), m.TotC(c, q), m.TotP(c, q), m.Unit((q - 1) * 15 + c)}) {
        ExpectReadable(l, page, size);
        ExpectReadable(l, central, size);
      }
    }
  }
  for (int q = 1; q <= 5; ++q) {
    ExpectReadable(m.LavoratoQ(q), central, size);
    ExpectReadable(m.LavoratoPQ(q), central, size);
  }
  ExpectReadable(m.TotaleG(), central, size);
  ExpectReadable(m.Production(), central, size);
  for (QLineEdit* e : {m.numBolla(), m.totPartita(), m.numtazza(), m.tazzebad()}) {
    EXPECT_GE(e->width(), e->fontMetrics().horizontalAdvance(e->text())) << e->objectName().toStdString();
  }
  for (int i = 0; i < TMain::kPanels; ++i) {
    ExpectReadable(m.StatusPanel(i), m.StatusBar1(), size);
  }
  // Every caption of the window reads whole: headings, batch entry, checks.
  for (QLabel* l : central->findChildren<QLabel*>()) {
    if (!l->isVisible() || l->wordWrap() || l->text().isEmpty() || l->text().contains('\n')) continue;
    ExpectReadable(l, central, size);
  }
  for (QCheckBox* b : central->findChildren<QCheckBox*>()) {
    EXPECT_GE(b->width(), b->sizeHint().width()) << b->objectName().toStdString();
  }
  EXPECT_TRUE(
      central->rect().contains(QRect(m.Label53()->mapTo(central, QPoint(0, 0)), m.Label53()->size())));
}

INSTANTIATE_TEST_SUITE_P(Screens, TMainLayoutTest,
                         ::testing::Values(QSize(1024, 768), QSize(1280, 1024), QSize(1366, 768),
                                           QSize(1920, 1080)));

// The customer logo is scaled into its place; a picture of the filled console
// is written where KV7_UI_SCREENSHOT points (for a look at the layout).
TEST(TMainScreenshot, GrabsTheFilledConsole) {
  kv7::test::TestApp();
  TMain m;
  m.SetKeyClick(false);
  FillWidest(m);
  m.AppendMemo("8001234567890\r\n");
  m.setWindowTitle("KV7 Campionatrice / 2.13 : MB6-1");
  QImage logo(300, 100, QImage::Format_RGB32);
  logo.fill(QColor(30, 110, 60));
  m.SetLogo(logo);
  // Another size for a look: KV7_UI_SCREENSHOT_SIZE=1024x768.
  QSize size(1280, 1024);
  const QList<QByteArray> wanted = qgetenv("KV7_UI_SCREENSHOT_SIZE").split('x');
  if (wanted.size() == 2) size = QSize(wanted[0].toInt(), wanted[1].toInt());
  m.resize(size);
  m.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&m));
  QApplication::processEvents();
  const QPixmap shot = m.grab();
  EXPECT_EQ(shot.size(), size);
  EXPECT_FALSE(m.Image1()->pixmap().isNull());
  EXPECT_LE(m.Image1()->pixmap().width(), m.Image1()->width());
  const QByteArray path = qgetenv("KV7_UI_SCREENSHOT");
  if (!path.isEmpty()) {
    EXPECT_TRUE(shot.save(QString::fromLocal8Bit(path)));
  }
}

}  // namespace
