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
                          "numeropedane", "lotto", "operatore"})
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

void CreateSchema(DbConnection& connection, const std::string& database) {
  connection.ExecuteSql("CREATE DATABASE IF NOT EXISTS " + QuoteIdentifier(database) +
                        " DEFAULT CHARACTER SET utf8mb4");
  connection.SelectDatabase(database);
  for (const auto& statement : SchemaTableStatements()) connection.ExecuteSql(statement);
}

}  // namespace kv7::store
