// The batch and producer archives on the private server: a saved batch read
// back with the plain mariadb client column by column, texts cut to their
// columns with the cut logged, deleted rows logged whole, the next number
// after deletes, producers addressed by the selected row, and the list's
// " <nuovo produttore>".

#include <gtest/gtest.h>

#include <cstdio>
#include <map>

#include "batches/BatchArchive.h"
#include "batches/BatchRules.h"
#include "batches/ProducerArchive.h"
#include "store/TestDatabase.h"

namespace {

using namespace kv7::batches;
namespace store = kv7::store;

class Archive : public kv7::test::TestDatabase {
 protected:
  LogSink Log() {
    return [this](const std::string& line) { log += line; };
  }

  // One row through the mariadb command-line client, not through our code:
  // column name -> text, as the client prints them.
  std::map<std::string, std::string> ClientRow(const std::string& sql) {
    const std::string cmd = ClientCommand(MARIADB_CLIENT) + " -B -E " + Name() + " -e \"" + sql + "\"";
    std::map<std::string, std::string> row;
    FILE* f = ::popen(cmd.c_str(), "r");
    char line[4096];
    while (f && std::fgets(line, sizeof line, f)) {
      std::string s(line);
      auto colon = s.find(": ");
      if (colon == std::string::npos) continue;
      auto name = s.substr(s.find_first_not_of(' '), colon - s.find_first_not_of(' '));
      row[name] = s.substr(colon + 2, s.size() - colon - 3);
    }
    if (f) ::pclose(f);
    return row;
  }

