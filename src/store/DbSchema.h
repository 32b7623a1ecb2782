#pragma once
// The archive's tables: their column names in stored order, and the creation
// of whatever is missing (the text of sql/schema.sql, built into the program).

#include <string>
#include <vector>

#include "store/DbConnection.h"

namespace kv7::store {

namespace table {
inline constexpr const char* kPrograms = "programmi";
inline constexpr const char* kProducers = "produttori";
inline constexpr const char* kBatches = "bolle";
inline constexpr const char* kSelection = "temporary";
inline constexpr const char* kPrintTotals = "totali_temp";
}  // namespace table

// The column naming the machine: a batch's in `bolle` (NULL in rows stored
// before machines were told apart, read as machine 1) and the key of the
// working tables, which hold one row per machine.
inline constexpr const char* kMachineColumn = "macchina";

// Class c (1..15) of quality q (1..4): "tot" + c + "q" + q, e.g. tot7q2.
std::string ClassColumn(const char* prefix, int c, int q);

const std::vector<std::string>& ProgramColumns();
const std::vector<std::string>& ProducerColumns();
const std::vector<std::string>& BatchColumns();
const std::vector<std::string>& PrintTotalsColumns();

// The schema file as built into the program.
const std::string& SchemaSql();
// Its table definitions, one statement each (without the database lines).
std::vector<std::string> SchemaTableStatements();

// Brings tables written before the machine number up to date, in place and
// keeping every row: `bolle` gets its `macchina` column at the end, the
// working tables their machine key (their row becomes machine 1's). Missing
// tables are left missing. Running it again changes nothing. Returns one
// line per change made, for the log.
std::vector<std::string> UpgradeSchema(DbConnection& connection);

// Creates `database` (utf8mb4) when missing, makes it the connection's
// current database, creates every missing table and upgrades the older ones
// (UpgradeSchema, whose lines it returns). Rows are kept.
std::vector<std::string> CreateSchema(DbConnection& connection, const std::string& database);

}  // namespace kv7::store
