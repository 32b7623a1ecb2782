#pragma once
// Values exchanged with the database: every value a statement carries is
// bound as one of these, never pasted into the SQL text.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <variant>
#include <vector>

namespace kv7::store {

struct DbDateTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;

  // "YYYY-MM-DD HH:MM:SS"
  std::string ToString() const;
  // Accepts "YYYY-MM-DD HH:MM:SS" or "YYYY-MM-DD"; nullopt for anything else
  // or an impossible date or time.
  static std::optional<DbDateTime> Parse(std::string_view text);
  // The present local date and time, to the second.
  static DbDateTime LocalNow();
  bool operator==(const DbDateTime&) const = default;
};

// NULL, integer, floating point, text or date-time.
using DbValue = std::variant<std::monostate, std::int64_t, double, std::string, DbDateTime>;

inline bool IsNull(const DbValue& v) {
  return std::holds_alternative<std::monostate>(v);
}
// NULL gives 0, a text its whole-number value or 0, a float its value cut toward zero.
std::int64_t ToInteger(const DbValue& v);
// NULL gives "", numbers their decimal text, date-times "YYYY-MM-DD HH:MM:SS".
std::string ToText(const DbValue& v);

// The column names of one result, shared by its rows.
class DbColumns {
 public:
  explicit DbColumns(std::vector<std::string> names);
  const std::vector<std::string>& Names() const { return names_; }
  // Position of a column; nullopt when the result has no such column.
  std::optional<std::size_t> Find(std::string_view name) const;

 private:
  std::vector<std::string> names_;
  std::unordered_map<std::string, std::size_t> index_;
};

class DbRow {
 public:
  DbRow(std::shared_ptr<const DbColumns> columns, std::vector<DbValue> values)
      : columns_(std::move(columns)), values_(std::move(values)) {}

  const std::vector<std::string>& Columns() const { return columns_->Names(); }
  const std::vector<DbValue>& Values() const { return values_; }
  std::size_t Size() const { return values_.size(); }
  const DbValue& operator[](std::size_t i) const { return values_.at(i); }
  bool Has(std::string_view column) const { return columns_->Find(column).has_value(); }
  // Throws DbError when the row has no such column.
  const DbValue& Get(std::string_view column) const;
  std::int64_t Int(std::string_view column) const { return ToInteger(Get(column)); }
  std::string Text(std::string_view column) const { return ToText(Get(column)); }

 private:
  std::shared_ptr<const DbColumns> columns_;
  std::vector<DbValue> values_;
};

// Column name = value pairs for inserts and updates, in the order given.
using DbAssignments = std::vector<std::pair<std::string, DbValue>>;

}  // namespace kv7::store
