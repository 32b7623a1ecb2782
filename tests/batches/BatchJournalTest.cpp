// The batch journal against the private server: each ended batch reaches
// `bolle` exactly once with one end-of-batch record, through a crash between
// commit and retirement, a database that is down and an export directory
// that appears late; the date-range export's boundaries on stored rows.

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "batches/BatchJournal.h"
#include "batches/BatchRules.h"
#include "batches/HostExport.h"
#include "store/ArchiveDump.h"
#include "store/TestDatabase.h"
#include "support/FileText.h"
#include "support/Shell.h"
#include "support/TempDir.h"

namespace {

using namespace kv7::batches;
namespace fs = std::filesystem;
using kv7::store::DbDateTime;

// What a replay did and what waits after it; the newly refused are looked at apart.
ReplaySummary Counts(int stored, int exported, int waitingBatches, int waitingRecords, int refused = 0) {
  ReplaySummary s;
  s.stored = stored, s.exported = exported, s.refusedBatches = refused;
  s.waitingBatches = waitingBatches, s.waitingRecords = waitingRecords;
  return s;
}

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
  EXPECT_EQ(j.Replay(Db(), exportDir, {}), Counts(2, 2, 0, 0));
  EXPECT_EQ(j.Replay(Db(), exportDir, {}), Counts(0, 0, 0, 0));
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

// An entry keeps the machine that ended the batch; one written before
// entries named it is stored as the replaying console's.
TEST_F(Journal, ReplayStoresTheMachineOfTheEntryElseTheReplayingOne) {
  auto j = Open();
  auto second = Batch("M3");
  second.macchina = 3;
  j.Add(second, {2026, 5, 4, 10, 0, 0});
  const auto older = j.Add(Batch("OLD"), {2026, 5, 4, 10, 0, 1});
  std::string text = kv7::test::Slurp(older.file);
  const auto line = text.find("\nmacchina=1\n");
  ASSERT_NE(line, std::string::npos) << text;
  text.erase(line, std::string("\nmacchina=1").size());
  std::ofstream(older.file, std::ios::trunc) << text;

  kv7::store::Database replaying(Params());
  replaying.SetMachine(4);
  EXPECT_EQ(j.Replay(replaying, exportDir, {}), Counts(2, 2, 0, 0));
  auto machines = Sql().Query("SELECT `bolla`, `macchina` FROM `bolle` ORDER BY `num`");
  ASSERT_EQ(machines.size(), 2u);
  EXPECT_EQ(kv7::store::ToText(machines[0][0]) + kv7::store::ToText(machines[0][1]), "M33");
  EXPECT_EQ(kv7::store::ToText(machines[1][0]) + kv7::store::ToText(machines[1][1]), "OLD4");
}

TEST_F(Journal, CrashBeforeRetirement) {
  // The process dies after the commit, or after the record too.
  const struct {
    const char* bolla;
    bool exported;
    ReplaySummary replay;
    const char* logged;
  } cases[] = {{"C1", false, Counts(1, 1, 0, 0), "gia' archiviata"}, {"C2", true, Counts(0, 1, 0, 0), "gia' scritto"}};
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
  EXPECT_EQ(j.Replay(Db(), exportDir, {}), Counts(1, 0, 0, 1));
  EXPECT_NE(log.find("in attesa"), std::string::npos) << log;
  fs::create_directories(exportDir);
  EXPECT_EQ(j.Replay(Db(), exportDir, {}), Counts(0, 1, 0, 0));
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
  EXPECT_EQ(j.Replay(down, exportDir, {}), Counts(0, 2, 2, 0));
  EXPECT_NE(log.find("non archiviata"), std::string::npos) << log;
  EXPECT_EQ(Open().Replay(Db(), exportDir, {}), Counts(2, 0, 0, 0));
  auto nums = Sql().Query("SELECT `bolla` FROM `bolle` ORDER BY `num`");
  ASSERT_EQ(nums.size(), 2u);
  EXPECT_EQ(kv7::store::ToText(nums[0][0]) + kv7::store::ToText(nums[1][0]), "D1D2");
  EXPECT_EQ(Records(), 2);
}

TEST_F(Journal, BarcodeStoredAndExportedClean) {
  // The reader's bytes, how the code is stored and written in the record,
  // and whether the log must keep the whole code. "old" entries were
  // journaled raw, before the texts were fitted.
  const struct {
    const char* what;
    std::string raw, stored;
    bool old, logged;
  } cases[] = {
      {"Latin-1 byte and CR", "80\xE9" "12\r", "80\xC3\xA9" "12", false, false},
      {"longer than its column", "ABCDEFGHIJKLMNOPQRSTUVWXYZ", "ABCDEFGHIJKLMNOPQR", false, true},
      {"old entry with CR LF and a Latin-1 byte", "A\r\nB\xE8", "AB\xC3\xA8", true, false},
  };
  int n = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    log.clear();
    const std::string bolla = "BC" + std::to_string(++n);
    auto row = Batch(bolla);
    row.codicebarre = c.raw;
    auto j = Open();
    const auto e = j.Add(row, {2026, 5, 4, 15, 0, n});
    if (c.old) {  // the file as an earlier version wrote it
      std::string text = kv7::test::Slurp(e.file);
      const auto at = text.find("codicebarre=") + 12;
      text.replace(at, text.find('\n', at) - at, "A\\r\\nB\xE8");
      std::ofstream(e.file, std::ios::binary | std::ios::trunc) << text;
    }
    EXPECT_EQ(j.Replay(Db(), exportDir, {}), Counts(1, 1, 0, 0));
    const auto stored = Sql().QueryFirst("SELECT `codicebarre` FROM `bolle` WHERE `bolla` = ?", {bolla});
    ASSERT_TRUE(stored);
    EXPECT_EQ(kv7::store::ToText((*stored)[0]), c.stored);
    std::string record;
    for (const auto& f : fs::directory_iterator(exportDir)) {
      const auto text = kv7::test::Slurp(f.path());
      if (text.find(bolla + ",") != std::string::npos) record = text;
    }
    EXPECT_NE(record.find("," + RightAligned(c.stored, 18) + ","), std::string::npos) << record;
    EXPECT_EQ(record.find_first_of("\r\n"), record.size() - 2) << record;
    EXPECT_EQ(log.find("testo=" + c.raw) != std::string::npos, c.logged) << log;
  }
}

