#include "store/DbTable.h"

namespace kv7::store {

DbTable::DbTable(DbConnection& connection, std::string name, std::vector<std::string> order)
    : connection_(connection),
      name_(std::move(name)),
      quoted_(QuoteIdentifier(name_)),
      order_(std::move(order)) {
  for (const auto& c : order_) QuoteIdentifier(c);
}

bool DbTable::Exists() {
  return connection_.TableExists(name_);
}

std::string DbTable::OrderBy() const {
  if (order_.empty()) return {};
  std::string s = " ORDER BY ";
  for (std::size_t i = 0; i < order_.size(); ++i) s += (i ? ", " : "") + QuoteIdentifier(order_[i]);
  return s;
}

std::string DbTable::Match(const std::string& column, const DbValue& value,
                           std::vector<DbValue>& params) const {
  const std::string c = QuoteIdentifier(column);
  if (IsNull(value)) return " WHERE " + c + " IS NULL";
  params.push_back(value);
  if (!std::holds_alternative<std::string>(value)) return " WHERE " + c + " = ?";
  // The column's collation ignores case and trailing blanks; the index finds
  // the candidates, the byte comparison keeps only the same text.
  params.push_back(value);
  return " WHERE " + c + " = ? AND CAST(" + c + " AS BINARY) = CAST(? AS BINARY)";
}

std::string DbTable::SetList(const DbAssignments& values, std::vector<DbValue>& params) const {
  std::string s;
  for (const auto& [column, value] : values) {
    s += (s.empty() ? "" : ", ") + QuoteIdentifier(column) + " = ?";
    params.push_back(value);
  }
  return s;
}

std::vector<DbRow> DbTable::List() {
  return connection_.Query("SELECT * FROM " + quoted_ + OrderBy());
}

std::int64_t DbTable::Count() {
  auto row = connection_.QueryFirst("SELECT COUNT(*) FROM " + quoted_);
  return row ? ToInteger((*row)[0]) : 0;
}

std::optional<std::int64_t> DbTable::Max(const std::string& column) {
  auto row = connection_.QueryFirst("SELECT MAX(" + QuoteIdentifier(column) + ") FROM " + quoted_);
  if (!row || IsNull((*row)[0])) return std::nullopt;
  return ToInteger((*row)[0]);
}

std::optional<DbRow> DbTable::FindFirst(const std::string& column, const DbValue& value) {
  std::vector<DbValue> params;
  std::string where = Match(column, value, params);
  return connection_.QueryFirst("SELECT * FROM " + quoted_ + where + OrderBy() + " LIMIT 1", params);
}

void DbTable::Insert(const DbAssignments& values) {
  if (values.empty()) throw DbError("nothing to insert into " + name_);
  std::string columns, marks;
  std::vector<DbValue> params;
  for (const auto& [column, value] : values) {
    columns += (columns.empty() ? "" : ", ") + QuoteIdentifier(column);
    marks += marks.empty() ? "?" : ", ?";
    params.push_back(value);
  }
  connection_.Execute("INSERT INTO " + quoted_ + " (" + columns + ") VALUES (" + marks + ")", params);
}

bool DbTable::UpdateFirst(const std::string& column, const DbValue& value, const DbAssignments& values) {
  if (values.empty()) throw DbError("nothing to update in " + name_);
  std::vector<DbValue> params;
  std::string set = SetList(values, params);
  std::string where = Match(column, value, params);
  return connection_.Execute("UPDATE " + quoted_ + " SET " + set + where + OrderBy() + " LIMIT 1", params) >
         0;
}

bool DbTable::DeleteFirst(const std::string& column, const DbValue& value) {
  std::vector<DbValue> params;
  std::string where = Match(column, value, params);
  return connection_.Execute("DELETE FROM " + quoted_ + where + OrderBy() + " LIMIT 1", params) > 0;
}

void DbTable::Empty() {
  connection_.Execute("DELETE FROM " + quoted_);
}

}  // namespace kv7::store
