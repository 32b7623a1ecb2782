// The office's data pages on a seeded archive: what they show is checked
// against the archive's own rows and sums in plain SQL.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "batches/ProducerArchive.h"
#include "prices/PriceArchive.h"
#include "programs/ProgramArchive.h"
#include "store/TestDatabase.h"
#include "support/Shell.h"
#include "support/TempDir.h"
#include "ui/QtTestApp.h"
#include "web/DataPages.h"

namespace {

using namespace kv7::web;
using kv7::store::ToInteger;

// A name a CSV or a page could break on: comma, quote, markup, line end.
const std::string kAwkward = "Bianchi, \"La Pera\" <srl>\nco";

class DataPages : public kv7::test::TestDatabase {
 protected:
  void SetUp() override {
    kv7::test::TestApp();
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
    kv7::batches::SaveProducer(Db(), 7, kAwkward, {});
    // 120 batches, every third one of producer 7, machines 1 and 2.
    Sql().Execute(
        "INSERT INTO bolle (num, data, programma, bolla, produttore, totpartita, tot1q1, tot2q3, totq5, macchina) "
        "SELECT seq, TIMESTAMP('2024-03-01') + INTERVAL seq HOUR, '07', CONCAT('B', seq), IF(seq % 3 = 0, '7', '12'), "
        "seq * 10, seq * 100, 2500, seq, 1 + seq % 2 FROM seq_1_to_120");
    kv7::prices::SavePriceList(
        Db(), {"07", *kv7::store::DbDateTime::Parse("2024-01-01"), {{{1, 1}, 5000}, {{2, 3}, 2000}}}, {});
    Sql().Execute(
        "INSERT INTO kv7_audit (quando, macchina, utente, finestra, azione, tabella, chiave, prima, dopo) "
        "VALUES ('2024-03-02 10:00:00', 1, 'ufficio<1>', 'TModDati', 'modifica', 'bolle', '5', '{}', '{}')");
  }

  Response Get(Response (*page)(kv7::store::Database&, const Request&), std::map<std::string, std::string> query,
               std::string language = "it") {
    return page(Db(), Request{"/", std::move(query), std::move(language)});
  }

  std::vector<std::int64_t> Column(const std::string& sql) {
    std::vector<std::int64_t> out;
    for (const auto& r : Sql().Query(sql)) out.push_back(ToInteger(r[0]));
    return out;
  }

  static std::vector<std::int64_t> ListedNumbers(const std::string& html) {
    std::vector<std::int64_t> out;
    static const std::regex link("href=\"/batch\\?num=([0-9]+)\"");
    for (std::sregex_iterator i(html.begin(), html.end(), link), end; i != end; ++i) out.push_back(std::stoll((*i)[1]));
    return out;
  }

  std::string PdfText(const std::string& bytes) {
    const std::string file = (dir_.path() / "p.pdf").string();
    std::ofstream(file, std::ios::binary) << bytes;
    return kv7::test::Shell(std::string(PDFTOTEXT) + " -layout '" + file + "' -").out;
  }