  std::string log;
};

BatchWorkingSet Sample() {
  BatchWorkingSet ws;
  for (std::size_t q = 0; q < 4; ++q)
    for (std::size_t c = 0; c < 15; ++c) ws.totals[q][c] = " " + std::to_string(1000 * q + c);
  ws.reject = "777";
  ws.program = "05";
  ws.numero = "B123";
  ws.lotto = "L9";
  ws.codProd = "12";
  ws.note = "ab\r\ncd";
  ws.codBar = std::string(22, '7') + std::string(18, '8');  // 40 characters
  ws.totalePart = "1000";
  ws.numCasse = "14";
  ws.numPedane = "";
  ws.operatore = "07";
  ws.date = {2024, 3, 5, 14, 30, 7};
  return ws;
}

TEST_F(Archive, SavedBatchReadsBackColumnByColumnWithTheBarcodeCutAndLogged) {
  Sql().Execute("INSERT INTO `bolle` (`num`, `bolla`) VALUES (41, 'old')");
  Db().SetMachine(6);
  ASSERT_EQ(SaveNewBatch(Db(), Sample(), Log(), {}).number, 42);
  auto row = ClientRow("SELECT * FROM bolle WHERE num = 42");
  std::map<std::string, std::string> expected{
      {"num", "42"},        {"data", "2024-03-05 14:30:07"}, {"programma", "05"},
      {"bolla", "B123"},    {"codicebarre", std::string(18, '7')}, {"produttore", "12"},
      {"note", "abcd"},     {"totpartita", "1000"},          {"totq5", "777"},
      {"numerocasse", "14"}, {"numeropedane", "0"},          {"lotto", "L9"},
      {"operatore", "07"},  {"macchina", "6"}};
  for (int q = 1; q <= 4; ++q)
    for (int c = 1; c <= 15; ++c)
      expected["tot" + std::to_string(c) + "q" + std::to_string(q)] = std::to_string(1000 * (q - 1) + c - 1);
  EXPECT_EQ(row, expected);
  EXPECT_NE(log.find("Bolla 42, codicebarre tagliato a 18 caratteri: testo=" + Sample().codBar), std::string::npos)
      << log;

  // A bad total: nothing written, the stored row unchanged.
  BatchWorkingSet bad = Sample();
  bad.totals[2][4] = "12,5";
  bad.numero = "CHANGED";
  store::BatchRow loaded;
  ASSERT_TRUE(Db().LoadBatchByNumber(42, loaded));
  EXPECT_EQ(SaveEditedBatch(Db(), loaded, bad, Log(), {}).bad, (BadField{"TotC5Q3", "12,5"}));
  EXPECT_EQ(SaveNewBatch(Db(), bad, Log(), {}).status, SaveResult::Status::BadField);
  EXPECT_EQ(ClientRow("SELECT * FROM bolle WHERE num = 42"), expected);
  EXPECT_EQ(ClientRow("SELECT COUNT(*) AS n FROM bolle")["n"], "2");

  // Modified on another machine's console: the batch stays the machine's that sampled it.
  Db().SetMachine(2);
  BatchWorkingSet edited = Sample();
  edited.numero = "B124";
  EXPECT_EQ(SaveEditedBatch(Db(), loaded, edited, Log(), {}).status, SaveResult::Status::Saved);
  expected["bolla"] = "B124";
  EXPECT_EQ(ClientRow("SELECT * FROM bolle WHERE num = 42"), expected);

  // Deleted: the row goes to the log whole.
  log.clear();
  EXPECT_TRUE(DeleteBatch(Db(), 42, Log(), {}));
  EXPECT_FALSE(DeleteBatch(Db(), 42, Log(), {}));
  for (const char* part : {"Bolla cancellata: num=42; data=2024-03-05 14:30:07; programma=05;", "tot15q4=3014;",
                           "codicebarre=777777777777777777;", "operatore=07; macchina=6\r\n"})
    EXPECT_NE(log.find(part), std::string::npos) << part << "\n" << log;
}

TEST_F(Archive, NextNumberListAndProducersOfTheBatches) {
  const BatchWorkingSet ws = Sample();
  for (int n : {1, 2, 3}) ASSERT_EQ(SaveNewBatch(Db(), ws, {}, {}).number, n);
  ASSERT_TRUE(SaveProducer(Db(), 12, "Rossi Mario", {}));
  BatchWorkingSet other = ws;
  other.codProd = "13";
  ASSERT_EQ(SaveNewBatch(Db(), other, {}, {}).number, 4);

  BatchList list = FillBatchList(Db());
  EXPECT_EQ(list.count, 4);
  EXPECT_EQ(list.maxNumber, 4);
  EXPECT_EQ(list.NumMaxText(), "    4");
  ASSERT_EQ(list.items.size(), 4u);
  EXPECT_EQ(list.items[0].text, "    1 05/03/2024 14:30:07 05 B123 12 Rossi Mario");
  EXPECT_EQ(list.items[3].text, "    4 05/03/2024 14:30:07 05 B123 13  <nuovo produttore>");
  EXPECT_TRUE(list.items[3].newProducer);  // the window shows the note in the language in force
  EXPECT_FALSE(list.items[0].newProducer);

  // Deleting the highest number gives it to the next batch; any other does not.
  EXPECT_TRUE(DeleteBatch(Db(), 4, {}, {}));
  EXPECT_EQ(PrepareNewBatch(Db(), ws, true, {}).number, 4);
  EXPECT_TRUE(DeleteBatch(Db(), 2, {}, {}));
  EXPECT_EQ(PrepareNewBatch(Db(), ws, true, {}).number, 4);

  // Editing batch 1: the producer's name, the program missing from an empty archive.
  auto edit = PrepareEditBatch(Db(), 1, {}, false);
  EXPECT_EQ(edit.ws.nomeProd, "Rossi Mario");
  EXPECT_EQ(edit.ws.totals[3][14], "3014");
  EXPECT_EQ(edit.program, BatchEditorInput::Program::ArchiveEmpty);
  Sql().Execute("DROP TABLE `bolle`");
  EXPECT_EQ(FillBatchList(Db()).maxNumber, 1);
}

TEST_F(Archive, ProducerModifyAndDeleteHitTheSelectedRowAfterADeletion) {
  for (int n : {1, 2, 3}) SaveProducer(Db(), n, "P" + std::to_string(n), {});
  auto list = FillProducerList(Db());
  EXPECT_EQ(ProposeProducerNumber(list), 4);
  EXPECT_EQ(list[2].ListText(), "(   3) P3");
  EXPECT_FALSE(SaveProducer(Db(), 2, "P2 bis", {}));  // New under a used number replaces
  ASSERT_TRUE(DeleteProducer(Db(), list[0], Log(), {}));
  EXPECT_EQ(log, "Produttore cancellato: num=1; codice=1; descrizione=P1\r\n");

  list = FillProducerList(Db());  // P2 bis, P3: position 1 is code 2
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(ProposeProducerNumber(list), 4);  // 3 is taken
  ModifyProducer(Db(), list[1], 3, "P3 ter", {});
  EXPECT_EQ(LookupProducerByCode(Db(), "3"), "P3 ter");
  EXPECT_EQ(LookupProducerByCode(Db(), "2"), "P2 bis");
  ASSERT_TRUE(DeleteProducer(Db(), list[0], {}, {}));
  EXPECT_FALSE(DeleteProducer(Db(), list[0], {}, {}));
  list = FillProducerList(Db());
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0], (Producer{3, "3", "P3 ter"}));
  EXPECT_FALSE(LookupProducerByCode(Db(), "03"));
  for (const char* code : {"12a", "", "1.5", "99999999999"}) EXPECT_FALSE(ProducerNumber(code)) << code;
}

}  // namespace
