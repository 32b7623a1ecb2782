// Whole batches against the simulated machine and the private database:
// program, reset of totals, fruit, F9, then the archive row, the export
// record for the host, the printed page and totals back at zero. Then the
// faults: the database down at F9, the export folder missing, and the
// process killed at every step of the end of batch.

#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <thread>

#include "link/cMB90.h"
#include "programs/ProgramArchive.h"
#include "sim/SimProcess.h"
#include "store/ConfigStore.h"
#include "store/SideFiles.h"
#include "store/TestDatabase.h"
#include "supervisor/ConsoleRecorder.h"
#include "supervisor/ReportWindows.h"
#include "supervisor/Supervisor.h"
#include "support/FileText.h"
#include "support/TempDir.h"
#include "support/Until.h"

extern char** environ;

namespace kv7::test {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

constexpr int kLineQuality[6] = {1, 1, 2, 3, 4, 5};

class PrintedPages : public supervisor::ReportWindows {
 public:
  std::optional<supervisor::BatchPrintChoice> ChooseBatchForPrint(const batches::BatchList&) override { return {}; }
  std::optional<std::string> ChooseProgramForPrint(const programs::ProgramLists&) override { return {}; }
  bool PartitaOnRunningTotals() override { return false; }
  bool OutputPage(const reports::Page& page, const store::Configuration&) override {
    pages.push_back(std::get<reports::BatchPage>(page));
    return true;
  }
  std::optional<store::CompanyHeader> EditCompanyHeader(const store::CompanyHeader&) override { return {}; }
  std::vector<reports::BatchPage> pages;
};

std::vector<std::string> Split(const std::string& line) {
  std::vector<std::string> out(1);
  for (char ch : line) {
    if (ch == ',')
      out.emplace_back();
    else
      out.back().push_back(ch);
  }
  return out;
}

std::vector<fs::path> Files(const fs::path& dir, const std::string& ext) {
  std::vector<fs::path> out;
  if (fs::exists(dir))
    for (const auto& f : fs::directory_iterator(dir))
      if (f.path().extension() == ext) out.push_back(f.path());
  return out;
}

// One console on a work folder: the configuration, the simulated board with
// program 5 counting fruit, and a supervisor on `db`.
struct Console {
  Console(const fs::path& dir, store::Database& db, bool board = true) {
    store = std::make_unique<store::ConfigStore>(store::ConfigStore::kDefaultRoot, dir / "config");
    for (auto [key, value] : {std::pair{"porta_scarti", "99"}, {"numlinee", "6"}, {"xmoltiply", "1"},
                              {"fine_part_auto", "1"}, {"scarti_enab", "0"}, {"archiviazione", "1"}, {"stampa", "1"},
                              {"macchina", "3"}})
      store->WriteString("kv2", key, value);
    store->WriteString("kv2", "direxp", (dir / "exp").string());
    fs::create_directories(dir / "exp");
    for (int n = 1; n <= 6; ++n)
      store->WriteString("kv2", "qualitaL" + std::to_string(n), std::to_string(kLineQuality[n - 1]));
    if (board)
      sim = std::make_unique<simtest::SimProcess>(
          std::vector<std::string>{"--port-map", "--config-dir", (dir / "config").string(), "--speed", "20"});
    sup = std::make_unique<supervisor::Supervisor>(console, op, *store, &db, dir);
    sup->SetReportWindows(&printed);
    sup->FormShow({});
  }

  template <typename Pred>
  bool TickUntil(Pred done, std::chrono::milliseconds limit = 15000ms) {
    return RepeatUntil([&] { sup->Timer1Timer(); }, done, limit);
  }

  // Program 5 on the board, totals reset, some fruit counted and standing still.
  void CountBatch(const std::string& number) {
    ASSERT_TRUE(TickUntil([&] { return sup->State().controllerOn && sup->State().machineState.Stato != "0"; }));
    ASSERT_TRUE(sup->LoadProgram(5));
    ASSERT_TRUE(TickUntil([&] { return sup->State().boardProgram == 5 && sup->State().machineState.Stato == "4"; }));
    sup->numBollaEdited(number);
    sup->totPartitaEdited("1500");
    op.answers = {true};
    sup->Start1();
    sim->Control("rate 40");
    ASSERT_TRUE(TickUntil([&] { return std::stoll(sim->Status()["classed_total"]) > 200; }));
    sim->Control("rate 0");
    sim->Settled("classed_total");
  }

