// The batch, producer and processing-data commands on the private server,
// with scripted windows: F3 OK and Cancel and the main window's fields, the
// Enter keys, a batch and a producer made, changed and deleted through the
// commands (rows read back), a new batch numbered when saved while kv7ctl
// replays the journal, a change refused on a row deleted or changed while it
// was open, the restart record the exit routine writes with the producer
// of the processing data, and the start's upgrade of an older archive.

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>

#include "batches/BatchJournal.h"
#include "batches/ProducerArchive.h"
#include "programs/ProgramArchive.h"
#include "store/ConfigStore.h"
#include "store/TestDatabase.h"
#include "support/FileText.h"
#include "support/Shell.h"
#include "support/TempDir.h"
#include "supervisor/ConsoleRecorder.h"
#include "supervisor/Supervisor.h"

namespace kv7::test {
namespace {

using batches::BatchWorkingSet;
using batches::ProcessingData;
using batches::Producer;

// Each window answers from its script and keeps what it was shown.
class ScriptedBatchWindows : public supervisor::BatchWindows {
 public:
  std::optional<supervisor::ProcessingOutcome> EditProcessing(const ProcessingData& data,
                                                              const std::vector<Producer>& producers) override {
    shownData = data;
    shownProducers = producers;
    return Next(processing);
  }
  std::optional<std::int64_t> ChooseBatch(const batches::BatchList& list) override {
    listedBatches = list.count;
    return Next(batchChoices);
  }
  std::optional<BatchWorkingSet> EditBatch(const batches::BatchEditorInput& input) override {
    editorInputs.push_back(input);
    if (edits.empty()) return std::nullopt;
    auto edit = std::move(edits.front());
    edits.pop_front();
    BatchWorkingSet ws = input.ws;
    edit(ws);
    return ws;
  }
  std::optional<Producer> ChooseProducer(const std::vector<Producer>& list) override {
    if (producerChoices.empty()) return std::nullopt;
    const std::size_t i = producerChoices.front();
    producerChoices.pop_front();
    return list.at(i);
  }
  std::optional<supervisor::EditedProducer> EditProducer(const std::string& code,
                                                         const std::string& description) override {
    shownProducer = {code, description};
    return Next(producerEdits);
  }
  std::optional<supervisor::ExportRangeChoice> ChooseExportRange() override { return Next(exportRanges); }

  template <class T>
  static std::optional<T> Next(std::deque<std::optional<T>>& script) {
    if (script.empty()) return std::nullopt;
    auto v = script.front();
    script.pop_front();
    return v;
  }

  std::deque<std::optional<supervisor::ProcessingOutcome>> processing;
  std::deque<std::optional<std::int64_t>> batchChoices;
  std::deque<std::function<void(BatchWorkingSet&)>> edits;
  std::deque<std::size_t> producerChoices;
  std::deque<std::optional<supervisor::EditedProducer>> producerEdits;
  std::deque<std::optional<supervisor::ExportRangeChoice>> exportRanges;
  ProcessingData shownData;
  std::vector<Producer> shownProducers;
  std::int64_t listedBatches = -1;
  std::vector<batches::BatchEditorInput> editorInputs;
  std::pair<std::string, std::string> shownProducer;
};

class BatchCommands : public TestDatabase {
 protected:
  void SetUp() override {
    TestDatabase::SetUp();
    store_ = std::make_unique<store::ConfigStore>(store::ConfigStore::kDefaultRoot, dir_ / "config");
    sup_ = std::make_unique<supervisor::Supervisor>(console_, op_, *store_, &Db(), dir_.path());
    sup_->SetBatchWindows(&windows_);
  }
  std::string Log() const { return Slurp(dir_ / "kv2.log"); }
  std::vector<std::string> Column(const std::string& sql) {
    std::vector<std::string> out;
    for (const auto& row : Sql().Query(sql)) out.push_back(store::ToText(row[0]));
    return out;
  }