TEST_F(Journal, RefusedBatchWaitsApartAndTheOthersGoOn) {
  // A site whose archive differs from ours: the server refuses one batch
  // for its content until the table is repaired.
  const struct {
    const char* what;
    const char* narrowed;  // the site's column
    void (*spoil)(kv7::store::BatchRow&);
    const char* repaired;
    const char* message;  // part of the server's
  } cases[] = {
      {"value out of range", nullptr, [](kv7::store::BatchRow& r) { r.totpartita = 3000000000; },
       "MODIFY `totpartita` BIGINT NULL", "Out of range"},
      {"text too long", "MODIFY `lotto` VARCHAR(4) NULL", [](kv7::store::BatchRow& r) { r.lotto = "L123456"; },
       "MODIFY `lotto` VARCHAR(15) NULL", "too long"},
      {"character set", "MODIFY `note` VARCHAR(90) CHARACTER SET latin1 NULL",
       [](kv7::store::BatchRow& r) { r.note = "\xCE\xA9mega"; }, "MODIFY `note` VARCHAR(90) CHARACTER SET utf8mb4 NULL",
       "Incorrect string value"},
  };
  int n = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.narrowed) Sql().ExecuteSql(std::string("ALTER TABLE `bolle` ") + c.narrowed);
    const std::string bad = "R" + std::to_string(++n), good = "G" + std::to_string(n);
    auto row = Batch(bad);
    c.spoil(row);
    auto j = Open();
    const auto refused = j.Add(row, {2026, 5, 4, 16, 0, n});
    j.Add(Batch(good), {2026, 5, 4, 16, 1, n});
    auto s = j.Replay(Db(), exportDir, {});
    ASSERT_EQ(s.refused.size(), 1u);
    EXPECT_EQ(s.refused[0].id, refused.id);
    EXPECT_NE(s.refused[0].message.find(c.message), std::string::npos) << s.refused[0].message;
    s.refused.clear();
    EXPECT_EQ(s, Counts(1, 1, 0, 0, 1));
    EXPECT_EQ(Rows(good), 1);
    EXPECT_EQ(Rows(bad), 0);
    EXPECT_NE(log.find("rifiutata dall'archivio (" + refused.id + "): "), std::string::npos) << log;
    // Told once: the next pass leaves it where it is.
    EXPECT_EQ(j.Replay(Db(), exportDir, {}), Counts(0, 0, 0, 0, 1));
    const auto list = Kv7ctl("journal list --work " + root.string());
    EXPECT_NE(list.out.find(refused.id + "\t2026-05-04 16:00:0" + std::to_string(n) + "\t" + bad + "\trifiutata: "),
              std::string::npos)
        << list.out;

    Sql().ExecuteSql(std::string("ALTER TABLE `bolle` ") + c.repaired);
    const std::string retry = "journal retry " + refused.id + " --work " + root.string() + " --dir " + exportDir.string();
    EXPECT_EQ(Kv7ctl(retry).status, 0);
    EXPECT_EQ(Rows(bad), 1);
    EXPECT_TRUE(Open().Refused().empty());
    EXPECT_EQ(Kv7ctl(retry).status, 1);  // nothing left to retry
  }
  EXPECT_EQ(Records(), 6);
}