  kv7::test::TempDir dir_;
};

TEST_F(DataPages, ListPagesMatchTheArchiveAtTheEnds) {
  const struct {
    std::map<std::string, std::string> query;
    const char* sql;  // the same rows, in the same order
  } cases[] = {
      {{}, "SELECT num FROM bolle ORDER BY num DESC LIMIT 50"},
      {{{"page", "3"}}, "SELECT num FROM bolle ORDER BY num DESC LIMIT 50 OFFSET 100"},  // last: 20 rows
      {{{"page", "4"}}, "SELECT num FROM bolle WHERE FALSE"},                          // beyond the last
      {{{"producer", "99"}}, "SELECT num FROM bolle WHERE FALSE"},                      // empty
      {{{"sort", "data"}, {"dir", "asc"}, {"page", "2"}}, "SELECT num FROM bolle ORDER BY data, num LIMIT 50 OFFSET 50"},
      {{{"producer", "7"}, {"machine", "2"}, {"sort", "kg"}},
       "SELECT num FROM bolle WHERE produttore = '7' AND macchina = 2 ORDER BY totpartita DESC, num DESC LIMIT 50"},
      {{{"from", "2024-03-02"}, {"to", "2024-03-02"}, {"sort", "nonsense; DROP TABLE bolle"}},
       "SELECT num FROM bolle WHERE DATE(data) = '2024-03-02' ORDER BY num DESC"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.sql);
    const Response r = Get(BatchListPage, c.query);
    EXPECT_EQ(r.status, 200);
    const auto expected = Column(c.sql);
    EXPECT_EQ(ListedNumbers(r.body), expected);
    EXPECT_EQ(r.body.find("Nessuna bolla") != std::string::npos, expected.empty());
  }
  EXPECT_NE(Get(BatchListPage, {{"page", "3"}}).body.find("Pagina 3 di 3 (120 bolle)"), std::string::npos);
  EXPECT_EQ(Get(BatchListPage, {{"from", "2024-13-01"}}).status, 400);
}

TEST_F(DataPages, CsvHoldsTheWholeFilteredListQuoted) {
  const Response r = Get(BatchListPage, {{"producer", "7"}, {"format", "csv"}});
  EXPECT_EQ(r.contentType, "text/csv; charset=utf-8");
  EXPECT_NE(r.headers.at("Content-Disposition").find("bolle.csv"), std::string::npos);
  // One record per batch plus the header; the name's own line end is not a record's.
  std::size_t records = 0;
  for (std::size_t at = 0; (at = r.body.find("\r\n", at)) != std::string::npos; at += 2) ++records;
  EXPECT_EQ(records, 1 + Column("SELECT COUNT(*) FROM bolle WHERE produttore = '7'")[0]);
  EXPECT_NE(r.body.find("\r\n120,2024-03-06 00:00:00,B120,7,\"Bianchi, \"\"La Pera\"\" <srl>\nco\",07,1,1200,14620\r\n"),
            std::string::npos);
}

TEST_F(DataPages, ListEscapesNamesAndWritesFiguresInTheLanguage) {
  for (const auto& [lang, grouped] : {std::pair{"it", "1.200"}, std::pair{"en", "1,200"}}) {
    const std::string html = Get(BatchListPage, {{"producer", "7"}}, lang).body;
    EXPECT_NE(html.find("Bianchi, &quot;La Pera&quot; &lt;srl&gt;"), std::string::npos);
    EXPECT_EQ(html.find("<srl>"), std::string::npos);
    EXPECT_NE(html.find(">" + std::string(grouped) + "</td>"), std::string::npos) << lang;
  }
}

TEST_F(DataPages, BatchPageShowsTicketValueAndAudit) {
  const std::string html = Get(BatchPage, {{"num", "5"}}).body;
  // 500 g in c1q1, 2500 g in c2q3, 5 g of reject: 3.005 g in all.
  for (const char* item : {"B5", "Rossi Mario", "Mele prova", ">500</td>", ">2.500</td>", ">3.005</td>",
                           "ufficio&lt;1&gt;", "TModDati"})
    EXPECT_NE(html.find(item), std::string::npos) << item;
  // Valued on its 50 kg declared: 500/3005 of it at 0,50 and 2500/3005 at 0,20.
  const double value = 50.0 * (500.0 / 3005 * 0.5 + 2500.0 / 3005 * 0.2);
  char text[16];
  std::snprintf(text, sizeof text, ">%.2f<", value);
  std::string expected = text;
  std::replace(expected.begin(), expected.end(), '.', ',');
  EXPECT_NE(html.find(expected), std::string::npos) << expected;
  EXPECT_EQ(Get(BatchPage, {{"num", "999"}}).status, 404);
  EXPECT_EQ(Get(BatchPage, {{"num", "x"}}).status, 400);
}

TEST_F(DataPages, PdfsComeFromTheConsolesPageCode) {
  const Response batch = Get(BatchPage, {{"num", "42"}, {"format", "pdf"}});
  ASSERT_EQ(batch.body.rfind("%PDF", 0), 0u);
  EXPECT_NE(PdfText(batch.body).find("Numero Registrazione: 42"), std::string::npos);
  const Response statement = Get(StatementPdf, {{"producer", "7"}, {"from", "2024-03-01"}, {"to", "2024-03-31"}});
  ASSERT_EQ(statement.body.rfind("%PDF", 0), 0u);
  const std::string text = PdfText(statement.body);
  EXPECT_NE(text.find("B120"), std::string::npos);
  EXPECT_EQ(text.find("B119"), std::string::npos);  // producer 12's
}

TEST_F(DataPages, StatisticsMatchTheArchivePerProducer) {
  const std::map<std::string, std::string> q{{"from", "2024-03-01"}, {"to", "2024-03-31"}, {"by", "producer"}};
  auto csvQuery = q;
  csvQuery["format"] = "csv";
  const std::string csv = Get(StatisticsPage, csvQuery).body;
  for (const auto& r : Sql().Query("SELECT produttore, COUNT(*), SUM(totpartita) FROM bolle GROUP BY produttore")) {
    const std::string start = "\r\n" + kv7::store::ToText(r[0]) + ",";
    const auto at = csv.find(start);
    ASSERT_NE(at, std::string::npos) << start;
    const std::string counts = "," + std::to_string(ToInteger(r[1])) + "," + std::to_string(ToInteger(r[2])) + ",";
    EXPECT_NE(csv.find(counts, at), std::string::npos) << counts;
  }
  const std::string html = Get(StatisticsPage, q).body;
  std::size_t charts = 0;
  for (std::size_t at = 0; (at = html.find("<svg", at)) != std::string::npos; ++at) ++charts;
  EXPECT_EQ(charts, 2u);  // quality shares per group, class distribution
  EXPECT_NE(html.find("&lt;srl&gt;"), std::string::npos);
  EXPECT_EQ(Get(StatisticsPage, {{"by", "colour"}}).status, 400);
}

}  // namespace
