#include "store/ArchiveDump.h"

#include <algorithm>
#include <cstdio>

#include "store/SideFiles.h"

namespace kv7::store {
namespace {

// Rows per INSERT: short enough for any server's packet limit.
constexpr std::size_t kRowsPerInsert = 200;

// A fixed order for rows of one table: column by column, NULL first.
bool RowBefore(const DbRow& a, const DbRow& b) {
  for (std::size_t i = 0; i < a.Size() && i < b.Size(); ++i) {
    const DbValue &x = a[i], &y = b[i];
    if (x.index() != y.index()) return x.index() < y.index();
    if (auto* p = std::get_if<std::int64_t>(&x)) {
      if (*p != std::get<std::int64_t>(y)) return *p < std::get<std::int64_t>(y);
    } else if (auto* d = std::get_if<double>(&x)) {
      if (*d != std::get<double>(y)) return *d < std::get<double>(y);
    } else if (!IsNull(x)) {
      // Texts by their bytes; date-times in their fixed-width text.
      const std::string tx = ToText(x), ty = ToText(y);
      if (tx != ty) return tx < ty;
    }
  }
  return false;
}

std::string Definition(DbConnection& c, const std::string& quoted) {
  const auto row = c.QueryFirst("SHOW CREATE TABLE " + quoted);
  if (!row || row->Size() < 2) throw DbError("no definition for table " + quoted);
  std::string sql = ToText((*row)[1]);
  const std::string plain = "CREATE TABLE ";
  if (sql.compare(0, plain.size(), plain) == 0) sql.insert(plain.size(), "IF NOT EXISTS ");
  return sql + ";\n";
}

std::string Rows(const std::string& quoted, std::vector<DbRow> rows) {
  if (rows.empty()) return {};
  std::sort(rows.begin(), rows.end(), RowBefore);
  std::string head = "INSERT INTO " + quoted + " (";
  const auto& columns = rows.front().Columns();
  for (std::size_t i = 0; i < columns.size(); ++i) {
    if (i) head += ", ";
    head += QuoteIdentifier(columns[i]);
  }
  head += ") VALUES\n";
  std::string out;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    if (r % kRowsPerInsert == 0) out += head;
    out += '(';
    for (std::size_t i = 0; i < rows[r].Size(); ++i) {
      if (i) out += ',';
      out += SqlLiteral(rows[r][i]);
    }
    const bool last = r + 1 == rows.size() || (r + 1) % kRowsPerInsert == 0;
    out += last ? ");\n" : "),\n";
  }
  return out;
}

void Quietly(DbConnection& c, const char* sql) {
  try {
    c.ExecuteSql(sql);
  } catch (const DbError&) {
  }
}

}  // namespace

std::string SqlLiteral(const DbValue& value) {
  if (IsNull(value)) return "NULL";
  if (std::holds_alternative<std::int64_t>(value) || std::holds_alternative<double>(value)) return ToText(value);
  std::string out = "'";
  for (char ch : ToText(value)) {
    switch (ch) {
      case '\0': out += "\\0"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\x1a': out += "\\Z"; break;
      case '\\': out += "\\\\"; break;
      case '\'': out += "\\'"; break;
      case '"': out += "\\\""; break;
      default: out += ch;
    }
  }
  return out + "'";
}

std::vector<std::string> DatabaseTables(DbConnection& connection) {
  std::vector<std::string> names;
  for (const auto& row : connection.Query(
           "SELECT TABLE_NAME FROM information_schema.TABLES WHERE TABLE_SCHEMA = DATABASE() "
           "AND TABLE_TYPE = 'BASE TABLE' ORDER BY TABLE_NAME"))
    names.push_back(ToText(row[0]));
  return names;
}

std::string DumpTables(DbConnection& connection, const std::vector<std::string>& tables, bool snapshot) {
  std::string names;
  for (const auto& t : tables) names += (names.empty() ? "" : ", ") + t;
  std::string out = "-- KV7 archive backup: " + names +
                    ".\n-- Load it into an empty database: mariadb NAME < FILE\n"
                    "SET NAMES utf8mb4;\nSET SESSION sql_mode = 'STRICT_TRANS_TABLES,NO_AUTO_VALUE_ON_ZERO';\n";
  if (snapshot) connection.ExecuteSql("START TRANSACTION WITH CONSISTENT SNAPSHOT");
  try {
    for (const auto& table : tables) {
      const std::string quoted = QuoteIdentifier(table);
      out += '\n';
      out += Definition(connection, quoted);
      out += Rows(quoted, connection.Query("SELECT * FROM " + quoted));
    }
  } catch (const DbError&) {
    if (snapshot) Quietly(connection, "ROLLBACK");
    throw;
  }
  if (snapshot) connection.ExecuteSql("COMMIT");
  return out;
}

std::string DatedBackupName(const std::string& table, const DbDateTime& when) {
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "-%04d%02d%02d-%02d%02d%02d.sql", when.year, when.month, when.day, when.hour,
                when.minute, when.second);
  return table + stamp;
}

std::optional<std::uint64_t> EmptyTableAfterBackup(Database& db, const std::string& table,
                                                   const std::filesystem::path& backup, const ReportSink& report,
                                                   const InTransaction& also) {
  DbConnection& c = db.Connection();
  const std::string quoted = QuoteIdentifier(table);
  // No table lock: a cluster does not share one. Serializable reads lock
  // what they copy, and the range they copy, until the commit.
  try {
    c.ExecuteSql("SET TRANSACTION ISOLATION LEVEL SERIALIZABLE");
    c.ExecuteSql("START TRANSACTION");
    std::optional<std::uint64_t> removed;
    if (ReplaceSideFile(backup, DumpTables(c, {table}, false), report)) {
      removed = c.Execute("DELETE FROM " + quoted);
      if (also.run) also.run(c, *removed);
    }
    c.ExecuteSql("COMMIT");
    return removed;
  } catch (const DbError&) {
    Quietly(c, "ROLLBACK");
    db.Disconnect();  // the next operation starts on a clean connection
    throw;
  }
}

}  // namespace kv7::store