TEST_F(Journal, HungArchiveReleasesTheReplayAndBacksOff) {
  // Another session holds `bolle`: to this client the archive hangs.
  auto params = Params();
  params.ioTimeoutSeconds = 1;
  kv7::store::Database hung(params);
  kv7::store::DbConnection holder(Params());
  holder.ExecuteSql("LOCK TABLES `bolle` WRITE");
  auto now = std::chrono::steady_clock::now();
  auto j = Open();
  j.SetClock([&now] { return now; });
  j.Add(Batch("H1"), {2026, 5, 4, 17, 0, 0});
  const auto started = std::chrono::steady_clock::now();
  EXPECT_EQ(j.Replay(hung, exportDir, {}), Counts(0, 1, 1, 0));
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(8));
  EXPECT_NE(log.find("non archiviata"), std::string::npos) << log;
  holder.ExecuteSql("UNLOCK TABLES");

  // The back-off holds the next attempt, then lets it through.
  log.clear();
  EXPECT_EQ(j.Replay(hung, exportDir, {}), Counts(0, 0, 1, 0));
  EXPECT_EQ(log, "");
  now += std::chrono::seconds(31);
  EXPECT_EQ(j.Replay(hung, exportDir, {}).stored, 1);
  EXPECT_EQ(Rows("H1"), 1);
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

  // Another range later the same day: one file is left, the second one.
  auto again = ExportRange(Db(), exportDir, cases[0].when, cases[0].when, false, {2026, 5, 6, 15, 0, 0}, {});
  ASSERT_TRUE(again.ok) << again.error;
  std::vector<fs::path> left;
  for (const auto& e : fs::directory_iterator(exportDir)) left.push_back(e.path());
  EXPECT_EQ(left, std::vector<fs::path>{written.path});
  const std::string second = kv7::test::Slurp(written.path);
  EXPECT_EQ(second.rfind("before,01,", 0), 0u) << second;
  EXPECT_EQ(second.find("\r\n"), second.size() - 2) << "one batch";
}