  // What the board counted, in grams, summed by quality.
  std::array<std::array<std::int64_t, 15>, 5> BoardTotals() {
    std::array<std::array<std::int64_t, 15>, 5> sums{};
    auto status = sim->Status();
    for (int line = 1; line <= 6; ++line) {
      std::istringstream classes(status["line" + std::to_string(line) + ".classes"]);
      std::string v;
      for (int c = 0; std::getline(classes, v, ','); ++c) sums[kLineQuality[line - 1] - 1][c] += std::stoll(v);
    }
    return sums;
  }

  // F9, answering Yes to the reset of totals that ends the routine.
  void EndBatch() {
    op.answers = {true};
    sup->Partita1Click();
  }

  ConsoleRecorder console;
  ScriptedOperator op;
  PrintedPages printed;
  std::unique_ptr<store::ConfigStore> store;
  std::unique_ptr<simtest::SimProcess> sim;
  std::unique_ptr<supervisor::Supervisor> sup;
};

store::ProgramRecord Pears() {
  store::ProgramRecord r;
  r.description = "Pere";
  for (int q = 0; q < 4; ++q) {
    for (int k = 0; k < 16; ++k) r.limit[q][k] = std::to_string(60 + 20 * k);
    for (int c = 0; c < 15; ++c) r.name[q][c] = "C" + std::to_string(c + 1);
  }
  return r;
}

class BatchLifecycle : public TestDatabase {
 protected:
  void SetUp() override {
    TestDatabase::SetUp();
    programs::SaveProgram(Db(), Pears(), "05", {});
  }
  std::int64_t Rows(const std::string& bolla) {
    return store::ToInteger((*Sql().QueryFirst("SELECT COUNT(*) FROM bolle WHERE bolla = ?", {bolla}))[0]);
  }
  std::string Records() {
    std::string all;
    for (const auto& f : Files(dir_ / "exp", ".txt")) all += Slurp(f);
    return all;
  }
  TempDir dir_;
};

TEST_F(BatchLifecycle, TwoBatchesRunFromProgramToTicketAndTheFiguresAreTheBoards) {
  Console c(dir_.path(), Db());
  c.CountBatch("B-77");
  const auto board = c.BoardTotals();
  c.EndBatch();

  store::BatchRow row;
  ASSERT_TRUE(Db().LoadBatchByNumber(1, row));
  EXPECT_EQ(row.bolla, "B-77");
  EXPECT_EQ(row.macchina, 3);
  EXPECT_EQ(row.programma, "05");
  EXPECT_EQ(row.totpartita, 1500);
  std::int64_t total = 0;
  for (int q = 0; q < 4; ++q)
    for (int c2 = 0; c2 < 15; ++c2) {
      EXPECT_EQ(row.tot[q][c2], board[q][c2]) << "quality " << q + 1 << " class " << c2 + 1;
      total += board[q][c2];
    }
  std::int64_t reject = 0;
  for (auto g : board[4]) reject += g;
  EXPECT_EQ(row.totq5, reject);
  total += reject;

  // The host's record: 29 fields each followed by ",", then CR LF; shares
  // and percentages computed here from the row, not by the writer.
  const auto files = Files(dir_ / "exp", ".txt");
  ASSERT_EQ(files.size(), 1u);
  EXPECT_TRUE(Files(dir_ / "exp", ".t").empty());
  const std::string line = Slurp(files[0]);
  ASSERT_GE(line.size(), 2u);
  EXPECT_EQ(line.substr(line.size() - 3), ",\r\n");
  const auto f = Split(line.substr(0, line.size() - 3));
  ASSERT_EQ(f.size(), 29u);
  EXPECT_EQ(f[0], "    B-77");
  EXPECT_EQ(std::stoll(f[4]), 1500);
  auto percent = [&](std::int64_t part) { return std::nearbyint(part * 10000.0 / total) / 100; };
  EXPECT_NEAR(std::stod(f[17]), percent(row.tot[0][0]), 1e-9);
  EXPECT_NEAR(std::stod(f[5]), 1500 * percent(row.tot[0][0]) / 100, 0.006);
  EXPECT_NEAR(std::stod(f[28]), percent(reject), 1e-9);

  // Printed, cleared, totals reset on the board and on the screen.
  ASSERT_EQ(c.printed.pages.size(), 1u);
  EXPECT_EQ(c.printed.pages[0].title, "LAVORAZIONE");
  EXPECT_EQ(c.printed.pages[0].registration, "1");
  EXPECT_EQ(c.printed.pages[0].machine, 3);
  EXPECT_FALSE(c.printed.pages[0].cost) << "no labour cost entered";
  EXPECT_NE(Slurp(dir_ / "kv2.log").find("print cmd =P1\r\n"), std::string::npos);
  EXPECT_EQ(c.sim->Status()["classed_total"], "0");
  EXPECT_EQ(c.console.totals.grandTotal.value, 0);
  EXPECT_EQ(c.console.texts[supervisor::Control::numBolla], "");
  EXPECT_TRUE(c.sup->Processing().numero.empty());

  // The next batch on the same program gets the next number and its own
  // record; without "Stampa con totale partita" a declared total of 0 ends it.
  c.CountBatch("B-78");
  c.sup->CheckStpTotPClick(false);
  c.sup->totPartitaEdited("0");
  {
    // A console started now finds the batch counting and names it.
    Console next(dir_.path(), Db(), false);
    EXPECT_EQ(next.console.texts[supervisor::Control::LavorPrec], "Lavorazione precedente n: B-78");
    EXPECT_FALSE(fs::exists(dir_ / "bolle.dat"));
  }
  c.EndBatch();
  EXPECT_TRUE(fs::exists(dir_ / "bolle.dat")) << "no batch in progress";
  ASSERT_TRUE(Db().LoadBatchByNumber(2, row));
  EXPECT_EQ(row.bolla, "B-78");
  EXPECT_EQ(row.totpartita, 0);
  EXPECT_EQ(Files(dir_ / "exp", ".txt").size(), 2u);
  EXPECT_EQ(c.printed.pages.back().registration, "2");
  EXPECT_EQ(c.sup->State().archiveCounter, 2);
  EXPECT_EQ(c.console.panels[5], "");
}

// Without archiving, the ended batch is only printed, with what the run
// cost; print commands are numbered by the batches archived, none here.
TEST_F(BatchLifecycle, WithoutArchivingTheBatchIsOnlyPrintedWithItsCost) {
  store::ProcessingCosts costs;
  costs.persons[0] = "10";
  costs.hourlyCost[0] = "600000";  // 100 000 lire a minute
  ASSERT_TRUE(store::SaveCosts(costs, dir_.path()));
  Console c(dir_.path(), Db());
  c.sup->Config().archiviazione = 0;
  c.CountBatch("N-1");
  std::int64_t grams = 0;
  for (const auto& quality : c.BoardTotals())
    for (auto g : quality) grams += g;
  // The clock the cost counts with moves by whole seconds.
  ASSERT_TRUE(c.TickUntil([&] { return supervisor::ClockMinutes() > c.sup->State().startMinutes; }));
  c.EndBatch();

  EXPECT_EQ(Rows("N-1"), 0);
  EXPECT_TRUE(Files(dir_ / "exp", ".txt").empty());
  EXPECT_TRUE(Files(dir_ / "exp", ".t").empty());
  EXPECT_NE(Slurp(dir_ / "kv2.log").find("print cmd =P0\r\n"), std::string::npos);
  ASSERT_EQ(c.printed.pages.size(), 1u);
  const auto& page = c.printed.pages[0];
  EXPECT_EQ(page.title, "LAVORAZIONE");
  EXPECT_EQ(page.numero, "N-1");
  ASSERT_TRUE(page.cost);
  EXPECT_GT(page.cost->amount, 0);
  // Counted from the reset of totals, whose reference is 1 g.
  EXPECT_NEAR(page.cost->perKg,
              static_cast<double>(page.cost->amount) / (static_cast<double>(grams - 1) / 1000), 1e-9);
  EXPECT_EQ(c.sim->Status()["classed_total"], "0");
}

TEST_F(BatchLifecycle, ABatchWaitsForTheDatabaseAndTheFolderAndArrivesOnce) {
  // The archive answers on a socket that is not there yet: the server is "down".
  store::DbParams params = store::DbParams::FromEnvironment();
  params.database = Name();
  params.host = "localhost";
  const std::string real = params.socket;
  ASSERT_FALSE(real.empty()) << "source scripts/db-env";
  params.socket = (dir_ / "db.sock").string();
  store::Database down(params);
  Console c(dir_.path(), down);
  fs::remove_all(dir_ / "exp");
  // The board's program is chosen without the archive.
  c.sup->Config().archiviazione = 1;
  ASSERT_TRUE(c.TickUntil([&] { return c.sup->State().controllerOn; }));
  for (int line = 0; line < 6; ++line)
    c.sup->controller()->SendLetter('F', "05" + std::to_string(line) + "050100120140160180200220240260280300350400500999");
  ASSERT_TRUE(c.TickUntil([&] { return c.sup->State().boardProgram == 5 && c.sup->State().machineState.Stato == "4"; }));
  c.sup->numBollaEdited("W-1");
  c.sup->totPartitaEdited("800");
  ASSERT_TRUE(c.TickUntil([&] { return std::stoll(c.sim->Status()["classed_total"]) > 50; }));
  c.sim->Control("rate 0");
  c.sim->Settled("classed_total");
  c.EndBatch();

  EXPECT_EQ(Rows("W-1"), 0);
  EXPECT_EQ(c.console.panels[5], "1 bolle in attesa");
  EXPECT_EQ(c.sim->Status()["classed_total"], "0") << "the routine goes on: the batch is safe in the journal";

  fs::create_symlink(real, dir_ / "db.sock");  // the server is up
  // The replay's own reconnection backs off for a while after a failure;
  // any command that reaches the archive meanwhile ends the wait.
  ASSERT_TRUE(down.Connect());
  c.sup->ReplayJournal();
  EXPECT_EQ(Rows("W-1"), 1);
  EXPECT_EQ(c.console.panels[5], "1 record in attesa");
  fs::create_directory(dir_ / "exp");
  c.sup->ReplayJournal();
  c.sup->ReplayJournal();
  EXPECT_EQ(Rows("W-1"), 1);
  EXPECT_EQ(Files(dir_ / "exp", ".txt").size(), 1u);
  EXPECT_EQ(c.console.panels[5], "");
}

// What fails around an end of batch, on one run of the machine: the journal
// unwritable with a code waiting, a line silent at F9, the reset refused
// after a stored batch. Each batch is stored once, with its own fruit.
TEST_F(BatchLifecycle, FaultsAtTheEndOfABatchNeitherLoseNorDoubleFruit) {
  Console c(dir_.path(), Db());
  c.CountBatch("S-1");
  c.sim->Control("barcode CODE-1");
  ASSERT_TRUE(c.TickUntil([&] { return c.console.memo.size() == 1; }));
  const auto first = c.BoardTotals();
  const std::string counted = c.sim->Status()["classed_total"];

  struct Fault {
    const char* what;
    std::function<void()> make, mend;
    const char* message;
  };
  const Fault faults[] = {
      {"journal unwritable",
       [&] {
         fs::remove_all(dir_ / "journal");
         std::ofstream(dir_ / "journal") << "not a folder";
       },
       [&] { fs::remove(dir_ / "journal"); }, "La bolla S-1 non è stata salvata"},
      {"line 3 silent", [&] { c.sim->Control("totals-silent 3"); }, [&] { c.sim->Control("totals-silent off"); },
       "La linea 3 non ha dato i totali"},
  };
  for (const auto& f : faults) {
    SCOPED_TRACE(f.what);
    f.make();
    c.EndBatch();
    f.mend();
    ASSERT_FALSE(c.op.messages.empty());
    EXPECT_EQ(c.op.messages.back().rfind(f.message, 0), 0u) << c.op.messages.back();
    EXPECT_EQ(Rows("S-1"), 0);
    EXPECT_EQ(c.sim->Status()["classed_total"], counted) << "the board keeps its totals";
    EXPECT_EQ(c.console.memo.size(), 1u) << "the code waits for its batch";
  }

  // F9 again, the batch dated by hand and the reset refused: stored once,
  // whole, with its code; the record named by the real moment.
  auto& p = c.sup->Processing();
  p.forceDate = true;
  p.date1 = {2020, 1, 2, 10, 0, 0};
  c.op.answers = {false};
  c.sup->Partita1Click();
  store::BatchRow row;
  ASSERT_TRUE(Db().LoadBatchByNumber(1, row));
  for (int q = 0; q < 4; ++q)
    for (int k = 0; k < 15; ++k) EXPECT_EQ(row.tot[q][k], first[q][k]) << q + 1 << "/" << k + 1;
  EXPECT_EQ(row.codicebarre, "CODE-1");
  EXPECT_EQ(row.data->ToString(), "2020-01-02 10:00:00");
  EXPECT_EQ(c.printed.pages.back().date->ToString(), "2020-01-02 10:00:00");
  EXPECT_TRUE(Files(dir_ / "exp", ".txt").at(0).filename() != "02100000.txt");
  EXPECT_FALSE(c.sup->Processing().forceDate) << "a forced date is one batch's";
  EXPECT_TRUE(c.console.memo.empty());
  EXPECT_EQ(c.sim->Status()["classed_total"], counted) << "No: the board was not reset";
  const std::string notice = "Totali con la bolla archiviata n: S-1 (azzerare F8)";
  EXPECT_EQ(c.console.texts[supervisor::Control::LavorPrec], notice);
  {
    Console restarted(dir_.path(), Db(), false);
    EXPECT_EQ(restarted.console.texts[supervisor::Control::LavorPrec], notice);
  }

  // The next delivery goes on the same count: only its own fruit is stored.
  c.sup->numBollaEdited("S-2");
  c.sup->totPartitaEdited("900");
  c.sim->Control("rate 40");
  ASSERT_TRUE(c.TickUntil([&] { return std::stoll(c.sim->Status()["classed_total"]) > std::stoll(counted) + 200; }));
  c.sim->Control("rate 0");
  c.sim->Settled("classed_total");
  const auto both = c.BoardTotals();
  c.EndBatch();
  ASSERT_TRUE(Db().LoadBatchByNumber(2, row)) << (c.op.messages.empty() ? "" : c.op.messages.back());
  EXPECT_EQ(row.bolla, "S-2");
  std::int64_t own = 0;
  for (int q = 0; q < 4; ++q)
    for (int k = 0; k < 15; ++k) {
      EXPECT_EQ(row.tot[q][k], both[q][k] - first[q][k]) << q + 1 << "/" << k + 1;
      own += row.tot[q][k];
    }
  EXPECT_GT(own, 0);
  EXPECT_EQ(c.sim->Status()["classed_total"], "0");
  EXPECT_EQ(c.console.texts[supervisor::Control::LavorPrec], "") << "reset: the board holds no stored batch";
  EXPECT_FALSE(fs::exists(supervisor::BaselineFile(dir_ / "journal")));
}

// The child of the crash test: one batch ended with KV7_KILL_POINT set.
TEST_F(BatchLifecycle, CrashChild) {
  const char* dir = std::getenv("KV7_CRASH_DIR");
  if (!dir) GTEST_SKIP() << "run by EndOfBatchSurvivesAKillAtEveryStep";
  store::DbParams params = store::DbParams::FromEnvironment();
  params.database = std::getenv("KV7_CRASH_DB");
  store::Database db(params);
  Console c(dir, db);
  c.CountBatch("K-1");
  c.EndBatch();
  std::_Exit(3);  // a kill point that was never reached
}

TEST_F(BatchLifecycle, EndOfBatchSurvivesAKillAtEveryStep) {
  for (const char* point : {"journaled", "stored", "prepared", "published", "retired", "printed"}) {
    SCOPED_TRACE(point);
    const fs::path work = dir_ / point;
    fs::create_directories(work);
    std::vector<std::string> env = {std::string("KV7_KILL_POINT=") + point, "KV7_CRASH_DIR=" + work.string(),
                                    "KV7_CRASH_DB=" + Name()};
    for (char** e = environ; *e; ++e) env.emplace_back(*e);
    std::vector<char*> envp;
    for (auto& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string self = fs::read_symlink("/proc/self/exe"), filter = "--gtest_filter=BatchLifecycle.CrashChild";
    char* argv[] = {self.data(), filter.data(), nullptr};
    pid_t pid = 0;
    ASSERT_EQ(::posix_spawn(&pid, self.c_str(), nullptr, nullptr, argv, envp.data()), 0);
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "status " << status;

    // The console starts again: the batch is archived and exported once.
    Console again(work, Db(), false);
    EXPECT_EQ(Rows("K-1"), 1);
    EXPECT_EQ(Files(work / "exp", ".txt").size(), 1u);
    EXPECT_TRUE(Files(work / "exp", ".t").empty());
    EXPECT_EQ(again.console.panels[5], "");
    EXPECT_EQ(again.console.texts[supervisor::Control::LavorPrec], "Totali con la bolla archiviata n: K-1 (azzerare F8)")
        << "the batch had ended, the board was never reset";
    Sql().ExecuteSql("DELETE FROM bolle");
  }
}

// F9's rules before any end of batch, and the reset of the board.
TEST(EndOfBatchRules, F9AndResetBoard) {
  struct Case {
    const char* stato;
    bool checkStpTotP;
    const char* totPartita;
    int finePartAuto, scartiEnab;
    const char* message;  // "" none
    bool endRequest;
  };
  const Case cases[] = {
      {"3", true, "0", 1, 0, "", false},  // not processing: nothing at all
      {"4", true, "0", 1, 0, "Totale partita deve essere maggiore di zero!", false},
      {"4", true, "abc", 1, 0, "Totale partita deve essere maggiore di zero!", false},
      {"4", false, "0", 0, 0, "", true},  // the next tick arms Timer2
      {"5", true, "10", 1, 0, "La centralina è spenta, accenderla per favore!", false},  // EndOfBatch at once
      {"4", true, "10", 1, 1, "azzione scarti!", false},  // no station answers: no Timer2
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.stato) + " " + c.totPartita);
    TempDir dir;
    store::ConfigStore store(store::ConfigStore::kDefaultRoot, dir / "config");
    ConsoleRecorder console;
    ScriptedOperator op;
    supervisor::Supervisor sup(console, op, store, nullptr, dir.path());
    sup.State().machineState.Stato = c.stato;
    sup.CheckStpTotPClick(c.checkStpTotP);
    sup.totPartitaEdited(c.totPartita);
    sup.Config().fine_part_auto = c.finePartAuto;
    sup.Config().scarti_enab = c.scartiEnab;
    sup.Partita1Click();
    EXPECT_EQ(op.messages.empty() ? "" : op.messages.back(), std::string(c.message));
    EXPECT_EQ(sup.State().endRequest, c.endRequest);
    EXPECT_FALSE(sup.State().timer2Due.has_value());
    if (c.endRequest) {
      sup.Timer1Timer();
      EXPECT_TRUE(sup.State().timer2Due.has_value());
      EXPECT_FALSE(sup.State().endRequest);
    }
  }

  TempDir dir;
  store::ConfigStore store(store::ConfigStore::kDefaultRoot, dir / "config");
  ConsoleRecorder console;
  ScriptedOperator op;
  supervisor::Supervisor sup(console, op, store, nullptr, dir.path());
  sup.State().controllerOn = true;
  sup.State().boardProgram = 5;
  op.answers = {false};
  sup.ResetCentralina1Click();
  EXPECT_EQ(sup.State().boardProgram, 5) << "No changes nothing";
  op.answers = {true};
  sup.ResetCentralina1Click();
  EXPECT_EQ(op.questions.back(), "Verificare che la macchina sia vuota, premere Yes per eseguire la calibrazione.");
  EXPECT_TRUE(sup.State().reinitRequest && sup.State().extraInitCommand);
  EXPECT_FALSE(sup.State().controllerOn);
  EXPECT_EQ(sup.State().boardProgram, 9999);
  EXPECT_NE(Slurp(dir / "kv2.log").find("Reset da operatore\r\n"), std::string::npos);
}

}  // namespace
}  // namespace kv7::test
