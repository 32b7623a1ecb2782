// The value on the printed pages and the grower's season statement, drawn
// to PDF and read back with pdftotext: a batch valued on the list of its
// day with the classes that have no price named, the statement written by
// kv7ctl.

#include <gtest/gtest.h>

#include <QApplication>

#include <regex>

#include "batches/ProducerArchive.h"
#include "prices/PriceArchive.h"
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
using kv7::prices::kRejectKey;
using kv7::store::DbDateTime;
using kv7::test::Shell;

std::string PdfText(const std::string& file) {
  return Shell(std::string(PDFTOTEXT) + " -layout '" + file + "' -").out;
}

class PricePages : public kv7::test::TestDatabase {
 protected:
  void SetUp() override {
    kv7::test::TestApp();
    TestDatabase::SetUp();
    kv7::store::ProgramRecord p;
    p.code = "07";
    p.description = "Pere";
    for (auto& limits : p.limit)
      for (std::size_t k = 0; k < limits.size(); ++k) limits[k] = std::to_string(100 + 10 * k);
    kv7::programs::SaveProgram(Db(), p, "07", {});
    kv7::batches::SaveProducer(Db(), 12, "Rossi Mario", {});
    // 42: sampled only, Q4 C2 and the reject without a price: 1 kg x 2.00.
    Batch(42, "2024-02-20 09:00:00", "12", 0, {{0, 0, 1000}, {3, 1, 500}}, 500);
    // 43: 1000 kg declared on 3 / 1 / 1: 600 x 0.50 + 200 x 0.30 + 200 x 0.01.
    Batch(43, "2024-03-05 10:00:00", "12", 1000, {{0, 0, 3000}, {1, 4, 1000}}, 1000);
    Batch(44, "2023-12-01 08:00:00", "12", 0, {{0, 0, 1000}}, 0);  // before any list
    Batch(45, "2024-03-06 08:00:00", "13", 0, {{0, 0, 1000}}, 0);  // another producer
    Batch(46, "2024-04-01 00:00:00", "12", 0, {{0, 0, 1000}}, 0);  // after the period
    kv7::prices::SavePriceList(Db(), {"07", *DbDateTime::Parse("2024-01-01"), {{{1, 1}, 20000}}}, {});
    kv7::prices::SavePriceList(
        Db(), {"07", *DbDateTime::Parse("2024-03-01"), {{{1, 1}, 5000}, {{5, 2}, 3000}, {kRejectKey, 100}}}, {});
  }

  struct Grams {
    std::size_t q, c;
    std::int64_t grams;
  };
  void Batch(std::int64_t num, const char* when, const char* producer, std::int64_t declared,
             std::initializer_list<Grams> grams, std::int64_t reject) {
    kv7::store::BatchRow row;
    row.num = num;
    row.data = DbDateTime::Parse(when);
    row.programma = "07";
    row.bolla = "B-" + std::to_string(num);
    row.produttore = producer;
    row.totpartita = declared;
    row.totq5 = reject;
    for (const auto& g : grams) row.tot[g.q][g.c] = g.grams;
    Db().SaveBatchRow(row);
  }

  std::string Kv7ctl(const std::string& args) {
    return "KV7_CONFIG_DIR=" + dir_.path().string() + " KV7_DB_NAME=" + Name() + " " KV7CTL_PATH " report " + args;
  }

  kv7::store::Configuration config_;
  kv7::test::TempDir dir_;
};

TEST_F(PricePages, StoredBatchShowsItsValueAndTheClassesWithoutAPrice) {
  const std::string pdf = (dir_.path() / "b.pdf").string();
  ASSERT_EQ(Shell(Kv7ctl("batch 42 --pdf " + pdf)).status, 0);
  const std::string text = PdfText(pdf);
  EXPECT_TRUE(std::regex_search(text, std::regex(R"(Valore:\s+2,00\s+\(1,0000 al Kg\))"))) << text;
  EXPECT_NE(text.find("Listino dal 01/01/24"), std::string::npos) << text;
  EXPECT_NE(text.find("Senza prezzo: Q4 C2, Scarto"), std::string::npos) << text;
}

TEST_F(PricePages, SeasonStatementReadBack) {
  const std::string pdf = (dir_.path() / "s.pdf").string();
  ASSERT_EQ(Shell(Kv7ctl("producer 12 --from 2023-12-01 --to 2024-03-31 --pdf " + pdf)).status, 0);
  const std::string text = PdfText(pdf);
  EXPECT_NE(text.find("ESTRATTO CONTO STAGIONE"), std::string::npos);
  EXPECT_NE(text.find("Rossi Mario"), std::string::npos);
  // Date, number, note, declared kg, Q1..Q4 and reject shares, value; in date order.
  const char* lines[] = {
      R"(01/12/23\s+44\s+B-44\s+0\s+100,00\s+0,00\s+0,00\s+0,00\s+0,00\s+—)",
      R"(20/02/24\s+42\s+B-42\s+0\s+50,00\s+0,00\s+0,00\s+25,00\s+25,00\s+2,00)",
      R"(05/03/24\s+43\s+B-43\s+1\.000\s+60,00\s+20,00\s+0,00\s+0,00\s+20,00\s+362,00)",
      // Weights 602 / 200 / 0 / 0.5 / 200.5 kg of 1003 kg; 364.00 on 1002 kg valued.
      R"(Totali\s+3\s+1\.000\s+60,02\s+19,94\s+0,00\s+0,05\s+19,99\s+364,00)",
      R"(0,3633 al Kg)",
  };
  std::size_t at = 0;
  for (const char* line : lines) {
    std::smatch m;
    const std::string rest = text.substr(at);
    ASSERT_TRUE(std::regex_search(rest, m, std::regex(line))) << line << "\n" << text;
    at += std::size_t(m.position(0) + m.length(0));
  }
  EXPECT_EQ(text.find("B-45"), std::string::npos);
  EXPECT_EQ(text.find("B-46"), std::string::npos);
  EXPECT_EQ(Shell(Kv7ctl("producer 12 --from 2024-13-01 --pdf " + pdf + " 2>/dev/null")).status, 2);
}

}  // namespace
