// The audit trail on the private server: every audited change of the batch,
// producer and program archives leaves exactly one row with the right
// before and after (read back through the server's own JSON functions), a
// refused or failed change leaves none, and kv7ctl lists the rows.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <stdexcept>

#include "audit/AuditTrail.h"
#include "batches/BatchArchive.h"
#include "batches/ProducerArchive.h"
#include "programs/ProgramArchive.h"
#include "store/TestDatabase.h"
#include "support/Shell.h"

namespace {

namespace audit = kv7::audit;
namespace batches = kv7::batches;
namespace programs = kv7::programs;
namespace store = kv7::store;

const audit::Actor kWho{3, "tester", "TNewBolla"};

batches::BatchWorkingSet Batch(const std::string& numero) {
  batches::BatchWorkingSet ws;
  for (auto& quality : ws.totals) quality.fill("10");
  ws.reject = "5";
  ws.program = "05";
  ws.numero = numero;
  ws.codProd = "12";
  ws.totalePart = "0";
  ws.numCasse = "1";
  ws.numPedane = "1";
  ws.date = {2026, 3, 5, 14, 30, 7};
  return ws;
}

store::ProgramRecord Program(const std::string& description) {
  store::ProgramRecord r;
  r.description = description;
  for (auto& quality : r.limit)
    for (std::size_t k = 0; k < quality.size(); ++k) quality[k] = std::to_string(50 + 10 * k);
  return r;
}

class AuditTrail : public kv7::test::TestDatabase {
 protected:
  void SetUp() override {
    TestDatabase::SetUp();
    if (HasFatalFailure()) return;
    programs::SaveProgram(Db(), Program("Mele"), "05", kWho);
    batches::SaveProducer(Db(), 12, "Rossi", kWho);
    batches::SaveNewBatch(Db(), Batch("B1"), {}, kWho);
  }

  std::int64_t LastId() {
    return store::ToInteger(Sql().QueryFirst("SELECT COALESCE(MAX(`id`), 0) FROM `kv7_audit`")->Values()[0]);
  }
  std::int64_t RowsAfter(std::int64_t id) {
    return store::ToInteger(Sql().QueryFirst("SELECT COUNT(*) FROM `kv7_audit` WHERE `id` > ?", {id})->Values()[0]);
  }
  // One column of row `id`, or a value inside its JSON (nullopt: NULL).
  std::optional<std::string> Column(std::int64_t id, const std::string& column, const std::string& path = {}) {
    const std::string value = path.empty() ? store::QuoteIdentifier(column)
                                           : "JSON_VALUE(" + store::QuoteIdentifier(column) + ", ?)";
    std::vector<store::DbValue> params;
    if (!path.empty()) params.emplace_back(path);
    params.emplace_back(id);
    const auto row = Sql().QueryFirst("SELECT " + value + " FROM `kv7_audit` WHERE `id` = ?", params);
    if (!row || store::IsNull(row->Values()[0])) return std::nullopt;
    return store::ToText(row->Values()[0]);
  }

