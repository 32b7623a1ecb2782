#include "store/Database.h"

#include <array>
#include <charconv>
#include <utility>

#include "store/DbSchema.h"

namespace kv7::store {
namespace {

std::vector<std::string> OrderOf(const std::string& table) {
  if (table == table::kPrograms || table == table::kBatches) return {"num"};
  if (table == table::kProducers) return {"num", "codice"};
  return {};  // the working tables hold one row
}

std::string ColumnList(const std::vector<std::string>& columns) {
  std::string s;
  for (const auto& c : columns) s += (s.empty() ? "" : ", ") + QuoteIdentifier(c);
  return s;
}

// A whole number typed as text for an integer column: blanks around it are
// ignored, an empty text is NULL, anything else is refused.
DbValue IntegerFromText(const std::string& text, const char* column) {
  auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return std::monostate{};
  auto last = text.find_last_not_of(' ') + 1;
  const char* b = text.data() + first;
  const char* e = text.data() + last;
  if (*b == '+') ++b;
  std::int64_t v = 0;
  auto r = std::from_chars(b, e, v);
  if (r.ec != std::errc() || r.ptr != e)
    throw DbError("'" + text + "' is not a valid integer value for column '" + column + "'");
  return v;
}

}  // namespace

const char* const Database::kBatchListSql =
    "SELECT b.`num`, b.`data`, b.`programma`, b.`bolla`, b.`produttore`, "
    "(SELECT COALESCE(p.`descrizione`, '') FROM `produttori` p "
    "WHERE p.`codice` = b.`produttore` AND CAST(p.`codice` AS BINARY) = CAST(b.`produttore` AS BINARY) "
    "ORDER BY p.`num`, p.`codice` LIMIT 1) AS `descrizione` "
    "FROM `bolle` b ORDER BY b.`num`";

Database::Database(DbParams params) : params_(std::move(params)) {}

bool Database::Connect(std::string* error) {
  try {
    Connection();
    return true;
  } catch (const DbError& e) {
    if (error) *error = e.what();
    return false;
  }
}

DbConnection& Database::Connection() {
  if (!connection_) {
    connection_ = std::make_unique<DbConnection>(params_, firstServer_);
    firstServer_ = connection_->ServerIndex();  // stays with the one that answered
  }
  return *connection_;
}

void Database::ServerLost() {
  if (connection_) firstServer_ = connection_->ServerIndex() + 1;
  connection_.reset();
}

std::string Database::ServerInUse() const {
  return connection_ ? connection_->AnsweringServer() : std::string();
}

template <typename F>
auto Database::Run(F&& operation) -> decltype(operation(std::declval<DbConnection&>())) {
  try {
    return operation(Connection());
  } catch (const DbError& e) {
    if (e.IsConnectionError()) ServerLost();
    throw;
  }
}

std::vector<std::string> Database::InitSchema() {
  if (params_.database.empty()) throw DbError("no database name to create");
  // The database may not exist yet: log in without choosing one.
  if (!connection_) {
    DbParams server = params_;
    server.database.clear();
    connection_ = std::make_unique<DbConnection>(server, firstServer_);
  }
  return Run([&](DbConnection& c) { return CreateSchema(c, params_.database); });
}

std::vector<std::string> Database::UpgradeSchema() {
  return Run([&](DbConnection& c) { return store::UpgradeSchema(c); });
}

bool Database::TableExists(const std::string& table) {
  return Run([&](DbConnection& c) { return c.TableExists(table); });
}

DbTable Database::Table(const std::string& name) {
  return DbTable(Connection(), name, OrderOf(name));
}

bool Database::DeleteBatchByNumber(std::int64_t num) {
  return Run([&](DbConnection& c) { return DbTable(c, table::kBatches, {"num"}).DeleteFirst("num", num); });
}

bool Database::LoadProgramByCode(const std::string& code, ProgramRecord& record) {
  auto row = Run([&](DbConnection& c) {
    std::string sql = "SELECT " + ColumnList(ProgramColumns()) +
                      " FROM `programmi` WHERE `codiceprog` = ? "
                      "AND CAST(`codiceprog` AS BINARY) = CAST(? AS BINARY) ORDER BY `num` LIMIT 1";
    return c.QueryFirst(sql, {code, code});
  });
  if (!row) return false;
  ProgramRecord r;
  r.code = row->Text("codiceprog");
  r.description = row->Text("descrizione");
  for (int q = 1; q <= 4; ++q) {
    for (int k = 1; k <= 16; ++k)
      r.limit[q - 1][k - 1] = std::to_string(row->Int(ClassColumn("pesocal", k, q)));
    for (int c = 1; c <= 15; ++c) {
      r.name[q - 1][c - 1] = row->Text(ClassColumn("nomecal", c, q));
      r.classCode[q - 1][c - 1] = row->Text(ClassColumn("codicec", c, q));
    }
  }
  r.rejectCode = row->Text("codiceq5");
  record = std::move(r);
  return true;
}

BatchRow Database::BatchFromRow(const DbRow& row) {
  BatchRow b;
  b.num = row.Int("num");
  if (auto d = std::get_if<DbDateTime>(&row.Get("data"))) b.data = *d;
  b.programma = row.Text("programma");
  // The 60 names made once: the exports read this for every stored batch.
  static const auto names = [] {
    std::array<std::array<std::string, kClasses>, kQualities> n;
    for (int q = 1; q <= kQualities; ++q)
      for (int c = 1; c <= kClasses; ++c) n[q - 1][c - 1] = ClassColumn("tot", c, q);
    return n;
  }();
  for (int q = 0; q < kQualities; ++q)
    for (int c = 0; c < kClasses; ++c) b.tot[q][c] = row.Int(names[q][c]);
  b.bolla = row.Text("bolla");
  b.codicebarre = row.Text("codicebarre");
  b.produttore = row.Text("produttore");
  b.note = row.Text("note");
  b.totpartita = row.Int("totpartita");
  b.totq5 = row.Int("totq5");
  b.numerocasse = row.Int("numerocasse");
  b.numeropedane = row.Int("numeropedane");
  b.lotto = row.Text("lotto");
  b.operatore = row.Text("operatore");
  // NULL, or a row read from an archive not yet upgraded: the only machine there was.
  if (row.Has(kMachineColumn) && !IsNull(row.Get(kMachineColumn))) b.macchina = row.Int(kMachineColumn);
  return b;
}

DbAssignments Database::BatchAssignments(const BatchRow& b) {
  DbAssignments a;
  a.emplace_back("num", b.num);
  a.emplace_back("data", b.data ? DbValue(*b.data) : DbValue());
  a.emplace_back("programma", b.programma);
  for (int q = 1; q <= kQualities; ++q)
    for (int c = 1; c <= kClasses; ++c) a.emplace_back(ClassColumn("tot", c, q), b.tot[q - 1][c - 1]);
  a.emplace_back("bolla", b.bolla);
  a.emplace_back("codicebarre", b.codicebarre);
  a.emplace_back("produttore", b.produttore);
  a.emplace_back("note", b.note);
  a.emplace_back("totpartita", b.totpartita);
  a.emplace_back("totq5", b.totq5);
  a.emplace_back("numerocasse", b.numerocasse);
  a.emplace_back("numeropedane", b.numeropedane);
  a.emplace_back("lotto", b.lotto);
  a.emplace_back("operatore", b.operatore);
  a.emplace_back(kMachineColumn, b.macchina);
  return a;
}

bool Database::LoadBatchByNumber(std::int64_t num, BatchRow& row, BatchFigures& figures) {
  auto found = Run([&](DbConnection& c) {
    // Every column: an archive not yet upgraded has no `macchina` and still reads.
    return c.QueryFirst("SELECT * FROM `bolle` WHERE `num` = ? LIMIT 1", {num});
  });
  if (!found) return false;
  row = BatchFromRow(*found);
  figures = ComputeBatchFigures(row);
  return true;
}

bool Database::LoadBatchByNumber(std::int64_t num, BatchRow& row) {
  BatchFigures ignored;
  return LoadBatchByNumber(num, row, ignored);
}

void Database::SaveBatchRow(const BatchRow& row) {
  Run([&](DbConnection& c) {
    DbTransaction t(c);
    DbTable bolle(c, table::kBatches, {"num"});
    DbAssignments values = BatchAssignments(row);
    if (!bolle.UpdateFirst("num", row.num, values)) bolle.Insert(values);
    t.Commit();
    return 0;
  });
}

std::vector<BatchListEntry> Database::ListBatches() {
  auto rows = Run([&](DbConnection& c) { return c.Query(kBatchListSql); });
  std::vector<BatchListEntry> list;
  list.reserve(rows.size());
  for (const auto& r : rows) {
    BatchListEntry e;
    e.num = ToInteger(r[0]);
    if (auto d = std::get_if<DbDateTime>(&r[1])) e.data = *d;
    e.programma = ToText(r[2]);
    e.bolla = ToText(r[3]);
    e.produttore = ToText(r[4]);
    if (!IsNull(r[5])) e.producerName = ToText(r[5]);
    list.push_back(std::move(e));
  }
  return list;
}

bool Database::SaveCurrentSelection(const std::string& program, const std::string& producer) {
  // Checked before anything is written.
  DbValue programValue = IntegerFromText(program, "programma");
  DbValue producerValue = IntegerFromText(producer, "produttore");
  return Run([&](DbConnection& c) {
    if (!c.TableExists(table::kSelection)) return false;
    // This machine's row, added when it has none yet.
    c.Execute(
        "INSERT INTO `temporary` (`macchina`, `programma`, `produttore`) VALUES (?, ?, ?) "
        "ON DUPLICATE KEY UPDATE `programma` = VALUES(`programma`), `produttore` = VALUES(`produttore`)",
        {std::int64_t{machine_}, programValue, producerValue});
    return true;
  });
}

bool Database::LoadCurrentSelection(CurrentSelection& selection) {
  auto row = Run([&](DbConnection& c) -> std::optional<DbRow> {
    if (!c.TableExists(table::kSelection)) return std::nullopt;
    return c.QueryFirst("SELECT `programma`, `produttore` FROM `temporary` WHERE `macchina` = ?",
                        {std::int64_t{machine_}});
  });
  if (!row) {
    selection = CurrentSelection{};
    return false;
  }
  selection.program = ToText((*row)[0]);
  selection.producer = ToText((*row)[1]);
  selection.programNumber = ToInteger((*row)[0]);
  return true;
}

bool Database::FillPrintTotals(const PrintTotalsRow& totals) {
  return Run([&](DbConnection& c) {
    if (!c.TableExists(table::kPrintTotals)) return false;
    DbTransaction t(c);
    DbTable table(c, table::kPrintTotals, {});
    c.Execute("DELETE FROM `totali_temp` WHERE `macchina` = ?", {std::int64_t{machine_}});
    DbAssignments values;
    for (int q = 1; q <= kQualities; ++q)
      for (int k = 1; k <= kClasses; ++k)
        values.emplace_back(ClassColumn("tot", k, q), totals.tot[q - 1][k - 1]);
    values.emplace_back("totq5", totals.totq5);
    values.emplace_back(kMachineColumn, std::int64_t{machine_});
    table.Insert(values);
    t.Commit();
    return true;
  });
}

bool Database::LoadPrintTotals(PrintTotalsRow& totals, PrintTotalsFigures& figures) {
  auto row = Run([&](DbConnection& c) -> std::optional<DbRow> {
    if (!c.TableExists(table::kPrintTotals)) return std::nullopt;
    return c.QueryFirst("SELECT " + ColumnList(PrintTotalsColumns()) + " FROM `totali_temp` WHERE `macchina` = ?",
                        {std::int64_t{machine_}});
  });
  if (!row) return false;
  PrintTotalsRow t;
  for (int q = 1; q <= kQualities; ++q)
    for (int c = 1; c <= kClasses; ++c) t.tot[q - 1][c - 1] = row->Int(ClassColumn("tot", c, q));
  t.totq5 = row->Int("totq5");
  totals = t;
  figures = ComputePrintTotalsFigures(t);
  return true;
}

}  // namespace kv7::store
