#include "audit/AuditTrail.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "store/DbSchema.h"

namespace kv7::audit {
namespace {

std::optional<std::string> OptionalText(const store::DbValue& v) {
  if (store::IsNull(v)) return std::nullopt;
  return store::ToText(v);
}

store::DbValue JsonOrNull(const std::optional<Fields>& fields) {
  if (!fields) return {};
  return JsonObject(*fields);
}

// The table's definition in the built-in schema.
std::string AuditTableStatement() {
  const std::string head = std::string("CREATE TABLE IF NOT EXISTS `") + kAuditTable + "`";
  for (const auto& statement : store::SchemaTableStatements())
    if (statement.rfind(head, 0) == 0) return statement;
  throw store::DbError(std::string("the built-in schema has no ") + kAuditTable);
}

}  // namespace

std::string OperatingSystemUser() {
  std::string name;
  if (const passwd* pw = getpwuid(geteuid()); pw && pw->pw_name) name = pw->pw_name;
  if (name.empty())
    if (const char* user = std::getenv("USER")) name = user;
  return name.empty() ? std::to_string(geteuid()) : name;
}

Actor ActorOf(int machine, std::string window) {
  return Actor{machine, OperatingSystemUser(), std::move(window)};
}

void EnsureAuditTable(store::DbConnection& connection) {
  // Only a missing table is created, so a user without CREATE can still record.
  if (!connection.TableExists(kAuditTable)) connection.ExecuteSql(AuditTableStatement());
}

void Record(store::DbConnection& connection, const Actor& actor, const Change& change) {
  connection.Execute(std::string("INSERT INTO `") + kAuditTable +
                         "` (`quando`, `macchina`, `utente`, `finestra`, `azione`, `tabella`, `chiave`, `prima`, "
                         "`dopo`) VALUES (NOW(), ?, ?, ?, ?, ?, ?, ?, ?)",
                     {std::int64_t{actor.machine}, actor.user, actor.window, change.action, change.table, change.key,
                      JsonOrNull(change.before), JsonOrNull(change.after)});
}

std::vector<Entry> ListEntries(store::DbConnection& connection, const Filter& filter) {
  std::string sql = std::string("SELECT `id`, `quando`, `macchina`, `utente`, `finestra`, `azione`, `tabella`, "
                                "`chiave`, `prima`, `dopo` FROM `") +
                    kAuditTable + "` WHERE 1 = 1";
  std::vector<store::DbValue> params;
  if (filter.from) sql += " AND `quando` >= ?", params.emplace_back(*filter.from);
  if (filter.to) sql += " AND `quando` < ?", params.emplace_back(*filter.to);
  if (filter.table) sql += " AND `tabella` = ?", params.emplace_back(*filter.table);
  std::vector<Entry> entries;
  for (const auto& row : connection.Query(sql + " ORDER BY `id`", params)) {
    Entry e;
    e.id = store::ToInteger(row[0]);
    if (const auto* when = std::get_if<store::DbDateTime>(&row[1])) e.when = *when;
    e.machine = static_cast<int>(store::ToInteger(row[2]));
    e.user = store::ToText(row[3]);
    e.window = store::ToText(row[4]);
    e.action = store::ToText(row[5]);
    e.table = store::ToText(row[6]);
    e.key = store::ToText(row[7]);
    e.before = OptionalText(row[8]);
    e.after = OptionalText(row[9]);
    entries.push_back(std::move(e));
  }
  return entries;
}

std::string TsvLine(const Entry& e) {
  std::string line = std::to_string(e.id);
  line += '\t' + e.when.ToString() + '\t' + std::to_string(e.machine) + '\t' + e.user + '\t' + e.window + '\t' +
          e.action + '\t' + e.table + '\t' + e.key + '\t' + e.before.value_or("") + '\t' + e.after.value_or("");
  return line;
}

std::optional<store::DbDateTime> LastChange(store::DbConnection& connection, const std::string& table,
                                            const std::string& key, const std::vector<std::string>& actions) {
  if (actions.empty() || !connection.TableExists(kAuditTable)) return std::nullopt;
  std::string sql = std::string("SELECT MAX(`quando`) FROM `") + kAuditTable +
                    "` WHERE `tabella` = ? AND `chiave` = ? AND `azione` IN (?";
  std::vector<store::DbValue> params{table, key, actions.front()};
  for (std::size_t i = 1; i < actions.size(); ++i) sql += ", ?", params.emplace_back(actions[i]);
  const auto row = connection.QueryFirst(sql + ")", params);
  if (!row) return std::nullopt;
  if (const auto* when = std::get_if<store::DbDateTime>(&(*row)[0])) return *when;
  return std::nullopt;
}

}  // namespace kv7::audit
