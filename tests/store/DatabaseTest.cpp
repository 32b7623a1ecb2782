// The data module against the private server, each test on its own database.

#include <gtest/gtest.h>

#include "TestDatabase.h"

namespace kv7::store {
namespace {

using Columns = std::vector<std::tuple<std::string, std::string, long long>>;  // name, type, length

Columns Described(DbConnection& c, const std::string& table) {
  Columns out;
  for (auto& r : c.Query("SELECT COLUMN_NAME, DATA_TYPE, COALESCE(CHARACTER_MAXIMUM_LENGTH, 0) "
                         "FROM information_schema.COLUMNS WHERE TABLE_SCHEMA = DATABASE() AND TABLE_NAME = ? "
                         "ORDER BY ORDINAL_POSITION",
                         {table}))
    out.emplace_back(ToText(r[0]), ToText(r[1]), ToInteger(r[2]));
  return out;
}

std::string Cq(const char* p, int c, int q) {
  return p + std::to_string(c) + "q" + std::to_string(q);
}

class DatabaseTest : public test::TestDatabase {
 protected:
  BatchRow SampleBatch(std::int64_t num) {
    BatchRow b;
    b.num = num;
    b.data = DbDateTime{2024, 10, 3, 14, 25, 9};
    b.programma = "05";
    for (int q = 0; q < 4; ++q)
      for (int c = 0; c < 15; ++c) b.tot[q][c] = (q + 1) * 1000 + c;
    b.bolla = "B-17";
    b.codicebarre = "800123456789012345";
    b.produttore = "00042";
    b.note = "it's \"ok\"; \\ DROP TABLE bolle; --";
    b.totpartita = 1200;
    b.totq5 = 777;
    b.numerocasse = 40;
    b.numeropedane = 2;
    b.lotto = "000123";
    b.operatore = "07";
    return b;
  }

  void InsertProgram(std::int64_t num, const std::string& code, const std::string& description) {
    Sql().Execute(
        "INSERT INTO programmi (num, codiceprog, descrizione, pesocal1q1, pesocal16q4, nomecal3q2, "
        "codicec15q4, codiceq5) VALUES (?, ?, ?, ?, ?, ?, ?, ?)",
        {num, code, description, std::int64_t{90}, std::int64_t{999}, std::string("GRANDE"),
         std::string("ART-15-4"), std::string("SCARTO")});
  }

