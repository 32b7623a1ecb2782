#pragma once
// The archive as SQL text: for each table its definition and its rows, which
// the `mariadb` client loads back into an empty database
// (`mariadb NAME < FILE`). Used by `kv7ctl db backup` and by the archive
// resets, which keep a copy of the table before emptying it.
//
// The text depends only on the archive's content: rows are written in a
// fixed order and nothing else (no date, no server name) goes into it, so
// the same archive always gives the same file. Tables are created only when
// missing and rows are plain INSERTs: loading a backup into a live archive
// stops at the first row already there instead of replacing anything.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "store/ConfigurationReport.h"
#include "store/Database.h"
#include "store/DbConnection.h"

namespace kv7::store {

// One value as an SQL literal: NULL, a number, or a quoted text with every
// character the server treats specially escaped.
std::string SqlLiteral(const DbValue& value);

// Every table of the connection's database, by name.
std::vector<std::string> DatabaseTables(DbConnection& connection);

// The dump of `tables` (checked identifiers), read in one consistent
// snapshot unless the caller already holds the tables locked.
std::string DumpTables(DbConnection& connection, const std::vector<std::string>& tables, bool snapshot = true);

// "<table>-YYYYMMDD-HHMMSS.sql" for a copy taken at `when`.
std::string DatedBackupName(const std::string& table, const DbDateTime& when);

// Empties `table` after writing its dump to `backup` (whole, renamed into
// place), in one serializable transaction: every row copied is held until
// the commit and no row can arrive between the copy and the removal (on a
// cluster, a row written meanwhile on another server makes this transaction
// fail instead, with the table untouched). When the file cannot be written
// nothing is removed, the reason goes to `report` and the result is nullopt;
// otherwise the number of rows removed. Database failures throw DbError with
// the table untouched. `also` runs inside the same transaction once the rows
// are gone, so what it writes stands or falls with the removal.
struct InTransaction {
  std::function<void(DbConnection&, std::uint64_t removed)> run;
};
std::optional<std::uint64_t> EmptyTableAfterBackup(Database& db, const std::string& table,
                                                   const std::filesystem::path& backup, const ReportSink& report,
                                                   const InTransaction& also = {});

}  // namespace kv7::store
