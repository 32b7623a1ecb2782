#include "store/DbSchema.h"

#include <sstream>

namespace kv7::store {

std::string ClassColumn(const char* prefix, int c, int q) {
  return prefix + std::to_string(c) + "q" + std::to_string(q);
}

const std::vector<std::string>& ProgramColumns() {
  static const std::vector<std::string> columns = [] {
    std::vector<std::string> v{"num", "descrizione"};
    for (int q = 1; q <= 4; ++q) {
      for (int k = 1; k <= 16; ++k) v.push_back(ClassColumn("pesocal", k, q));
      for (int c = 1; c <= 15; ++c) v.push_back(ClassColumn("nomecal", c, q));
    }
    v.push_back("codiceprog");
    for (int q = 1; q <= 4; ++q)
      for (int c = 1; c <= 15; ++c) v.push_back(ClassColumn("codicec", c, q));
    v.push_back("codiceq5");
    return v;
  }();
  return columns;
}

const std::vector<std::string>& ProducerColumns() {
  static const std::vector<std::string> columns{"num", "codice", "descrizione"};
  return columns;
}

const std::vector<std::string>& BatchColumns() {
  static const std::vector<std::string> columns = [] {
    std::vector<std::string> v{"num", "data", "programma"};
    for (int q = 1; q <= 4; ++q)
      for (int c = 1; c <= 15; ++c) v.push_back(ClassColumn("tot", c, q));
    for (const char* c : {"bolla", "codicebarre", "produttore", "note", "totpartita", "totq5", "numerocasse",
                          "numeropedane", "lotto", "operatore", kMachineColumn})
      v.push_back(c);
    return v;
  }();
  return columns;
}

const std::vector<std::string>& PrintTotalsColumns() {
  static const std::vector<std::string> columns = [] {
    std::vector<std::string> v;
    for (int q = 1; q <= 4; ++q)
      for (int c = 1; c <= 15; ++c) v.push_back(ClassColumn("tot", c, q));
    v.push_back("totq5");
    return v;
  }();
  return columns;
}

std::vector<std::string> SchemaTableStatements() {
  std::vector<std::string> statements;
  std::istringstream in(SchemaSql());
  std::string line, current;
  while (std::getline(in, line)) {
    if (line.rfind("--", 0) == 0) continue;
    current += line + "\n";
    auto end = line.find_last_not_of(" \t\r");
    if (end != std::string::npos && line[end] == ';') {
      auto start = current.find_first_not_of(" \t\r\n");
      std::string s = current.substr(start);
      current.clear();
      if (s.rfind("CREATE TABLE", 0) == 0) statements.push_back(s);
    }
  }
  return statements;
}

namespace {

bool HasColumn(DbConnection& c, const char* table, const char* column) {
  return c.QueryFirst(
             "SELECT 1 FROM information_schema.COLUMNS WHERE TABLE_SCHEMA = DATABASE() "
             "AND TABLE_NAME = ? AND COLUMN_NAME = ?",
             {std::string(table), std::string(column)})
      .has_value();
}

bool HasPrimaryKey(DbConnection& c, const char* table) {
  return c.QueryFirst(
             "SELECT 1 FROM information_schema.TABLE_CONSTRAINTS WHERE TABLE_SCHEMA = DATABASE() "
             "AND TABLE_NAME = ? AND CONSTRAINT_TYPE = 'PRIMARY KEY'",
             {std::string(table)})
      .has_value();
}

// Adds the machine column with `alteration`; false when it was already there.
// Another console starting at the same moment may add it first: its change
// counts as done.
bool AddMachineColumn(DbConnection& c, const char* table, const std::string& alteration) {
  if (!c.TableExists(table) || HasColumn(c, table, kMachineColumn)) return false;
  try {
    c.ExecuteSql(alteration);
  } catch (const DbError&) {
    if (!HasColumn(c, table, kMachineColumn)) throw;
    return false;
  }
  return true;
}

// A working table keyed by machine. Its rows were everyone's and only the
// first was ever read: IGNORE keeps one row where an older table had more.
bool KeyByMachine(DbConnection& c, const char* table) {
  const std::string name = QuoteIdentifier(table);
  const std::string column = QuoteIdentifier(kMachineColumn);
  const std::string dropKey = c.TableExists(table) && HasPrimaryKey(c, table) ? "DROP PRIMARY KEY, " : "";
  return AddMachineColumn(c, table,
                          "ALTER IGNORE TABLE " + name + " " + dropKey + "ADD COLUMN " + column +
                              " INT NOT NULL DEFAULT 1, ADD PRIMARY KEY (" + column + ")");
}

}  // namespace

std::vector<std::string> UpgradeSchema(DbConnection& connection) {
  std::vector<std::string> changes;
  if (AddMachineColumn(connection, table::kBatches,
                       "ALTER TABLE `bolle` ADD COLUMN " + QuoteIdentifier(kMachineColumn) + " INT NULL"))
    changes.push_back("table bolle: column macchina added (existing batches read as machine 1)");
  for (const char* working : {table::kSelection, table::kPrintTotals})
    if (KeyByMachine(connection, working))
      changes.push_back(std::string("table ") + working + ": keyed by macchina (its row is machine 1's)");
  return changes;
}

std::vector<std::string> CreateSchema(DbConnection& connection, const std::string& database) {
  connection.ExecuteSql("CREATE DATABASE IF NOT EXISTS " + QuoteIdentifier(database) +
                        " DEFAULT CHARACTER SET utf8mb4");
  connection.SelectDatabase(database);
  for (const auto& statement : SchemaTableStatements()) connection.ExecuteSql(statement);
  return UpgradeSchema(connection);
}

}  // namespace kv7::store
