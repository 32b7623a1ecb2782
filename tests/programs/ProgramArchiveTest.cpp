// The program archive and kv7ctl program on the private server: a program
// saved and read back, the lists, New's proposal after a delete, the
// protection of the current program, and the "F" blocks kv7ctl prints for a
// stored program with a stored configuration.

#include <gtest/gtest.h>

#include <stdexcept>

#include "programs/ProgramArchive.h"
#include "programs/ProgramBlocks.h"
#include "store/ConfigStore.h"
#include "store/TestDatabase.h"
#include "support/Shell.h"
#include "support/TempDir.h"

namespace {

using namespace kv7::programs;
using kv7::store::ProgramRecord;

// A program whose limits, names and codes tell its number, quality and class.
ProgramRecord Sample(int n, const std::string& description) {
  ProgramRecord r;
  r.description = description;
  r.rejectCode = "SC" + std::to_string(n);
  for (int q = 1; q <= 4; ++q) {
    for (int k = 1; k <= 16; ++k) r.limit[q - 1][k - 1] = std::to_string(n + 10 * q + 50 * k);
    for (int c = 1; c <= 15; ++c) {
      r.name[q - 1][c - 1] = "C" + std::to_string(c) + "Q" + std::to_string(q);
      r.classCode[q - 1][c - 1] = std::to_string(n * 1000 + c * 10 + q);
    }
  }
  return r;
}

class ProgramArchive : public kv7::test::TestDatabase {
 protected:
  std::vector<std::string> Codes() { return FillProgramLists(Db()).codes.Codes(); }
};

TEST_F(ProgramArchive, SavedProgramReadsBackInTheEditorWithTheMultiplier) {
  ProgramRecord p = Sample(7, "Mele rosse");
  EXPECT_EQ(SaveProgram(Db(), p, "7", {}), SaveOutcome::Inserted);
  auto row = Sql().QueryFirst(
      "SELECT `num`, `codiceprog`, `pesocal16q4`, `nomecal15q4`, `codiceq5` FROM `programmi`");
  ASSERT_TRUE(row);
  EXPECT_EQ(kv7::store::ToInteger((*row)[0]), 7);
  EXPECT_EQ(kv7::store::ToText((*row)[1]), "07");
  EXPECT_EQ(kv7::store::ToInteger((*row)[2]), 7 + 40 + 800);
  EXPECT_EQ(kv7::store::ToText((*row)[3]), "C15Q4");
  EXPECT_EQ(kv7::store::ToText((*row)[4]), "SC7");

  auto loaded = LoadProgramByNumber(Db(), 7, 10);
  ASSERT_TRUE(loaded);
  EXPECT_EQ(loaded->record.description, "Mele rosse");
  EXPECT_EQ(loaded->texts.minWeight[1][2], std::to_string((7 + 20 + 150) * 10));  // PesoCalMin3Q2
  EXPECT_EQ(loaded->texts.maxWeight[1][2], std::to_string((7 + 20 + 200) * 10));  // PesoCalMax3Q2
  auto back = ReadEditor(loaded->texts, 10);
  ASSERT_TRUE(back.record);
  EXPECT_EQ(back.record->limit, p.limit);

  p.description = "Mele rosse bis";
  EXPECT_EQ(SaveProgram(Db(), p, "07", {}), SaveOutcome::Replaced);
  EXPECT_EQ(Codes(), std::vector<std::string>{"07"});
  EXPECT_EQ(LoadProgramIntoEditor(Db(), "7", 0)->record.description, "Mele rosse bis");
  EXPECT_FALSE(LoadProgramIntoEditor(Db(), "08", 0));
  kv7::store::Configuration config;
  config.qualitaL[3] = 3;  // line 3 grades quality 4
  config.xmoltiply = 10;
  auto board = PrepareBoardProgram(Db(), 7, config);
  ASSERT_TRUE(board);
  EXPECT_EQ(board->blocks[2].substr(0, 9), "072097147");  // line 3, quality 4: 7 + 40 + 50k
  EXPECT_FALSE(PrepareBoardProgram(Db(), 8, config));
  EXPECT_THROW(SaveProgram(Db(), p, "A1", {}), std::invalid_argument);
  EXPECT_EQ(Codes(), std::vector<std::string>{"07"});
}

TEST_F(ProgramArchive, CodesWrittenByOtherToolsAreFoundByTheirValue) {
  SaveProgram(Db(), Sample(7, "Mele"), "07", {});
  SaveProgram(Db(), Sample(5, "Pere"), "05", {});
  // No leading zero, three digits, a `num` that is not the code's value.
  Sql().ExecuteSql("UPDATE `programmi` SET `num` = 40, `codiceprog` = '7' WHERE `num` = 7");
  Sql().ExecuteSql("UPDATE `programmi` SET `num` = 41, `codiceprog` = '005' WHERE `num` = 5");
  for (const char* code : {"7", "07", "007"})
    EXPECT_EQ(LoadProgramIntoEditor(Db(), code, 0).value().record.description, "Mele") << code;
  auto board = PrepareBoardProgram(Db(), 5, kv7::store::Configuration{});
  ASSERT_TRUE(board);
  EXPECT_EQ(board->blocks[0].substr(0, 6), "050065");

  EXPECT_EQ(SaveProgram(Db(), Sample(7, "Mele bis"), "07", {}), SaveOutcome::Replaced);
  EXPECT_EQ(Codes(), (std::vector<std::string>{"07", "005"}));
  EXPECT_EQ(LoadProgramByNumber(Db(), 7, 0)->record.description, "Mele bis");
}

TEST_F(ProgramArchive, DeletesAndNewCodeFollowTheCodes) {
  EXPECT_EQ(FillProgramLists(Db()).Count(), 0);
  EXPECT_EQ(ProposeNewCode(FillProgramLists(Db()).codes), "01");
  for (int n = 1; n <= 3; ++n) SaveProgram(Db(), Sample(n, "P" + std::to_string(n)), ProgramCodeText(n), {});
  Sql().Execute("INSERT INTO `programmi` (`num`, `codiceprog`, `descrizione`) VALUES (50, 'A1', 'lettere')");
  auto lists = FillProgramLists(Db());
  ASSERT_EQ(lists.Count(), 4);
  EXPECT_EQ(lists.entries[3].Text(), "A1  lettere");

  const int current = 3;  // the program on the board
  const struct {
    const char* code;
    DeleteOutcome outcome;
    std::vector<std::string> left;
  } steps[] = {
      {"02", DeleteOutcome::Deleted, {"01", "03", "A1"}},
      {"03", DeleteOutcome::RefusedCurrent, {"01", "03", "A1"}},
      {"3", DeleteOutcome::RefusedCurrent, {"01", "03", "A1"}},
      {"A1", DeleteOutcome::Deleted, {"01", "03"}},
      {"02", DeleteOutcome::NotFound, {"01", "03"}},
  };
  for (const auto& s : steps) {
    EXPECT_EQ(DeleteProgram(Db(), s.code, current, {}), s.outcome) << s.code;
    EXPECT_EQ(Codes(), s.left) << s.code;
  }
  EXPECT_EQ(ProposeNewCode(FillProgramLists(Db()).codes), "02");
  Sql().ExecuteSql("DROP TABLE `programmi`");
  EXPECT_EQ(FillProgramLists(Db()).Count(), 0);
}

using kv7::test::Outcome;

class Kv7ctlProgram : public kv7::test::TestDatabase {
 protected:
  kv7::test::TempDir dir;

