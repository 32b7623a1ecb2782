#pragma once
// Row access to one table in its fixed order: the ordered listing, the
// first row whose column matches (one indexed query that gives the row a
// scan from the first row would stop at), insert, update, delete, empty.
// Table and column names are checked identifiers; values are always bound.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "store/DbConnection.h"

namespace kv7::store {

class DbTable {
 public:
  // `order`: the columns that give the table's row order (e.g. {"num"}).
  DbTable(DbConnection& connection, std::string name, std::vector<std::string> order);

  const std::string& Name() const { return name_; }
  bool Exists();

  // Every row, all columns, in table order.
  std::vector<DbRow> List();
  std::int64_t Count();
  // Highest value of a column; nullopt when the table is empty.
  std::optional<std::int64_t> Max(const std::string& column);

  // The first row in table order whose column equals the value. Texts match
  // only when they are the same text: case and trailing blanks count.
  std::optional<DbRow> FindFirst(const std::string& column, const DbValue& value);

  void Insert(const DbAssignments& values);
  // Changes the first row (in table order) whose column equals the value;
  // returns false when no row matches.
  bool UpdateFirst(const std::string& column, const DbValue& value, const DbAssignments& values);
  // Deletes the first matching row; returns false when there is none.
  bool DeleteFirst(const std::string& column, const DbValue& value);
  // Removes every row (inside the caller's transaction, if any).
  void Empty();

 private:
  // "WHERE ..." for column = value, with the values it needs appended.
  std::string Match(const std::string& column, const DbValue& value, std::vector<DbValue>& params) const;
  std::string OrderBy() const;
  std::string SetList(const DbAssignments& values, std::vector<DbValue>& params) const;

  DbConnection& connection_;
  std::string name_;
  std::string quoted_;
  std::vector<std::string> order_;
};

}  // namespace kv7::store