  void AddProducer(std::int64_t num, const std::string& code, const std::string& description) {
    Db().Table("produttori").Insert({{"num", num}, {"codice", code}, {"descrizione", description}});
  }
};

TEST_F(DatabaseTest, SchemaHasTheColumnsInOrderWithTheirTypes) {
  auto& c = Sql();
  Columns programs{{"num", "int", 0}, {"descrizione", "varchar", 45}};
  for (int q = 1; q <= 4; ++q) {
    for (int k = 1; k <= 16; ++k) programs.emplace_back(Cq("pesocal", k, q), "int", 0);
    for (int k = 1; k <= 15; ++k) programs.emplace_back(Cq("nomecal", k, q), "varchar", 10);
  }
  programs.emplace_back("codiceprog", "varchar", 3);
  for (int q = 1; q <= 4; ++q)
    for (int k = 1; k <= 15; ++k) programs.emplace_back(Cq("codicec", k, q), "varchar", 15);
  programs.emplace_back("codiceq5", "varchar", 15);
  EXPECT_EQ(Described(c, "programmi"), programs);
  EXPECT_EQ(programs.size(), 188u);

  EXPECT_EQ(Described(c, "produttori"),
            (Columns{{"num", "int", 0}, {"codice", "varchar", 15}, {"descrizione", "varchar", 45}}));

  Columns batches{{"num", "int", 0}, {"data", "datetime", 0}, {"programma", "varchar", 3}};
  for (int q = 1; q <= 4; ++q)
    for (int k = 1; k <= 15; ++k) batches.emplace_back(Cq("tot", k, q), "int", 0);
  Columns tail{{"bolla", "varchar", 15},   {"codicebarre", "varchar", 18}, {"produttore", "varchar", 5},
               {"note", "varchar", 90},    {"totpartita", "int", 0},       {"totq5", "int", 0},
               {"numerocasse", "int", 0},  {"numeropedane", "int", 0},     {"lotto", "varchar", 15},
               {"operatore", "varchar", 2},  {"macchina", "int", 0}};
  batches.insert(batches.end(), tail.begin(), tail.end());
  EXPECT_EQ(Described(c, "bolle"), batches);

  EXPECT_EQ(Described(c, "temporary"),
            (Columns{{"programma", "int", 0}, {"produttore", "int", 0}, {"macchina", "int", 0}}));
  Columns totals;
  for (int q = 1; q <= 4; ++q)
    for (int k = 1; k <= 15; ++k) totals.emplace_back(Cq("tot", k, q), "int", 0);
  totals.emplace_back("totq5", "int", 0);
  totals.emplace_back("macchina", "int", 0);
  EXPECT_EQ(Described(c, "totali_temp"), totals);

  // Engine, character set and keys.
  for (auto& r : c.Query("SELECT TABLE_NAME, ENGINE, TABLE_COLLATION FROM information_schema.TABLES "
                         "WHERE TABLE_SCHEMA = DATABASE()")) {
    EXPECT_EQ(ToText(r[1]), "InnoDB") << ToText(r[0]);
    EXPECT_EQ(ToText(r[2]).rfind("utf8mb4", 0), 0u) << ToText(r[0]);
  }
  auto key = [&](const std::string& table) {
    std::string s;
    for (auto& r :
         c.Query("SELECT COLUMN_NAME FROM information_schema.KEY_COLUMN_USAGE WHERE TABLE_SCHEMA = "
                 "DATABASE() AND TABLE_NAME = ? AND CONSTRAINT_NAME = 'PRIMARY' ORDER BY ORDINAL_POSITION",
                 {table}))
      s += ToText(r[0]) + ";";
    return s;
  };
  EXPECT_EQ(key("bolle"), "num;");
  EXPECT_EQ(key("produttori"), "num;codice;");
  EXPECT_EQ(key("temporary"), "macchina;");
  EXPECT_EQ(key("totali_temp"), "macchina;");
  // The producer key is unique on the pair.
  Sql().Execute("INSERT INTO produttori VALUES (1, 'A', 'x'), (1, 'B', 'y')");
  EXPECT_THROW(Sql().Execute("INSERT INTO produttori VALUES (1, 'A', 'z')"), DbError);
}

TEST_F(DatabaseTest, InitIsIdempotentAndKeepsWhatExists) {
  Db().SaveBatchRow(SampleBatch(3));
  Sql().ExecuteSql("DROP TABLE totali_temp");
  Sql().ExecuteSql("ALTER TABLE temporary ADD COLUMN extra INT");
  Database again(Params());
  again.InitSchema();
  EXPECT_TRUE(again.TableExists("totali_temp"));
  BatchRow back;
  EXPECT_TRUE(again.LoadBatchByNumber(3, back));
  EXPECT_EQ(Described(Sql(), "temporary").size(), 4u);  // nothing existing is altered
}

TEST_F(DatabaseTest, BatchRoundTripsUnchanged) {
  BatchRow b = SampleBatch(17);
  b.note = "quote ' double \" back \\ semi ; percent % under _ àèé €";
  Db().SaveBatchRow(b);
  BatchRow back;
  BatchFigures f;
  ASSERT_TRUE(Db().LoadBatchByNumber(17, back, f));
  EXPECT_EQ(back.note, b.note);
  EXPECT_EQ(back.tot, b.tot);
  EXPECT_EQ(back.data, b.data);
  EXPECT_EQ(back.codicebarre, b.codicebarre);
  EXPECT_EQ(back.totpartita, 1200);
  EXPECT_EQ(back.DateText(), "03/10/2024");
  EXPECT_EQ(back.TimeText(), "14:25:09");
  EXPECT_EQ(f.totale_gen, ComputeBatchFigures(b).totale_gen);

  // Saving the same number edits that row.
  b.bolla = "B-18";
  Db().SaveBatchRow(b);
  EXPECT_EQ(Db().Table("bolle").Count(), 1);
  ASSERT_TRUE(Db().LoadBatchByNumber(17, back));
  EXPECT_EQ(back.bolla, "B-18");
  EXPECT_FALSE(Db().LoadBatchByNumber(18, back));
  EXPECT_EQ(back.bolla, "B-18");  // untouched by the miss

  // A row with NULL counts reads as zeros.
  Sql().Execute("INSERT INTO bolle (num) VALUES (6)");
  ASSERT_TRUE(Db().LoadBatchByNumber(6, back, f));
  EXPECT_FALSE(back.data);
  EXPECT_EQ(f.totale_gen, 0);
  EXPECT_EQ(FormatPercentage(f.percq[0]), "0.00");

  EXPECT_TRUE(Db().DeleteBatchByNumber(17));
  EXPECT_FALSE(Db().DeleteBatchByNumber(17));
  EXPECT_FALSE(Db().LoadBatchByNumber(17, back));
  EXPECT_TRUE(Db().LoadBatchByNumber(6, back));
}

TEST_F(DatabaseTest, ValuesThatDoNotFitAreRefusedNotCut) {
  Db().SaveBatchRow(SampleBatch(1));
  BatchRow b = SampleBatch(1);
  b.tot[2][3] = 3000000000LL;
  try {
    Db().SaveBatchRow(b);
    FAIL() << "out-of-range total accepted";
  } catch (const DbError& e) {
    EXPECT_NE(std::string(e.what()).find("Out of range"), std::string::npos) << e.what();
    EXPECT_FALSE(e.IsConnectionError());
  }
  b = SampleBatch(1);
  b.operatore = "123";
  EXPECT_THROW(Db().SaveBatchRow(b), DbError);
  BatchRow back;
  ASSERT_TRUE(Db().LoadBatchByNumber(1, back));
  EXPECT_EQ(back.tot[2][3], 3003);
  EXPECT_EQ(back.operatore, "07");
  // The connection stays usable after a refused statement.
  EXPECT_TRUE(Db().IsConnected());
}

TEST_F(DatabaseTest, LoadProgramByCodeTakesTheFirstExactMatch) {
  InsertProgram(9, "05", "later");
  InsertProgram(4, "05", "earlier");
  InsertProgram(2, "5 ", "blank after");
  InsertProgram(6, "5", "plain");
  InsertProgram(7, "a", "lower");
  ProgramRecord p;
  ASSERT_TRUE(Db().LoadProgramByCode("05", p));
  EXPECT_EQ(p.description, "earlier");
  EXPECT_EQ(p.code, "05");
  EXPECT_EQ(p.limit[0][0], "90");
  EXPECT_EQ(p.limit[3][15], "999");
  EXPECT_EQ(p.limit[1][7], "0");  // NULL limit
  EXPECT_EQ(p.name[1][2], "GRANDE");
  EXPECT_EQ(p.classCode[3][14], "ART-15-4");
  EXPECT_EQ(p.rejectCode, "SCARTO");
  ASSERT_TRUE(Db().LoadProgramByCode("5", p));
  EXPECT_EQ(p.description, "plain");
  ASSERT_TRUE(Db().LoadProgramByCode("5 ", p));
  EXPECT_EQ(p.description, "blank after");

  ProgramRecord untouched = p;
  EXPECT_FALSE(Db().LoadProgramByCode("A", p));
  EXPECT_FALSE(Db().LoadProgramByCode("99", p));
  EXPECT_FALSE(Db().LoadProgramByCode("' OR '1'='1", p));
  EXPECT_EQ(p.description, untouched.description);
  EXPECT_EQ(p.limit, untouched.limit);
}

TEST_F(DatabaseTest, CurrentSelection) {
  CurrentSelection s;
  s.program = "x";
  EXPECT_FALSE(Db().LoadCurrentSelection(s));  // empty table
  EXPECT_EQ(s.program, "000");
  EXPECT_EQ(s.producer, "00000");

  EXPECT_TRUE(Db().SaveCurrentSelection("05", "12"));
  EXPECT_TRUE(Db().SaveCurrentSelection("07", " 13 "));
  EXPECT_EQ(Db().Table("temporary").Count(), 1);
  ASSERT_TRUE(Db().LoadCurrentSelection(s));
  EXPECT_EQ(s.program, "7");
  EXPECT_EQ(s.producer, "13");
  EXPECT_EQ(s.programNumber, 7);

  EXPECT_THROW(Db().SaveCurrentSelection("7; DROP TABLE bolle", "1"), DbError);
  EXPECT_THROW(Db().SaveCurrentSelection("3000000000", "1"), DbError);
  ASSERT_TRUE(Db().LoadCurrentSelection(s));
  EXPECT_EQ(s.program, "7");  // the refused saves changed nothing

  Sql().ExecuteSql("DROP TABLE `temporary`");
  EXPECT_FALSE(Db().SaveCurrentSelection("1", "2"));
  s.program = "x";
  EXPECT_FALSE(Db().LoadCurrentSelection(s));
  EXPECT_EQ(s.program, "000");
  EXPECT_EQ(s.producer, "00000");
}

TEST_F(DatabaseTest, PrintTotals) {
  PrintTotalsRow t;
  t.tot[0][0] = 1;
  t.totq5 = 2;
  EXPECT_TRUE(Db().FillPrintTotals(t));
  t.tot[3][14] = 5;
  EXPECT_TRUE(Db().FillPrintTotals(t));
  EXPECT_EQ(Db().Table("totali_temp").Count(), 1);
  PrintTotalsRow back;
  PrintTotalsFigures f;
  ASSERT_TRUE(Db().LoadPrintTotals(back, f));
  EXPECT_EQ(back.tot, t.tot);
  EXPECT_EQ(f.totq[3], 5);
  EXPECT_EQ(f.totgen, 8);
  EXPECT_DOUBLE_EQ(f.perc[3][14].value, 62.5);
  EXPECT_DOUBLE_EQ(f.percq[4].value, 25.0);

  // A failed fill keeps the previous row.
  PrintTotalsRow bad = t;
  bad.tot[1][1] = -3000000000LL;
  EXPECT_THROW(Db().FillPrintTotals(bad), DbError);
  ASSERT_TRUE(Db().LoadPrintTotals(back, f));
  EXPECT_EQ(back.tot, t.tot);

  Sql().ExecuteSql("DELETE FROM totali_temp");
  EXPECT_FALSE(Db().LoadPrintTotals(back, f));
  Sql().ExecuteSql("DROP TABLE totali_temp");
  EXPECT_FALSE(Db().FillPrintTotals(t));
  EXPECT_FALSE(Db().LoadPrintTotals(back, f));
}

// Two machines on one archive: each keeps its own restart record and print
// totals, and a batch keeps the machine it was stored with (none reads as 1).
TEST_F(DatabaseTest, WorkingRowsAndBatchesArePerMachine) {
  Database second(Params());
  second.SetMachine(2);
  ASSERT_TRUE(Db().SaveCurrentSelection("5", "12"));
  CurrentSelection s;
  EXPECT_FALSE(second.LoadCurrentSelection(s));  // machine 2 has none yet
  ASSERT_TRUE(second.SaveCurrentSelection("8", "30"));
  ASSERT_TRUE(Db().SaveCurrentSelection("6", "12"));
  ASSERT_TRUE(second.LoadCurrentSelection(s));
  EXPECT_EQ(s.program + "/" + s.producer, "8/30");
  ASSERT_TRUE(Db().LoadCurrentSelection(s));
  EXPECT_EQ(s.program + "/" + s.producer, "6/12");

  PrintTotalsRow one, two;
  one.totq5 = 11;
  two.totq5 = 22;
  ASSERT_TRUE(Db().FillPrintTotals(one));
  ASSERT_TRUE(second.FillPrintTotals(two));
  ASSERT_TRUE(Db().FillPrintTotals(one));
  PrintTotalsRow back;
  PrintTotalsFigures f;
  ASSERT_TRUE(second.LoadPrintTotals(back, f));
  EXPECT_EQ(back.totq5, 22);
  ASSERT_TRUE(Db().LoadPrintTotals(back, f));
  EXPECT_EQ(back.totq5, 11);

  BatchRow b = SampleBatch(4);
  b.macchina = 2;
  Db().SaveBatchRow(b);
  BatchRow read;
  ASSERT_TRUE(Db().LoadBatchByNumber(4, read));
  EXPECT_EQ(read.macchina, 2);
  Sql().ExecuteSql("UPDATE `bolle` SET `macchina` = NULL");
  ASSERT_TRUE(Db().LoadBatchByNumber(4, read));
  EXPECT_EQ(read.macchina, 1);
}

TEST_F(DatabaseTest, RowAccessInTableOrder) {
  const std::string odd = "O'Brien \"&\" C\\o; DELETE FROM produttori; --";
  AddProducer(3, "P3", "tre");
  AddProducer(1, "P1b", "uno b");
  AddProducer(1, "P1a", "uno a");
  AddProducer(2, "P1a", odd);
  DbTable producers = Db().Table("produttori");

  auto rows = producers.List();
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[0].Text("codice"), "P1a");
  EXPECT_EQ(rows[1].Text("codice"), "P1b");
  EXPECT_EQ(rows[2].Text("descrizione"), odd);
  EXPECT_EQ(rows[3].Int("num"), 3);