  Outcome Run(const std::string& args) {
    return kv7::test::Shell("KV7_DB_NAME=" + Name() + " KV7_CONFIG_DIR='" + dir.path().string() +
                            "' " KV7CTL_PATH " program " + args + " 2>/dev/null");
  }
};

TEST_F(Kv7ctlProgram, ListsProgramsAndPrintsTheBlocksOfTheStoredConfiguration) {
  SaveProgram(Db(), Sample(4, "Pere"), "04", {});
  SaveProgram(Db(), Sample(9, "Kiwi"), "09", {});
  kv7::store::ConfigStore store(kv7::store::ConfigStore::kDefaultRoot, dir.path());
  const char* qualities[] = {"2", "5", "4", "1", "3", "2"};  // stored 1-based
  for (int l = 1; l <= 6; ++l) store.WriteString("kv2", "qualitaL" + std::to_string(l), qualities[l - 1]);
  store.WriteString("kv2", "xmoltiply", "3");

  EXPECT_EQ(Run("list").out, "1\t04\tPere\n2\t09\tKiwi\n");
  const struct {
    const char* args;
    int number;
  } cases[] = {{"blocks 9", 9}, {"blocks 09 --number 12", 12}};
  for (const auto& tc : cases) {
    std::string expected;
    for (int l = 1; l <= 6; ++l) {
      int q = qualities[l - 1][0] - '0';
      if (q == 5) q = 1;
      char head[8];
      std::snprintf(head, sizeof head, "%02d%d", tc.number, l - 1);
      expected += head;
      for (int k = 1; k <= 16; ++k) {
        char limit[8];
        std::snprintf(limit, sizeof limit, "%03d", 9 + 10 * q + 50 * k);
        expected += limit;
      }
      expected += "\n";
    }
    Outcome o = Run(tc.args);
    EXPECT_EQ(o.status, 0) << tc.args;
    EXPECT_EQ(o.out, expected) << tc.args;
  }
  const struct {
    const char* args;
    int status;
  } failures[] = {
      {"blocks 05", 1}, {"blocks A1", 2}, {"blocks 04 --number x", 2}, {"blocks", 2}, {"list x", 2}};
  for (const auto& f : failures) EXPECT_EQ(Run(f.args).status, f.status) << f.args;
}

}  // namespace