  TempDir dir_;
  ConsoleRecorder console_;
  ScriptedOperator op_;
  ScriptedBatchWindows windows_;
  std::unique_ptr<store::ConfigStore> store_;
  std::unique_ptr<supervisor::Supervisor> sup_;
};

TEST_F(BatchCommands, ProcessingDataFollowsF3AndTheEnterKeys) {
  batches::SaveProducer(Db(), 12, "Rossi", {});
  ProcessingData typed;
  typed.numero = "B1";
  typed.codice = "12";
  typed.descrizione = "Rossi";
  typed.totPartita = "350";
  windows_.processing = {supervisor::ProcessingOutcome{true, typed}};
  sup_->Dati1Click();
  EXPECT_EQ(windows_.shownProducers, (std::vector<Producer>{{12, "12", "Rossi"}}));
  EXPECT_EQ(sup_->Processing(), typed);
  EXPECT_EQ(console_.texts[supervisor::Control::numBolla], "B1");
  EXPECT_EQ(console_.texts[supervisor::Control::totPartita], "350");

  // Cancel: the window's data (four fields restored by it) are kept, the
  // main window is left alone.
  ProcessingData cancelled = typed;
  cancelled.lotto = "L9";
  cancelled.totPartita = "999";
  windows_.processing = {supervisor::ProcessingOutcome{false, cancelled}};
  sup_->Dati1Click();
  EXPECT_EQ(sup_->Processing(), cancelled);
  EXPECT_EQ(console_.texts[supervisor::Control::totPartita], "350");

  sup_->numBollaEnter("B7");
  sup_->totPartitaEnter("420");
  sup_->Dati1Click();  // no answer: the window could not be shown
  EXPECT_EQ(windows_.shownData.numero, "B7");
  EXPECT_EQ(windows_.shownData.totPartita, "420");
  EXPECT_EQ(sup_->Processing().lotto, "L9");
}

TEST_F(BatchCommands, BatchIsMadeChangedAndDeletedThroughTheEditor) {
  store::ProgramRecord program;
  program.description = "Mele";
  for (auto& quality : program.limit)
    for (std::size_t k = 0; k < quality.size(); ++k) quality[k] = std::to_string(50 + 10 * k);
  programs::SaveProgram(Db(), program, "05", {});

  windows_.edits.push_back([](BatchWorkingSet& ws) {
    ws.totals[0][0] = "1500";
    ws.numero = "N1";
  });
  sup_->Nuova1Click();
  ASSERT_EQ(windows_.editorInputs.size(), 1u);
  EXPECT_TRUE(windows_.editorInputs[0].isNew);
  EXPECT_EQ(windows_.editorInputs[0].number, 1);
  EXPECT_EQ(Column("SELECT CONCAT_WS('/', num, programma, bolla, tot1q1) FROM bolle"),
            std::vector<std::string>{"1/05/N1/1500"});

  // Modify: a total that is not a whole number is named, the row kept, and
  // the editor comes back with what was typed.
  windows_.batchChoices = {1};
  windows_.edits.push_back([](BatchWorkingSet& ws) { ws.totals[1][2] = "12a"; });
  windows_.edits.push_back([](BatchWorkingSet& ws) { ws.totals[1][2] = "800"; });
  sup_->Modifica2Click();
  EXPECT_EQ(windows_.listedBatches, 1);
  ASSERT_EQ(windows_.editorInputs.size(), 3u);
  EXPECT_FALSE(windows_.editorInputs[1].isNew);
  EXPECT_EQ(windows_.editorInputs[1].ws.numero, "N1");
  EXPECT_EQ(windows_.editorInputs[2].ws.totals[1][2], "12a");
  ASSERT_EQ(op_.messages.size(), 1u);
  EXPECT_EQ(op_.messages[0], "Il campo TotC3Q2 non contiene un numero intero: \"12a\". La bolla non è stata salvata.");
  EXPECT_EQ(Column("SELECT CONCAT_WS('/', num, bolla, tot1q1, tot3q2) FROM bolle"),
            std::vector<std::string>{"1/N1/1500/800"});

  windows_.batchChoices = {1};
  sup_->Cancella2Click();
  EXPECT_TRUE(Column("SELECT num FROM bolle").empty());
  EXPECT_NE(Log().find("Bolla cancellata: num=1;"), std::string::npos) << Log();
}

TEST_F(BatchCommands, NewBatchTakesItsNumberWhenSavedWhileKv7ctlReplaysTheJournal) {
  const auto work = dir_ / "other";
  store::BatchRow ended;
  ended.bolla = "J1";
  batches::BatchJournal(batches::BatchJournal::DirectoryIn(work), {}).Add(ended, {2026, 5, 4, 10, 0, 0});
  windows_.edits.push_back([&](BatchWorkingSet& ws) {
    ws.numero = "N1";
    EXPECT_EQ(Shell("KV7_DB_NAME=" + Name() + " KV7_CONFIG_DIR=" + work.string() + " " KV7CTL_PATH
                    " journal replay --work " + work.string() + " --dir " + work.string() + " 2>&1").status, 0);
  });
  sup_->Nuova1Click();
  EXPECT_EQ(windows_.editorInputs.at(0).number, 1);
  EXPECT_EQ(Column("SELECT CONCAT_WS('/', num, bolla) FROM bolle ORDER BY num"),
            (std::vector<std::string>{"1/J1", "2/N1"}));
  EXPECT_EQ(op_.messages, std::vector<std::string>{"La bolla è stata registrata con il numero 2: il numero 1 è stato "
                                                   "preso nel frattempo da un'altra bolla."});
}

TEST_F(BatchCommands, ModifyRefusesARowDeletedOrChangedSinceItWasRead) {
  const struct {
    std::int64_t picked;
    const char *meanwhile, *message;  // SQL run while the editor is open
    std::vector<std::string> rows;
  } cases[] = {
      {1, "DELETE FROM bolle WHERE num = 1",
       "La bolla 1 è stata cancellata dopo l'apertura: le modifiche non sono state salvate.", {}},
      {1, "UPDATE bolle SET bolla = 'ALTRA' WHERE num = 1",
       "La bolla 1 è stata cambiata dopo l'apertura: le modifiche non sono state salvate.", {"1/ALTRA"}},
      {7, nullptr, "La bolla 7 non esiste più.", {"1/N1"}},
  };
  for (const auto& c : cases) {
    Sql().Execute("DELETE FROM bolle");
    Sql().Execute("INSERT INTO bolle (num, bolla) VALUES (1, 'N1')");
    op_.messages.clear();
    windows_.batchChoices = {c.picked};
    windows_.edits = {[&](BatchWorkingSet& ws) { Sql().Execute(c.meanwhile); ws.numero = "MIA"; }};
    sup_->Modifica2Click();
    EXPECT_EQ(op_.messages, std::vector<std::string>{c.message});
    EXPECT_EQ(Column("SELECT CONCAT_WS('/', num, bolla) FROM bolle"), c.rows) << c.message;
  }
}

TEST_F(BatchCommands, ProducerIsMadeChangedAndDeletedByTheSelectedRow) {
  windows_.producerEdits = {supervisor::EditedProducer{5, "Bianchi"}};
  sup_->nuova2Click();
  EXPECT_EQ(windows_.shownProducer, (std::pair<std::string, std::string>{"1", ""}));
  batches::SaveProducer(Db(), 9, "Verdi", {});

  windows_.producerChoices = {1};
  windows_.producerEdits = {supervisor::EditedProducer{9, "Verdi S."}};
  sup_->Modifica3Click();
  EXPECT_EQ(windows_.shownProducer, (std::pair<std::string, std::string>{"9", "Verdi"}));

  windows_.producerChoices = {0};
  sup_->cancella3Click();
  EXPECT_EQ(Column("SELECT CONCAT_WS('/', num, codice, descrizione) FROM produttori"),
            std::vector<std::string>{"9/9/Verdi S."});
  EXPECT_NE(Log().find("Produttore cancellato: num=5; codice=5; descrizione=Bianchi"), std::string::npos);
}

TEST_F(BatchCommands, ExitRoutineRecordsTheProducerOfTheProcessingData) {
  sup_->State().boardProgram = 5;
  sup_->Processing().codice = "12";
  sup_->fine2();
  EXPECT_EQ(Column("SELECT CONCAT_WS('/', programma, produttore) FROM temporary"), std::vector<std::string>{"5/12"});

  // A code that is not a whole number is shown and logged; the record stays.
  sup_->Processing().codice = "R12";
  sup_->fine2();
  ASSERT_FALSE(op_.messages.empty());
  EXPECT_NE(op_.messages.back().find("'R12'"), std::string::npos) << op_.messages.back();
  EXPECT_NE(Log().find("'R12'"), std::string::npos);
  EXPECT_EQ(Column("SELECT CONCAT_WS('/', programma, produttore) FROM temporary"), std::vector<std::string>{"5/12"});
}

// The console's start brings an archive from before the machine number up
// to date and logs it: the old restart record becomes machine 1's, and
// machine 2 starts without one and then keeps its own beside it.
TEST_F(BatchCommands, StartUpgradesAnOlderArchiveAndKeepsItsMachinesRestartRecordApart) {
  Sql().ExecuteSql("ALTER TABLE temporary DROP PRIMARY KEY, DROP COLUMN macchina");
  Sql().ExecuteSql("ALTER TABLE bolle DROP COLUMN macchina");
  Sql().ExecuteSql("INSERT INTO temporary VALUES (5, 12)");
  store_->WriteString("kv2", "macchina", "2");
  sup_->FormShow({});
  EXPECT_NE(Log().find("archive upgraded: table bolle: column macchina added"), std::string::npos) << Log();
  EXPECT_NE(Log().find("archive upgraded: table temporary: keyed by macchina"), std::string::npos) << Log();
  EXPECT_NE(std::find(op_.messages.begin(), op_.messages.end(), "Bolla temporanea non presente!"), op_.messages.end());

  sup_->State().boardProgram = 7;
  sup_->Processing().codice = "30";
  sup_->fine2();
  EXPECT_EQ(Column("SELECT CONCAT_WS('/', macchina, programma, produttore) FROM temporary ORDER BY macchina"),
            (std::vector<std::string>{"1/5/12", "2/7/30"}));
}

}  // namespace
}  // namespace kv7::test