 public:
  // The table's actions below reach the archive through these.
  using kv7::test::TestDatabase::Db;
  batches::Producer ProducerWithCode(const std::string& code) {
    for (const auto& p : batches::FillProducerList(Db()))
      if (p.codice == code) return p;
    throw std::runtime_error("no producer " + code);
  }
  store::BatchRow StoredBatch(std::int64_t n) {
    store::BatchRow row;
    Db().LoadBatchByNumber(n, row);
    return row;
  }
};

struct Check {
  const char* column;  // "prima" or "dopo"
  const char* path;    // nullptr: the whole column is NULL
  const char* value;
};

struct AuditedAction {
  const char* name;
  std::function<void(AuditTrail&)> run;
  const char* action;
  const char* table;
  const char* key;
  std::vector<Check> checks;
};

TEST_F(AuditTrail, EveryChangeLeavesOneRowWithItsBeforeAndAfter) {
  const std::vector<AuditedAction> actions{
      {"batch new", [](AuditTrail& t) { batches::SaveNewBatch(t.Db(), Batch("B2"), {}, kWho); }, "nuova", "bolle",
       "2", {{"prima", nullptr, nullptr}, {"dopo", "$.bolla", "B2"}, {"dopo", "$.num", "2"}}},
      {"batch modify",
       [](AuditTrail& t) { batches::SaveEditedBatch(t.Db(), t.StoredBatch(1), Batch("B1 bis"), {}, kWho); },
       "modifica", "bolle", "1", {{"prima", "$.bolla", "B1"}, {"dopo", "$.bolla", "B1 bis"}, {"dopo", "$.tot3q2", "10"}}},
      {"batch delete", [](AuditTrail& t) { batches::DeleteBatch(t.Db(), 2, {}, kWho); }, "cancella", "bolle", "2",
       {{"prima", "$.bolla", "B2"}, {"prima", "$.data", "2026-03-05 14:30:07"}, {"dopo", nullptr, nullptr}}},
      {"producer new", [](AuditTrail& t) { batches::SaveProducer(t.Db(), 20, "Bianchi \"Gino\"", kWho); }, "nuova",
       "produttori", "20", {{"prima", nullptr, nullptr}, {"dopo", "$.descrizione", "Bianchi \"Gino\""}}},
      {"producer modify",
       [](AuditTrail& t) { batches::ModifyProducer(t.Db(), t.ProducerWithCode("12"), 13, "Rossi Mario", kWho); },
       "modifica", "produttori", "13",
       {{"prima", "$.codice", "12"}, {"prima", "$.descrizione", "Rossi"}, {"dopo", "$.codice", "13"},
        {"dopo", "$.descrizione", "Rossi Mario"}}},
      {"producer new under a used code",
       [](AuditTrail& t) { batches::SaveProducer(t.Db(), 13, "Rossi M.", kWho); }, "modifica", "produttori", "13",
       {{"prima", "$.descrizione", "Rossi Mario"}, {"dopo", "$.descrizione", "Rossi M."}}},
      {"producer delete",
       [](AuditTrail& t) { batches::DeleteProducer(t.Db(), t.ProducerWithCode("20"), {}, kWho); }, "cancella",
       "produttori", "20", {{"prima", "$.num", "20"}, {"dopo", nullptr, nullptr}}},
      {"program save new", [](AuditTrail& t) { programs::SaveProgram(t.Db(), Program("Pere"), "7", kWho); }, "salva",
       "programmi", "07", {{"prima", nullptr, nullptr}, {"dopo", "$.descrizione", "Pere"}, {"dopo", "$.num", "7"}}},
      {"program save over", [](AuditTrail& t) { programs::SaveProgram(t.Db(), Program("Mele bis"), "05", kWho); },
       "salva", "programmi", "05",
       {{"prima", "$.descrizione", "Mele"}, {"dopo", "$.descrizione", "Mele bis"}, {"dopo", "$.num", "5"}}},
      {"program delete", [](AuditTrail& t) { programs::DeleteProgram(t.Db(), "07", 5, kWho); }, "cancella",
       "programmi", "07", {{"prima", "$.descrizione", "Pere"}, {"dopo", nullptr, nullptr}}},
  };
  for (const auto& a : actions) {
    const std::int64_t before = LastId();
    a.run(*this);
    ASSERT_EQ(RowsAfter(before), 1) << a.name;
    const std::int64_t id = LastId();
    EXPECT_EQ(Column(id, "azione"), a.action) << a.name;
    EXPECT_EQ(Column(id, "tabella"), a.table) << a.name;
    EXPECT_EQ(Column(id, "chiave"), a.key) << a.name;
    EXPECT_EQ(Column(id, "macchina"), "3") << a.name;
    EXPECT_EQ(Column(id, "utente"), "tester") << a.name;
    EXPECT_EQ(Column(id, "finestra"), "TNewBolla") << a.name;
    EXPECT_TRUE(Column(id, "quando")) << a.name;
    for (const auto& c : a.checks) {
      if (c.path)
        EXPECT_EQ(Column(id, c.column, c.path), c.value) << a.name << " " << c.column << " " << c.path;
      else
        EXPECT_EQ(Column(id, c.column), std::nullopt) << a.name << " " << c.column;
    }
  }
}

TEST_F(AuditTrail, ARefusedOrFailedChangeLeavesNoRowAndNoChange) {
  const std::vector<std::pair<const char*, std::function<void(AuditTrail&)>>> refusals{
      {"batch changed since it was read",
       [](AuditTrail& t) {
         store::BatchRow stale = t.StoredBatch(1);
         stale.bolla = "other";
         EXPECT_EQ(batches::SaveEditedBatch(t.Db(), stale, Batch("B1 ter"), {}, kWho).status,
                   batches::SaveResult::Status::Changed);
       }},
      {"batch with a figure that is no number",
       [](AuditTrail& t) {
         auto ws = Batch("B3");
         ws.numCasse = "1,5";
         EXPECT_EQ(batches::SaveNewBatch(t.Db(), ws, {}, kWho).status, batches::SaveResult::Status::BadField);
       }},
      {"missing batch", [](AuditTrail& t) { EXPECT_FALSE(batches::DeleteBatch(t.Db(), 99, {}, kWho)); }},
      {"missing producer",
       [](AuditTrail& t) { EXPECT_FALSE(batches::DeleteProducer(t.Db(), {99, "99", "x"}, {}, kWho)); }},
      {"current program",
       [](AuditTrail& t) {
         EXPECT_EQ(programs::DeleteProgram(t.Db(), "05", 5, kWho), programs::DeleteOutcome::RefusedCurrent);
       }},
      {"program code that is no number",
       [](AuditTrail& t) {
         EXPECT_THROW(programs::SaveProgram(t.Db(), Program("X"), "A1", kWho), std::invalid_argument);
       }},
      {"producer the archive refuses",
       [](AuditTrail& t) {
         EXPECT_THROW(batches::SaveProducer(t.Db(), 40, std::string(60, 'x'), kWho), store::DbError);
       }},
      {"audit row the archive refuses",
       [](AuditTrail& t) {
         const audit::Actor tooLong{1, "tester", std::string(60, 'W')};
         EXPECT_THROW(batches::SaveNewBatch(t.Db(), Batch("B4"), {}, tooLong), store::DbError);
         EXPECT_THROW(batches::DeleteBatch(t.Db(), 1, {}, tooLong), store::DbError);
       }},
  };
  for (const auto& [name, run] : refusals) {
    const std::int64_t before = LastId();
    const auto batches = Db().Table("bolle").Count(), producers = Db().Table("produttori").Count();
    const auto programs = Db().Table("programmi").Count();
    run(*this);
    EXPECT_EQ(RowsAfter(before), 0) << name;
    EXPECT_EQ(Db().Table("bolle").Count(), batches) << name;
    EXPECT_EQ(Db().Table("produttori").Count(), producers) << name;
    EXPECT_EQ(Db().Table("programmi").Count(), programs) << name;
    EXPECT_EQ(StoredBatch(1).bolla, "B1") << name;
  }
}

TEST_F(AuditTrail, Kv7ctlRecordsItsChangesAndListsThemTabSeparated) {
  const auto run = [this](const std::string& args) {
    return kv7::test::Shell("KV7_DB_NAME=" + Name() + " " KV7CTL_PATH " " + args + " 2>/dev/null");
  };
  ASSERT_EQ(run("producer add 30 Bianchi").status, 0);
  const auto listed = run("audit --table produttori --from 2000-01-01");
  ASSERT_EQ(listed.status, 0);
  // The set-up's producer, then kv7ctl's.
  const auto last = listed.out.substr(listed.out.rfind('\n', listed.out.size() - 2) + 1);
  std::vector<std::string> fields;
  for (std::size_t start = 0, tab;; start = tab + 1) {
    tab = last.find('\t', start);
    fields.push_back(last.substr(start, tab == std::string::npos ? last.size() - start - 1 : tab - start));
    if (tab == std::string::npos) break;
  }
  ASSERT_EQ(fields.size(), 10u) << last;
  EXPECT_EQ(fields[4], "kv7ctl");
  EXPECT_EQ(fields[5], "nuova");
  EXPECT_EQ(fields[6], "produttori");
  EXPECT_EQ(fields[7], "30");
  EXPECT_EQ(fields[8], "");
  EXPECT_EQ(fields[9], "{\"num\":30,\"codice\":\"30\",\"descrizione\":\"Bianchi\"}");
  EXPECT_EQ(std::count(listed.out.begin(), listed.out.end(), '\n'), 2) << listed.out;
  EXPECT_EQ(run("audit --table programmi --to 2000-01-01").out, "");
  EXPECT_EQ(run("audit --from yesterday").status, 2);
}

}  // namespace
