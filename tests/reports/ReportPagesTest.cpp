// Printed pages: a stored batch drawn to PDF and read back with pdftotext
// (title, header, the 60 class rows with the archive's figures, the
// summary), "Partita" on the declared weight, the layout rules on the drawn
// page, a cancelled print dialog, and kv7ctl report's exit status.

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTimer>

#include <cstdio>
#include <regex>
#include <tuple>

#include "batches/BatchArchive.h"
#include "batches/ProducerArchive.h"
#include "programs/ProgramArchive.h"
#include "reports/PageData.h"
#include "reports/PageOutput.h"
#include "store/Configuration.h"
#include "store/TestDatabase.h"
#include "support/Shell.h"
#include "support/TempDir.h"
#include "ui/QtTestApp.h"

namespace {

using namespace kv7::reports;

QApplication& App() {
  return kv7::test::TestApp();
}

using kv7::test::Shell;

std::string PdfText(const std::string& file) {
  return Shell(std::string(PDFTOTEXT) + " -layout '" + file + "' -").out;
}

const Page& Blank() {
  static const Page page{std::in_place_type<BatchPage>};
  return page;
}

// Grams of class c (1..15) of quality q (1..4): all different, below 1000
// so no grouping is involved.
std::int64_t Grams(int q, int c) {
  return 100 * q + c;
}

class ReportPages : public kv7::test::TestDatabase {
 protected:
  void SetUp() override {
    App();
    TestDatabase::SetUp();
    kv7::store::ProgramRecord p;
    p.code = "07";
    p.description = "Mele prova";
    for (std::size_t q = 0; q < 4; ++q) {
      for (std::size_t k = 0; k < 16; ++k) p.limit[q][k] = std::to_string(100 + 10 * k);
      for (std::size_t c = 0; c < 15; ++c) p.name[q][c] = "c" + std::to_string(c + 1) + "q" + std::to_string(q + 1);
    }
    kv7::programs::SaveProgram(Db(), p, "07", {});
    kv7::batches::SaveProducer(Db(), 12, "Rossi Mario", {});
    kv7::store::BatchRow row;
    row.num = 42;
    row.data = kv7::store::DbDateTime::Parse("2024-03-05 08:30:00");
    row.programma = "07";
    row.bolla = "B-991";
    row.produttore = "12";
    row.note = "consegna";
    row.totpartita = 1000;
    row.totq5 = 77;
    row.numerocasse = 31;
    row.numeropedane = 4;
    row.lotto = "L777";
    row.operatore = "06";
    row.macchina = 3;
    for (int q = 1; q <= 4; ++q)
      for (int c = 1; c <= 15; ++c) row.tot[std::size_t(q - 1)][std::size_t(c - 1)] = Grams(q, c);
    Db().SaveBatchRow(row);
    row.num = 43;
    row.programma = "55";  // no longer in the archive
    Db().SaveBatchRow(row);
  }
  kv7::store::Configuration config_;
  kv7::test::TempDir dir_;
};

TEST_F(ReportPages, StoredBatchPdfShowsHeaderEveryClassAndTheSummary) {
  const auto stored = LoadBatchPage(Db(), 42, false, config_);
  ASSERT_TRUE(stored.page);
  const std::string file = (dir_.path() / "b.pdf").string();
  QElapsedTimer clock;
  clock.start();
  ASSERT_TRUE(WritePdf(*stored.page, QString::fromStdString(file), {}));
  const auto ms = clock.elapsed();
  std::printf("batch page to PDF: %lld ms, %lld bytes\n", static_cast<long long>(ms),
              static_cast<long long>(QFileInfo(QString::fromStdString(file)).size()));
  EXPECT_LT(ms, 300);
  const std::string text = PdfText(file);
  for (const char* item : {"STAMPA BOLLA", "Numero Bolla: B-991", "Numero Registrazione: 42", "Lotto Bolla: L777",
                           "Numero Programma:07", "Operatore: 06", "Mele prova", "Cod. produttore: 12",
                           "Descrizione: Rossi Mario", "Data Bolla: 05/03/24", "n. Casse:", "n. Pedane:", "consegna",
                           "Macchina 3"})
    EXPECT_NE(text.find(item), std::string::npos) << item;
  std::int64_t grand = 77;
  for (int q = 1; q <= 4; ++q) {
    std::int64_t quality = 0;
    for (int c = 1; c <= 15; ++c) {
      quality += Grams(q, c);
      char range[16];
      std::snprintf(range, sizeof range, "%04d-%04d", 100 + 10 * (c - 1), 100 + 10 * c);
      const std::regex row("c" + std::to_string(c) + "q" + std::to_string(q) + " +" + range + " +" +
                           std::to_string(Grams(q, c)) + " gr\\. +[0-9]+,[0-9]{2} %");
      EXPECT_TRUE(std::regex_search(text, row)) << "class " << c << " quality " << q;
    }
    grand += quality;
    // Quality totals are above 1000: grouped in the Italian way.
    const std::string grouped = std::to_string(quality / 1000) + "." + std::to_string(quality % 1000) + " gr.";
    EXPECT_NE(text.find(grouped), std::string::npos) << grouped;
  }
  EXPECT_NE(text.find("77 gr."), std::string::npos);
  const std::string total = std::to_string(grand / 1000) + "." + std::to_string(grand % 1000) + " gr.";
  EXPECT_NE(text.find(total), std::string::npos) << total;
}

TEST_F(ReportPages, ABatchChangedAfterItsEndSaysWhenOnItsPage) {
  EXPECT_FALSE(LoadBatchPage(Db(), 42, false, config_).page->modified);
  const auto input = kv7::batches::PrepareEditBatch(Db(), 42, {}, true);
  auto ws = input.ws;
  ws.note = "corretta";
  ASSERT_EQ(kv7::batches::SaveEditedBatch(Db(), *input.loaded, ws, {}, {1, "tester", "TNewBolla"}).status,
            kv7::batches::SaveResult::Status::Saved);
  const auto stored = LoadBatchPage(Db(), 42, false, config_);
  ASSERT_TRUE(stored.page && stored.page->modified);
  const auto today = kv7::store::DbDateTime::LocalNow();
  const std::string file = (dir_.path() / "m.pdf").string();
  ASSERT_TRUE(WritePdf(*stored.page, QString::fromStdString(file), {}));
  char shown[16];
  std::snprintf(shown, sizeof shown, "%02d/%02d/%02d", today.day, today.month, today.year % 100);
  EXPECT_NE(PdfText(file).find(std::string("modificata il ") + shown), std::string::npos) << PdfText(file);
}

TEST_F(ReportPages, MissingBatchOrProgramIsNotPrinted) {
  EXPECT_FALSE(LoadBatchPage(Db(), 99, false, config_).found);
  const auto orphan = LoadBatchPage(Db(), 43, false, config_);
  EXPECT_TRUE(orphan.found);
  EXPECT_FALSE(orphan.page);
  EXPECT_EQ(orphan.programMissing, "55");
}

TEST(InstallationPage, TareTypeInTheWordsOfTheWindow) {
  App();
  kv7::test::TempDir dir;
  const std::string file = (dir.path() / "i.pdf").string();
  // Cup tare, by increments, step: a step out of 1..6 shows as the window shows it.
  for (auto [cup, inc, step, shown] : {std::tuple{false, true, 4, "TARA/LINEA"}, {true, false, 4, "TARA/TAZZA"},
                                        {true, true, 4, "TARA INC.(4gr)"}, {true, true, 0, "TARA INC.(1gr)"}}) {
    kv7::store::Configuration c;
    c.taratazza = cup, c.tarainc = inc, c.lev_dtara = step;
    ASSERT_TRUE(WritePdf(MakeInstallationPage(c), QString::fromStdString(file), {}));
    EXPECT_NE(PdfText(file).find(std::string("Tipo Tara:") + shown), std::string::npos) << shown;
  }
}

// Partita: every amount is W x class / T with one decimal, in kilograms.
TEST(PartitaPage, AmountsOnTheDeclaredWeight) {
  App();
  const struct {
    const char* declared;
    std::int64_t classGrams, otherGrams;
    const char* classText;
    const char* grand;
  } cases[] = {
      {"1000", 1000, 3000, "250,0", "1000"},  // W = 1000, T = 4000
      {"1000", 0, 0, "0,0", "1000"},          // T = 0
      {"12a", 1000, 3000, "\u2014", "12a"},   // W not a number
  };
  for (const auto& k : cases) {
    BatchPageInput in;
    in.partita = true;
    in.ws.totalePart = k.declared;
    for (auto& quality : in.ws.totals) quality.fill("0");
    in.ws.reject = "0";
    in.ws.totals[0][0] = std::to_string(k.classGrams);
    in.ws.totals[1][4] = std::to_string(k.otherGrams);
    const BatchPage page = MakeBatchPage(in);
    EXPECT_EQ(AmountText(page.rows[0][0].total).toStdString(), k.classText) << k.declared;
    EXPECT_EQ(AmountText(page.qualityTotals[0]).toStdString(), k.classText) << k.declared;
    EXPECT_EQ(AmountText(page.grandTotal).toStdString(), k.grand);
    EXPECT_EQ(page.unit, "Kg.");
    if (k.classGrams == 0) {
      for (const auto& quality : page.rows)
        for (const auto& row : quality) EXPECT_EQ(AmountText(row.total), "0,0");
    }
  }
  BatchPageInput in;
  in.partita = true;
  in.ws.totalePart = "1000";
  for (auto& quality : in.ws.totals) quality.fill("0");
  in.ws.totals[0][0] = "1000";
  in.ws.totals[1][4] = "3000";
  in.cost = CostLine{38700, 19.35};  // a running page, a kilogram that cost something
  kv7::test::TempDir dir;
  const std::string file = (dir.path() / "p.pdf").string();
  ASSERT_TRUE(WritePdf(MakeBatchPage(in), QString::fromStdString(file), {}));
  const std::string text = PdfText(file);
  EXPECT_TRUE(std::regex_search(text, std::regex("250,0 Kg\\.")));
  EXPECT_NE(text.find("Costo al Kg."), std::string::npos);
  EXPECT_TRUE(std::regex_search(text, std::regex("L\\. 38\\.700\\s+19,350"))) << text;
}

// The drawn page against the rules: area, percentages with integer
// division, row height of "aaaa" at 12 points, the title line.
TEST(PageLayout, BatchPageFollowsTheRules) {
  App();
  const QSize page(11906, 16838);  // A4 in twips
  QImage image(page / 10, QImage::Format_RGB32);
  QPainter painter(&image);
  painter.setViewport(image.rect());
  kv7::i18n::PrintSettings font;
  const DrawnPage drawn = DrawPage(painter, page, Blank(), font);
  const QRect area(400, 400, page.width() - 800, page.height() - 800);
  EXPECT_EQ(drawn.area, area);
  auto x = [&](int tenths) { return area.left() + area.width() * tenths / 1000; };
  auto y = [&](int tenths) { return area.top() + area.height() * tenths / 1000; };
  auto at = [&](const QString& start) {
    for (const auto& t : drawn.texts)
      if (t.text.startsWith(start)) return t.at;
    return QPoint(-1, -1);
  };
  EXPECT_EQ(at("Numero Bolla: "), QPoint(x(10), y(30)));
  EXPECT_EQ(at("Lotto Bolla: "), QPoint(x(10), y(45)));
  EXPECT_EQ(at("Numero Registrazione: "), QPoint(x(450), y(30)));
  EXPECT_EQ(at("Data Bolla: "), QPoint(x(680), area.top() + 1));
  EXPECT_EQ(at("STAMPA BOLLA"), QPoint(x(400), area.top() + 1));
  QFont f(QString::fromStdString(font.fontName));
  f.setBold(true);
  f.setPixelSize(12 * 20);
  EXPECT_EQ(drawn.rowHeight, QFontMetrics(f).height());
  f.setPixelSize(18 * 20);
  EXPECT_EQ(drawn.titleLine, QLine(area.left(), area.top() + QFontMetrics(f).height(), area.right(),
                                   area.top() + QFontMetrics(f).height()));
  const QRect q1(QPoint(x(10), y(160)), QPoint(x(490), y(440)));
  ASSERT_GE(drawn.boxes.size(), 6u);
  EXPECT_EQ(drawn.boxes[1], q1);
  EXPECT_EQ(drawn.boxes[5].top(), drawn.boxes[3].bottom() + 400);  // summary below Q3
  EXPECT_EQ(drawn.boxes[5].bottom(), area.bottom());
  EXPECT_EQ(at("Prima Qualita"), QPoint(q1.left(), q1.top() - drawn.rowHeight));
  EXPECT_EQ(at("Tot.PrimaQ"), QPoint(drawn.boxes[5].left() + drawn.boxes[5].width() * 20 / 1000,
                                     drawn.boxes[5].top() + drawn.boxes[5].height() * 220 / 1000));
  EXPECT_EQ(at("Costo"), QPoint(-1, -1)) << "no cost line without a cost";
}

// Every sheet of every kind of page names its machine in the top left corner.
TEST(PageLayout, EverySheetNamesTheMachine) {
  App();
  BatchPage batch;
  batch.machine = 2;
  ProgramPage program;
  program.machine = 3;
  InstallationPage installation;
  installation.machine = 4;
  ProducerListPage producers;
  producers.machine = 5;
  for (int i = 0; i < 150; ++i) producers.producers.emplace_back(std::to_string(i), "produttore");
  const std::pair<Page, const char*> cases[] = {
      {batch, "Macchina 2"}, {program, "Macchina 3"}, {installation, "Macchina 4"}, {producers, "Macchina 5"}};
  for (const auto& [page, text] : cases) {
    QImage image(QSize(1191, 1684), QImage::Format_RGB32);
    QPainter painter(&image);
    const DrawnPage drawn = DrawPage(painter, QSize(11906, 16838), page, {}, [] {});
    std::vector<QPoint> at;
    for (const auto& t : drawn.texts)
      if (t.text == text) at.push_back(t.at);
    ASSERT_EQ(at.size(), static_cast<std::size_t>(drawn.pages)) << text;
    EXPECT_EQ(drawn.pages > 1, std::holds_alternative<ProducerListPage>(page)) << text;
    for (const QPoint& p : at) EXPECT_EQ(p, QPoint(drawn.area.left(), drawn.area.top() + 1)) << text;
  }
}

// The styles stored for the report font are those of every printed text.
TEST(PageLayout, StoredFontStylesReachEveryText) {
  App();
  const std::pair<const char*, kv7::store::FontStyles> cases[] = {
      {"fsBold,fsUnderline.", {true, false, true, false}}, {",fsItalic,fsStrikeout.", {false, true, false, true}}};
  for (const auto& [stored, styles] : cases) {
    kv7::store::Configuration config;
    config.prn_font_set = stored;
    QImage image(QSize(1191, 1684), QImage::Format_RGB32);
    QPainter painter(&image);
    const auto font = kv7::i18n::PrintSettings::FromConfiguration(config);
    for (const auto& t : DrawPage(painter, QSize(11906, 16838), Blank(), font).texts)
      EXPECT_EQ(kv7::store::FontStyles({styles.bold, t.font.italic(), t.font.underline(), t.font.strikeOut()}), styles)
          << stored;
  }
}

// With "Preview stampa" clear a cancelled print dialog prints nothing and
// leaves no window open.
TEST(PrintDialog, CancelPrintsNothing) {
  App();
  kv7::test::TempDir dir;
  auto printer = MakePrinter();
  const QString file = QString::fromStdString((dir.path() / "never.pdf").string());
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(file);
  QTimer cancel;
  QObject::connect(&cancel, &QTimer::timeout, [] {
    if (QWidget* w = QApplication::activeModalWidget()) w->close();
  });
  cancel.start(20);
  EXPECT_FALSE(PrintWithDialog(nullptr, *printer, Blank(), {}));
  cancel.stop();
  QApplication::processEvents();
  EXPECT_FALSE(QFileInfo::exists(file));
  for (QWidget* w : QApplication::topLevelWidgets()) EXPECT_FALSE(w->isVisible()) << w->metaObject()->className();
}

TEST_F(ReportPages, Kv7ctlReportExitStatus) {
  const std::string pdf = (dir_.path() / "k.pdf").string();
  const struct {
    std::string args;
    int status;
  } cases[] = {
      {"batch 42 --pdf " + pdf, 0},     {"batch 42 --partita --pdf " + pdf, 0},
      {"program 07 --pdf " + pdf, 0},   {"installation --pdf " + pdf, 0},
      {"batch 99 --pdf " + pdf, 1},     {"batch 43 --pdf " + pdf, 1},
      {"program 88 --pdf " + pdf, 1},   {"batch 42", 2},
      {"batch x --pdf " + pdf, 2},      {"program --pdf", 2},
      {"batch 42 --pdf /nonexistent/dir/k.pdf", 1},
  };
  for (const auto& k : cases) {
    EXPECT_EQ(Shell("KV7_CONFIG_DIR=" + dir_.path().string() + " KV7_DB_NAME=" + Name() + " " KV7CTL_PATH " report " +
                    k.args + " 2>/dev/null")
                  .status,
              k.status)
        << k.args;
  }
  Shell("KV7_CONFIG_DIR=" + dir_.path().string() + " KV7_DB_NAME=" + Name() + " " KV7CTL_PATH " report batch 42 --pdf " +
      pdf);
  EXPECT_NE(PdfText(pdf).find("Numero Registrazione: 42"), std::string::npos);
}

}  // namespace
