// The report commands on the private server with scripted windows: which
// page each command hands to the output, the Partita box, a batch whose
// program is gone (told, not printed), a cancelled picker, the company
// header stored and read back, the end-of-batch page, the audit rows of the
// header and the costs.

#include <gtest/gtest.h>

#include <deque>
#include <functional>

#include "batches/ProducerArchive.h"
#include "prices/PriceArchive.h"
#include "programs/ProgramArchive.h"
#include "store/ConfigStore.h"
#include "store/TestDatabase.h"
#include "support/TempDir.h"
#include "supervisor/ConsoleRecorder.h"
#include "supervisor/Supervisor.h"

namespace kv7::test {
namespace {

using reports::BatchPage;

class ScriptedReportWindows : public supervisor::ReportWindows {
 public:
  std::optional<supervisor::BatchPrintChoice> ChooseBatchForPrint(const batches::BatchList& list) override {
    listed = list.count;
    return batch;
  }
  std::optional<std::string> ChooseProgramForPrint(const programs::ProgramLists&) override { return program; }
  bool PartitaOnRunningTotals() override { return false; }
  bool OutputPage(const reports::Page& page, const store::Configuration&) override {
    pages.push_back(page);
    return true;
  }
  std::optional<store::CompanyHeader> EditCompanyHeader(const store::CompanyHeader& header) override {
    shownHeader = header;
    return company;
  }
  std::optional<supervisor::BatchPrintChoice> batch;
  std::optional<std::string> program;
  std::optional<store::CompanyHeader> company;
  std::vector<reports::Page> pages;
  std::int64_t listed = -1;
  store::CompanyHeader shownHeader;
};

class ReportCommands : public TestDatabase {
 protected:
  void SetUp() override {
    TestDatabase::SetUp();
    store::ProgramRecord p;
    p.description = "Mele";
    for (auto& quality : p.limit)
      for (std::size_t k = 0; k < quality.size(); ++k) quality[k] = std::to_string(50 + 10 * k);
    programs::SaveProgram(Db(), p, "07", {});
    batches::SaveProducer(Db(), 12, "Rossi Mario", {});
    store::BatchRow row;
    row.num = 42;
    row.programma = "07";
    row.tot[0][0] = 1000;
    row.tot[1][0] = 3000;
    row.totpartita = 1000;
    Db().SaveBatchRow(row);
    row.num = 43;
    row.programma = "55";
    Db().SaveBatchRow(row);
    store_ = std::make_unique<store::ConfigStore>(store::ConfigStore::kDefaultRoot, dir_ / "config");
    sup_ = std::make_unique<supervisor::Supervisor>(console_, op_, *store_, &Db(), dir_.path());
    sup_->SetReportWindows(&windows_);
  }
  const BatchPage& LastBatchPage() { return std::get<BatchPage>(windows_.pages.back()); }