  auto first = producers.FindFirst("codice", std::string("P1a"));
  ASSERT_TRUE(first);
  EXPECT_EQ(first->Text("descrizione"), "uno a");
  EXPECT_FALSE(producers.FindFirst("codice", std::string("p1a")));
  EXPECT_FALSE(producers.FindFirst("codice", std::string("P1a ")));
  auto byNum = producers.FindFirst("num", std::int64_t{2});
  ASSERT_TRUE(byNum);
  EXPECT_EQ(byNum->Text("descrizione"), odd);

  EXPECT_TRUE(producers.UpdateFirst("codice", std::string("P1a"), {{"descrizione", std::string("changed")}}));
  EXPECT_EQ(producers.FindFirst("num", std::int64_t{1})->Text("descrizione"), "changed");
  EXPECT_EQ(producers.FindFirst("num", std::int64_t{2})->Text("descrizione"), odd);  // only the first
  EXPECT_FALSE(producers.UpdateFirst("codice", std::string("none"), {{"descrizione", std::string("x")}}));

  EXPECT_TRUE(producers.DeleteFirst("codice", std::string("P1a")));
  EXPECT_EQ(producers.Count(), 3);
  EXPECT_EQ(producers.FindFirst("codice", std::string("P1a"))->Int("num"), 2);
  EXPECT_EQ(producers.Max("num"), 3);
  producers.Empty();
  EXPECT_EQ(producers.Count(), 0);
  EXPECT_FALSE(producers.Max("num"));

