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

// Creates `database` (utf8mb4) when missing, makes it the connection's
// current database and creates every missing table. Existing tables and
// rows are left as they are.
void CreateSchema(DbConnection& connection, const std::string& database);

}  // namespace kv7::store