  TempDir dir_;
  ConsoleRecorder console_;
  ScriptedOperator op_;
  ScriptedReportWindows windows_;
  std::unique_ptr<store::ConfigStore> store_;
  std::unique_ptr<supervisor::Supervisor> sup_;
};

TEST_F(ReportCommands, StoredBatchPageFollowsThePickerOrSaysWhyNot) {
  const struct {
    std::optional<supervisor::BatchPrintChoice> choice;
    std::size_t pages;
    const char* message;  // "" none
  } cases[] = {
      {std::nullopt, 0, ""},
      {supervisor::BatchPrintChoice{43, false}, 0, "programma 55 non in archivio"},
      {supervisor::BatchPrintChoice{42, true}, 1, ""},
  };
  for (const auto& k : cases) {
    windows_.pages.clear();
    op_.messages.clear();
    windows_.batch = k.choice;
    sup_->Stampa2Click();
    EXPECT_EQ(windows_.listed, 2);
    ASSERT_EQ(windows_.pages.size(), k.pages);
    EXPECT_EQ(op_.messages.empty() ? "" : op_.messages.front(), k.message);
  }
  const BatchPage& page = LastBatchPage();
  EXPECT_TRUE(page.partita);
  EXPECT_EQ(page.registration, "42");
  ASSERT_TRUE(page.rows[0][0].total.value);
  EXPECT_DOUBLE_EQ(*page.rows[0][0].total.value, 250.0);  // 1000 x 1000 / 4000
  EXPECT_EQ(page.rows[0][0].range, "0050-0060");
}

TEST_F(ReportCommands, ProgramProducersRunningAndEndOfBatchPages) {
  windows_.program = "07";
  sup_->Stampa1Click();
  ASSERT_EQ(windows_.pages.size(), 1u);
  EXPECT_EQ(std::get<reports::ProgramPage>(windows_.pages.back()).description, "Mele");

  sup_->stampa4Click();
  EXPECT_EQ(std::get<reports::ProducerListPage>(windows_.pages.back()).producers.front(),
            (std::pair<std::string, std::string>{"12", "Rossi Mario"}));

  sup_->Processing().numero = "B-5";
  sup_->Stampa3Click();
  EXPECT_EQ(LastBatchPage().title, reports::kBatchTitle);
  EXPECT_EQ(LastBatchPage().numero, "B-5");
  EXPECT_EQ(LastBatchPage().registration, "44");  // the next batch number

  // The program the board reported itself, not one loaded here: the
  // running pages name it, ranges as the screen shows them.
  sup_->Config().xmoltiply = 10;
  sup_->State().boardProgram = 7;
  batches::BatchWorkingSet ended;
  ended.date = store::DbDateTime{2021, 3, 4, 5, 6, 7};
  sup_->PrintEndOfBatch(ended, "17");
  EXPECT_EQ(LastBatchPage().title, reports::kEndOfBatchTitle);
  EXPECT_EQ(LastBatchPage().registration, "17");
  EXPECT_EQ(LastBatchPage().date->ToString(), "2021-03-04 05:06:07") << "the batch's own date";
  EXPECT_EQ(LastBatchPage().programDescription, "Mele");
  EXPECT_EQ(LastBatchPage().rows[0][0].range, "0500-0600");
  sup_->Stampa3Click();
  EXPECT_EQ(LastBatchPage().programDescription, "Mele");
}

class ScriptedPriceWindows : public supervisor::PriceWindows {
 public:
  std::optional<std::string> ChooseProgramForPrices(const programs::ProgramLists&) override { return program; }
  std::optional<prices::PriceList> EditPriceList(const prices::PriceListInput& input) override {
    shown = input;
    return edited;
  }
  std::optional<supervisor::StatementChoice> ChooseStatement(const std::vector<batches::Producer>&,
                                                             const store::DbDateTime&,
                                                             const store::DbDateTime&) override {
    return statement;
  }
  std::optional<std::string> program;
  std::optional<prices::PriceList> edited;
  std::optional<supervisor::StatementChoice> statement;
  prices::PriceListInput shown;
};

// The end-of-batch page is valued on the list in force on the batch's day;
// "Listino" stores what the window hands back under its day, and the
// season statement goes to the same output as every page.
TEST_F(ReportCommands, PriceListValueAndSeasonStatement) {
  ScriptedPriceWindows prices;
  sup_->SetPriceWindows(&prices);
  prices.program = "07";
  prices.edited = prices::PriceList{"07", {2021, 1, 1}, {{{1, 1}, 20000}}};  // Q1 C1 at 2.00
  sup_->Listino1Click();
  EXPECT_EQ(prices.shown.description, "Mele");
  EXPECT_EQ(prices.shown.ranges[0][0], "0050-0060");
  EXPECT_TRUE(prices.shown.lists.empty());
  ASSERT_EQ(prices::LoadListInForce(Db(), "07", {2021, 6, 1}), prices.edited);

  sup_->State().boardProgram = 7;
  batches::BatchWorkingSet ended;
  ended.totals[0][0] = "1500";  // 1.5 kg at 2.00
  for (const auto& [day, value] : {std::pair{store::DbDateTime{2021, 3, 4, 5, 6, 7}, std::optional<prices::Cents>{300}},
                                   {store::DbDateTime{2020, 12, 31, 23, 0, 0}, std::nullopt}}) {
    ended.date = day;
    sup_->PrintEndOfBatch(ended, "17");
    ASSERT_EQ(LastBatchPage().value.has_value(), value.has_value()) << day.ToString();
    if (value) {
      EXPECT_EQ(LastBatchPage().value->value.value, *value);
    }
  }

  prices.statement = supervisor::StatementChoice{"12", {2021, 1, 1}, {2021, 12, 31}};
  sup_->EstrattoConto1Click();
  const auto* statement = std::get_if<reports::SeasonStatementPage>(&windows_.pages.back());
  ASSERT_NE(statement, nullptr);
  EXPECT_EQ(statement->producerName, "Rossi Mario");
}

TEST_F(ReportCommands, CompanyHeaderIsStoredAndReadBack) {
  const store::CompanyHeader before = sup_->CompanyHeader();
  windows_.company = std::nullopt;
  sup_->Azienda1Click();
  EXPECT_EQ(sup_->CompanyHeader().lines, before.lines);
  EXPECT_FALSE(std::filesystem::exists(dir_ / "mb3.az"));
  store::CompanyHeader typed;
  typed.lines = {"Frutta Srl", "Via Roma 1", "", "Cesena"};
  windows_.company = typed;
  sup_->Azienda1Click();
  EXPECT_EQ(windows_.shownHeader.lines, before.lines);
  store::CompanyHeader stored;
  ASSERT_TRUE(store::LoadCompanyHeader(stored, dir_.path()));
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(stored.lines[i].substr(0, typed.lines[i].size()), typed.lines[i]);
    EXPECT_EQ(sup_->CompanyHeader().lines[i], stored.lines[i]);
  }
}

TEST_F(ReportCommands, HeaderAndCostsSavedLeaveOneAuditRowWhenTheyChange) {
  store::CompanyHeader typed;
  typed.lines = {"Frutta Srl", "Via Roma 1", "", "Cesena"};
  store::ProcessingCosts costs;
  costs.persons[1] = "3";
  const struct {
    const char* what;
    std::function<void()> save;
    int rows;
    const char* row;  // finestra|tabella|chiave|before|after
  } cases[] = {
      {"header cancelled", [&] { windows_.company = std::nullopt, sup_->Azienda1Click(); }, 0, ""},
      {"header", [&] { windows_.company = typed, sup_->Azienda1Click(); }, 1,
       "TImpAzienda|mb3.az|intestazione|KV7 Campionatrice|Frutta Srl|"},
      {"header again", [&] { sup_->Azienda1Click(); }, 0, ""},
      {"costs", [&] { sup_->SaveCosts(costs); }, 1, "TImpCosti|w83.cst|costi|00|3|"},
  };
  for (const auto& c : cases) {
    const auto before = Db().Table("kv7_audit").Count();
    c.save();
    ASSERT_EQ(Db().Table("kv7_audit").Count(), before + c.rows) << c.what;
    if (c.rows == 0) continue;
    const auto row = Sql().QueryFirst(
        "SELECT finestra, tabella, chiave, COALESCE(JSON_VALUE(prima, '$.riga1'), JSON_VALUE(prima, '$.persone2')),"
        " COALESCE(JSON_VALUE(dopo, '$.riga1'), JSON_VALUE(dopo, '$.persone2')) FROM kv7_audit ORDER BY id DESC");
    std::string text;
    for (const auto& v : row->Values()) text += store::ToText(v) + "|";
    EXPECT_EQ(text, c.row) << c.what;
  }
}

}  // namespace
}  // namespace kv7::test