  EXPECT_THROW(Db().Table("bolle; DROP TABLE bolle"), DbError);
  EXPECT_THROW(producers.FindFirst("codice`", std::string("x")), DbError);
}

TEST_F(DatabaseTest, BatchListNamesTheFirstMatchingProducer) {
  AddProducer(5, "00042", "second");
  AddProducer(4, "00042", "first");
  BatchRow a = SampleBatch(2), b = SampleBatch(1);
  b.produttore = "00099";
  Db().SaveBatchRow(a);
  Db().SaveBatchRow(b);
  auto list = Db().ListBatches();
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0].num, 1);
  EXPECT_FALSE(list[0].producerName);
  EXPECT_EQ(list[1].num, 2);
  EXPECT_EQ(list[1].producerName, "first");
  EXPECT_EQ(list[1].data, a.data);
}

TEST_F(DatabaseTest, MissingTableIsAnErrorWithTheLibraryText) {
  Sql().ExecuteSql("DROP TABLE bolle");
  BatchRow r;
  try {
    Db().LoadBatchByNumber(1, r);
    FAIL() << "no error for a missing table";
  } catch (const DbError& e) {
    EXPECT_NE(std::string(e.what()).find("doesn't exist"), std::string::npos) << e.what();
  }
  EXPECT_FALSE(Db().TableExists("bolle"));
  EXPECT_TRUE(Db().TableExists("programmi"));
}

TEST_F(DatabaseTest, UnreachableServerOrWrongPasswordIsReportedNotFatal) {
  DbParams wrong = Params();
  wrong.password = "not-the-password";
  Database db(wrong);
  std::string error;
  EXPECT_FALSE(db.Connect(&error));
  EXPECT_NE(error.find("Access denied"), std::string::npos) << error;
  CurrentSelection s;
  try {
    db.LoadCurrentSelection(s);
    FAIL() << "no error without a connection";
  } catch (const DbError& e) {
    EXPECT_TRUE(e.IsConnectionError());
  }
  EXPECT_FALSE(db.IsConnected());

  DbParams away = Params();
  away.host = "localhost";
  away.socket = "/nonexistent/kv7.sock";
  Database none(away);
  EXPECT_FALSE(none.Connect(&error));
  EXPECT_NE(error.find("/nonexistent/kv7.sock"), std::string::npos) << error;
}

}  // namespace
}  // namespace kv7::store
