// The batch journal against the private server: each ended batch reaches
// `bolle` exactly once with one end-of-batch record, through a crash between
// commit and retirement, a database that is down and an export directory
// that appears late; the date-range export's boundaries on stored rows.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "batches/BatchJournal.h"
#include "batches/HostExport.h"
#include "store/TestDatabase.h"
#include "support/FileText.h"
#include "support/Shell.h"
#include "support/TempDir.h"

namespace {

using namespace kv7::batches;
namespace fs = std::filesystem;
using kv7::store::DbDateTime;

class Journal : public kv7::test::TestDatabase {
 protected:
  void SetUp() override {
    TestDatabase::SetUp();
    exportDir = root / "exp";
    fs::create_directories(exportDir);
  }
  BatchJournal Open() {
    return BatchJournal(BatchJournal::DirectoryIn(root), [this](const std::string& l) { log += l; });
  }
  kv7::store::BatchRow Batch(const std::string& bolla, const DbDateTime& when = {2026, 5, 4, 10, 0, 0}) {
    kv7::store::BatchRow r;
    r.bolla = bolla;
    r.data = when;
    r.programma = "01";
    r.totpartita = 500;
    r.tot[1][2] = 1234;
    r.note = "nota";
    return r;
  }
  // Rows of `bolle` by bolla, counted, and the records in the export folder.
  std::int64_t Rows(const std::string& bolla) {
    return kv7::store::ToInteger(
        (*Sql().QueryFirst("SELECT COUNT(*) FROM `bolle` WHERE `bolla` = ?", {bolla}))[0]);
  }
  int Records() {
    int n = 0;
    for (const auto& e : fs::directory_iterator(exportDir)) n += e.path().extension() == ".txt" ? 1 : 0;
    return n;
  }

  // kv7ctl on this test's database with a configuration of its own.
  kv7::test::Outcome Kv7ctl(const std::string& args) {
    return kv7::test::Shell("KV7_DB_NAME=" + Name() + " KV7_CONFIG_DIR=" + root.string() + " " KV7CTL_PATH " " +
                            args + " 2>/dev/null");
  }

  kv7::test::TempDir temp;
  fs::path root = temp.path(), exportDir;
  std::string log;
};

TEST_F(Journal, ReplayStoresOnceWithTheNextNumber) {
  Sql().Execute("INSERT INTO `bolle` (`num`, `bolla`) VALUES (41, 'old')");
  auto j = Open();
  j.Add(Batch("B1"), {2026, 5, 4, 10, 0, 0});
  j.Add(Batch("B2"), {2026, 5, 4, 10, 0, 0});
  EXPECT_EQ(j.Replay(Db(), exportDir, {}), (ReplaySummary{2, 2, 0, 0}));
  EXPECT_EQ(j.Replay(Db(), exportDir, {}), (ReplaySummary{0, 0, 0, 0}));
  auto nums = Sql().Query("SELECT `num` FROM `bolle` WHERE `bolla` IN ('B1', 'B2') ORDER BY `bolla`");
  ASSERT_EQ(nums.size(), 2u);
  EXPECT_EQ(kv7::store::ToInteger(nums[0][0]), 42);
  EXPECT_EQ(kv7::store::ToInteger(nums[1][0]), 43);
  EXPECT_EQ(Records(), 2);
  EXPECT_TRUE(j.Entries().empty());

  EXPECT_EQ(j.CountingBatch(), std::nullopt);
  EXPECT_TRUE(j.SetCountingBatch("B3"));
  EXPECT_EQ(Open().CountingBatch(), "B3");
  EXPECT_TRUE(j.SetCountingBatch(""));
  EXPECT_EQ(Open().CountingBatch(), std::nullopt);
}

TEST_F(Journal, CrashBeforeRetirement) {
  // The process dies after the commit, or after the record too.
  const struct {
    const char* bolla;
    bool exported;
    ReplaySummary replay;
    const char* logged;
  } cases[] = {{"C1", false, {1, 1, 0, 0}, "gia' archiviata"}, {"C2", true, {0, 1, 0, 0}, "gia' scritto"}};
  int records = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bolla);
    {
      auto j = Open();
      auto e = j.Add(Batch(c.bolla), {2026, 5, 4, 11, 0, 0});
      j.Store(Db(), e);
      if (c.exported) j.Export(e, exportDir, {});
    }
    log.clear();
    auto j = Open();
    ASSERT_EQ(j.Entries().size(), 1u);
    EXPECT_EQ(j.Replay(Db(), exportDir, {}), c.replay);
    EXPECT_TRUE(j.Entries().empty());
    EXPECT_EQ(Rows(c.bolla), 1);
    EXPECT_EQ(Records(), records += 1);
    EXPECT_NE(log.find(c.logged), std::string::npos) << log;
  }
}