// The console's own login made by `kv7ctl db init --create-user`: a whole
// batch goes through (stored, exported, replayed, changed, reset) and no
// table can be dropped; a reader's login only reads.
TEST_F(Journal, LeastPrivilegeLogins) {
  const std::string console = "kv7t_" + std::to_string(::getpid()), reader = console + "_r";
  const std::string account = "'@'" + std::string(Params().host == "localhost" ? "localhost" : Params().host) + "'";
  struct Users {
    kv7::store::DbConnection& admin;
    std::vector<std::string> accounts;
    ~Users() {
      for (const auto& a : accounts) try {
          admin.ExecuteSql("DROP USER IF EXISTS " + a);
        } catch (const kv7::store::DbError& e) {
          ADD_FAILURE() << e.what();
        }
    }
  } users{Sql(), {"'" + console + account, "'" + reader + account}};
  const std::string host = " --host " + std::string(Params().host == "localhost" ? "localhost" : Params().host);

  const fs::path passwordFile = root / "reader-password";
  std::ofstream(passwordFile) << "lettore 2\n";
  fs::permissions(passwordFile, fs::perms(0600));
  const struct {
    std::string input, args;
    int status;
    std::string granted;  // what the output says was granted; empty: nothing
  } steps[] = {
      {"uno\ndue\n", "--create-user " + console, 1, ""},  // typed differently
      {"Console 1\nConsole 1\n", "--create-user " + console,
       0, "granted SELECT, INSERT, UPDATE, DELETE, CREATE ON `" + Name() + "`.* TO '" + console + account},
      {"", "--create-user " + reader + " --read-only --password-file " + passwordFile.string(), 0,
       "granted SELECT ON `" + Name() + "`.* TO '" + reader + account},
  };
  for (const auto& st : steps) {
    const auto o = kv7::test::Shell("printf '" + st.input + "' | " + "KV7_DB_NAME=" + Name() + " KV7_CONFIG_DIR=" + root.string() + " " KV7CTL_PATH +
                                    " db init " + st.args + host + " 2>/dev/null");
    EXPECT_EQ(o.status, st.status) << st.args;
    const std::string granted = st.granted.empty() ? std::string("granted") : st.granted + "\n";
    EXPECT_EQ(o.out.find(granted) != std::string::npos, !st.granted.empty()) << st.args << "\n" << o.out;
  }

  auto login = [&](const std::string& user, const std::string& password) {
    auto p = Params();
    p.user = user, p.password = password;
    return kv7::store::Database(p);
  };
  auto db = login(console, "Console 1");
  auto j = Open();
  j.Add(Batch("L1"), {2026, 5, 4, 10, 0, 0});
  j.Add(Batch("L2"), {2026, 5, 4, 10, 5, 0});
  EXPECT_EQ(j.Replay(db, exportDir, {}), Counts(2, 2, 0, 0));
  EXPECT_EQ(Rows("L1") + Rows("L2"), 2);
  EXPECT_EQ(Records(), 2);
  auto changed = Batch("L1");
  ASSERT_TRUE(db.LoadBatchByNumber(1, changed));
  changed.note = "corretta";
  db.SaveBatchRow(changed);
  EXPECT_TRUE(ExportDaily(db, exportDir, {2026, 5, 4, 18, 0, 0}, {}).ok);
  EXPECT_TRUE(db.DeleteBatchByNumber(2));
  EXPECT_EQ(kv7::store::EmptyTableAfterBackup(db, "bolle", root / "bolle.sql", {}).value_or(0), 1u);
  EXPECT_NE(kv7::test::Slurp(root / "bolle.sql").find("corretta"), std::string::npos);

  auto office = login(reader, "lettore 2");
  EXPECT_TRUE(office.ListBatches().empty());
  const struct {
    kv7::store::Database* db;
    std::string sql;
  } refused[] = {{&db, "DROP TABLE `bolle`"},
                 {&db, "DROP DATABASE " + kv7::store::QuoteIdentifier(Name())},
                 {&db, "GRANT SELECT ON *.* TO '" + reader + account},
                 {&office, "INSERT INTO `bolle` (`num`, `bolla`) VALUES (9, 'X')"},
                 {&office, "DELETE FROM `produttori`"}};
  for (const auto& r : refused) EXPECT_THROW(r.db->Connection().ExecuteSql(r.sql), kv7::store::DbError) << r.sql;
  EXPECT_TRUE(Sql().TableExists("bolle"));
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
      {"journal replay" + work + dir, 0, "archiviate 1, record scritti 1, in attesa: bolle 0, record 0, rifiutate 0\n"},
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
