#include "live/LiveArchive.h"

#include "batches/ReaderText.h"
#include "live/LiveJson.h"
#include "store/DbError.h"
#include "store/DbSchema.h"

namespace kv7::live {
namespace {

constexpr const char* kUpsertSql =
    "INSERT INTO `kv7_live` (`machine`, `aggiornato`, `stato`, `programma`, `programma_nome`, `bolla`, "
    "`produttore`, `tazze_min`, `produzione`, `in_attesa`, `dati`) VALUES (?, NOW(3), ?, ?, ?, ?, ?, ?, ?, ?, ?) "
    "ON DUPLICATE KEY UPDATE `aggiornato` = VALUES(`aggiornato`), `stato` = VALUES(`stato`), "
    "`programma` = VALUES(`programma`), `programma_nome` = VALUES(`programma_nome`), `bolla` = VALUES(`bolla`), "
    "`produttore` = VALUES(`produttore`), `tazze_min` = VALUES(`tazze_min`), `produzione` = VALUES(`produzione`), "
    "`in_attesa` = VALUES(`in_attesa`), `dati` = VALUES(`dati`)";

// The server's own clock for both the time and the age, so consoles and the
// office need not agree on the time.
constexpr const char* kSelectSql =
    "SELECT `machine`, DATE_FORMAT(`aggiornato`, '%Y-%m-%d %H:%i:%s.%f') AS `quando`, "
    "TIMESTAMPDIFF(MICROSECOND, `aggiornato`, NOW(3)) AS `eta`, `stato`, `programma`, `programma_nome`, `bolla`, "
    "`produttore`, `tazze_min`, `produzione`, `in_attesa`, IF(JSON_VALID(`dati`), `dati`, NULL) AS `dati` "
    "FROM `kv7_live` ORDER BY `machine`";

std::string TableStatement() {
  const std::string head = std::string("CREATE TABLE IF NOT EXISTS `") + kLiveTable + "`";
  for (const auto& statement : store::SchemaTableStatements())
    if (statement.rfind(head, 0) == 0) return statement;
  throw store::DbError(std::string("the built-in schema has no ") + kLiveTable);
}

// Valid UTF-8 of at most `characters` characters; empty stays NULL.
store::DbValue Column(const std::string& text, std::size_t characters) {
  if (text.empty()) return {};
  const std::string utf8 = batches::Utf8OrLatin1(text);
  std::size_t count = 0;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto byte = static_cast<unsigned char>(utf8[i]);
    if ((byte & 0xC0) != 0x80 && count++ == characters) return utf8.substr(0, i);
  }
  return utf8;
}

template <typename T>
store::DbValue OrNull(const std::optional<T>& n) {
  if (!n) return {};
  return static_cast<std::int64_t>(*n);
}

std::optional<std::int64_t> IntOrNone(const store::DbRow& row, const char* column) {
  if (store::IsNull(row.Get(column))) return std::nullopt;
  return row.Int(column);
}

LiveRow RowFrom(const store::DbRow& r) {
  LiveRow row;
  row.machine = static_cast<int>(r.Int("machine"));
  row.updated = r.Text("quando").substr(0, 23);  // milliseconds, as stored
  row.ageSeconds = static_cast<double>(r.Int("eta")) / 1e6;
  row.state = r.Text("stato");
  row.program = r.Text("programma");
  row.programName = r.Text("programma_nome");
  row.batch = r.Text("bolla");
  row.producer = r.Text("produttore");
  if (const auto cups = IntOrNone(r, "tazze_min")) row.cupsPerMinute = static_cast<int>(*cups);
  row.productionKgPerHour = IntOrNone(r, "produzione");
  row.waitingBatches = static_cast<int>(r.Int("in_attesa"));
  row.data = r.Text("dati");
  return row;
}

}  // namespace

void EnsureLiveTable(store::DbConnection& connection) {
  if (!connection.TableExists(kLiveTable)) connection.ExecuteSql(TableStatement());
}

void SaveLiveRow(store::DbConnection& connection, const LiveRow& row) {
  connection.Execute(kUpsertSql, {std::int64_t{row.machine}, Column(row.state, 40), Column(row.program, 3),
                                  Column(row.programName, 60), Column(row.batch, 20), Column(row.producer, 60),
                                  OrNull(row.cupsPerMinute), OrNull(row.productionKgPerHour),
                                  std::int64_t{row.waitingBatches}, DataJson(row)});
}

std::vector<LiveRow> LoadLiveRows(store::Database& database) {
  std::vector<LiveRow> rows;
  if (!database.TableExists(kLiveTable)) return rows;
  try {
    for (const auto& r : database.Connection().Query(kSelectSql)) rows.push_back(RowFrom(r));
  } catch (const store::DbError& e) {
    // A reader that polls must connect afresh next time, as every archive operation does.
    if (e.IsConnectionError()) database.ServerLost();
    throw;
  }
  return rows;
}

}  // namespace kv7::live