TEST_F(Journal, ExportDirectoryMissingThenAppearing) {
  fs::remove_all(exportDir);
  auto j = Open();
  j.Add(Batch("E1"), {2026, 5, 4, 12, 0, 0});
  EXPECT_EQ(j.Replay(Db(), exportDir, {}), (ReplaySummary{1, 0, 0, 1}));
  EXPECT_NE(log.find("in attesa"), std::string::npos) << log;
  fs::create_directories(exportDir);
  EXPECT_EQ(j.Replay(Db(), exportDir, {}), (ReplaySummary{0, 1, 0, 0}));
  EXPECT_EQ(Rows("E1"), 1);
  EXPECT_EQ(Records(), 1);
}

TEST_F(Journal, DatabaseDownKeepsTheBatchAndTheOrder) {
  auto params = Params();
  params.port = 1;
  params.socket = root / "no-server.sock";
  kv7::store::Database down(params);
  auto j = Open();
  j.Add(Batch("D1"), {2026, 5, 4, 13, 0, 0});
  j.Add(Batch("D2"), {2026, 5, 4, 13, 0, 0});
  EXPECT_EQ(j.Replay(down, exportDir, {}), (ReplaySummary{0, 2, 2, 0}));
  EXPECT_NE(log.find("non archiviata"), std::string::npos) << log;
  EXPECT_EQ(Open().Replay(Db(), exportDir, {}), (ReplaySummary{2, 0, 0, 0}));
  auto nums = Sql().Query("SELECT `bolla` FROM `bolle` ORDER BY `num`");
  ASSERT_EQ(nums.size(), 2u);
  EXPECT_EQ(kv7::store::ToText(nums[0][0]) + kv7::store::ToText(nums[1][0]), "D1D2");
  EXPECT_EQ(Records(), 2);
}

TEST_F(Journal, RangeExportBoundaries) {
  const DbDateTime from{2026, 5, 4, 8, 0, 0}, to{2026, 5, 4, 17, 30, 0};
  const struct {
    const char* bolla;
    DbDateTime when;
    bool in;
  } cases[] = {{"before", {2026, 5, 4, 7, 59, 59}, false},
               {"start", from, true},
               {"end", to, true},
               {"later", {2026, 5, 4, 17, 30, 1}, false}};
  std::int64_t num = 0;
  std::string expected;
  for (const auto& c : cases) {
    auto row = Batch(c.bolla, c.when);
    row.num = ++num;
    row.lotto = c.bolla;
    Db().SaveBatchRow(row);
    if (c.in) expected += std::string(c.bolla) + ",01,,,500,,0,0,\"nota\"";
  }
  auto written = ExportRange(Db(), exportDir, from, to, false, {2026, 5, 6, 9, 0, 0}, {});
  ASSERT_TRUE(written.ok) << written.error;
  EXPECT_EQ(written.path, exportDir / "06_05_2026.txt");
  std::string got, line;
  std::istringstream lines(kv7::test::Slurp(written.path));
  while (std::getline(lines, line)) got += line.substr(0, line.find("\"nota\"") + 6);
  EXPECT_EQ(got, expected);
}

TEST_F(Journal, Kv7ctlCommands) {
  Open().Add(Batch("K1"), {2026, 5, 4, 14, 0, 0});
  const std::string work = " --work " + root.string(), dir = " --dir " + exportDir.string();
  const struct {
    std::string args;
    int status;
    std::string out;  // what the output must hold
  } steps[] = {
      {"journal list" + work, 0, "K1\tarchivio in attesa\trecord in attesa\n"},
      {"journal replay" + work + dir, 0, "archiviate 1, record scritti 1, in attesa: bolle 0, record 0\n"},
      {"journal list" + work, 0, ""},
      {"journal flush", 2, ""},
      {"export daily" + dir, 0, ".txt\n"},
      {"export range 2026-05-04 2026-05-04T13:59:59" + dir, 0, exportDir.string() + "/"},
      {"export range 2026-05-04 2026-05-04 --header" + dir, 0, ".txt\n"},  // the file read below
      {"export range 2026-05-04" + dir, 2, ""},
      {"export range 04/05/2026 2026-05-04" + dir, 2, ""},
      {"export daily --header" + dir, 2, ""},
      {"export daily --dir " + (root / "none").string(), 1, ""},
  };
  for (const auto& s : steps) {
    const auto o = Kv7ctl(s.args);
    EXPECT_EQ(o.status, s.status) << s.args;
    EXPECT_NE(o.out.find(s.out), std::string::npos) << s.args << "\n" << o.out;
  }
  EXPECT_EQ(Rows("K1"), 1);
  std::string file;
  for (const auto& e : fs::directory_iterator(exportDir))
    if (e.path().filename().string().find('_') != std::string::npos) file = kv7::test::Slurp(e.path());
  EXPECT_EQ(file.substr(0, 9), "\"lotto\",\"");
  EXPECT_NE(file.find("\r\n,01,,,500,,0,0,\"nota\","), std::string::npos) << file;
}

}  // namespace
