#include "prices/PriceArchive.h"

#include "audit/AuditTrail.h"

#include "programs/ProgramCodes.h"
#include "store/DbError.h"
#include "store/DbSchema.h"

namespace kv7::prices {
namespace {

// The price as whole ten-thousandths, read exactly (no floating point).
constexpr const char* kColumns =
    "SELECT `programma`, `valido_dal`, `classe`, `qualita`, CAST(`prezzo` * 10000 AS SIGNED) FROM `kv7_listino` ";

store::DbDateTime DayOf(const store::DbValue& v) {
  if (const auto* d = std::get_if<store::DbDateTime>(&v)) return store::DbDateTime{d->year, d->month, d->day};
  return store::DbDateTime::Parse(store::ToText(v)).value_or(store::DbDateTime{});
}

bool KnownKey(PriceKey k) {
  return k.IsReject() || (k.classe >= 1 && k.classe <= kClasses && k.qualita >= 1 && k.qualita <= kQualities);
}

// Rows in (programma, valido_dal) order into lists, one per program and day.
std::vector<PriceList> ListsOf(const std::vector<store::DbRow>& rows) {
  std::vector<PriceList> lists;
  for (const auto& row : rows) {
    const std::string programma = programs::LookupCode(store::ToText(row[0]));
    const store::DbDateTime day = DayOf(row[1]);
    if (lists.empty() || lists.back().programma != programma || !(lists.back().validFrom == day))
      lists.push_back(PriceList{programma, day, {}});
    const PriceKey key{static_cast<int>(store::ToInteger(row[2])), static_cast<int>(store::ToInteger(row[3]))};
    if (KnownKey(key)) lists.back().prices[key] = store::ToInteger(row[4]);
  }
  return lists;
}

std::string CreateStatement() {
  for (const auto& s : store::SchemaTableStatements())
    if (s.find(std::string("`") + kPriceTable + "`") != std::string::npos) return s;
  throw store::DbError(std::string("no definition of ") + kPriceTable);
}

}  // namespace

PriceBook LoadPriceBook(store::Database& db) {
  PriceBook book;
  if (!db.TableExists(kPriceTable)) return book;
  for (auto& list : ListsOf(db.Connection().Query(std::string(kColumns) + "ORDER BY `programma`, `valido_dal`")))
    book.Add(std::move(list));
  return book;
}

std::vector<store::DbDateTime> ListDays(store::Database& db, const std::string& programma) {
  std::vector<store::DbDateTime> days;
  if (!db.TableExists(kPriceTable)) return days;
  for (const auto& row : db.Connection().Query(
           "SELECT DISTINCT `valido_dal` FROM `kv7_listino` WHERE `programma` = ? ORDER BY `valido_dal`",
           {programs::LookupCode(programma)}))
    days.push_back(DayOf(row[0]));
  return days;
}

std::optional<PriceList> LoadPriceList(store::Database& db, const std::string& programma,
                                       const store::DbDateTime& day) {
  if (!db.TableExists(kPriceTable)) return std::nullopt;
  auto lists = ListsOf(db.Connection().Query(std::string(kColumns) + "WHERE `programma` = ? AND `valido_dal` = ?",
                                             {programs::LookupCode(programma), DayText(day)}));
  if (lists.empty()) return std::nullopt;
  return std::move(lists.front());
}

std::optional<PriceList> LoadListInForce(store::Database& db, const std::string& programma,
                                         const store::DbDateTime& day) {
  if (!db.TableExists(kPriceTable)) return std::nullopt;
  const std::string code = programs::LookupCode(programma);
  auto lists = ListsOf(db.Connection().Query(
      std::string(kColumns) +
          "WHERE `programma` = ? AND `valido_dal` = (SELECT MAX(`valido_dal`) FROM `kv7_listino` "
          "WHERE `programma` = ? AND `valido_dal` <= ?)",
      {code, code, DayText(day)}));
  if (lists.empty()) return std::nullopt;
  return std::move(lists.front());
}

namespace {

// A list's prices as audit fields: "c3q1" = "1.2500", the reject "scarto".
audit::Fields PriceFields(const std::map<PriceKey, Price>& prices) {
  audit::Fields fields;
  for (const auto& [key, price] : prices) {
    std::string name = "scarto";
    if (!key.IsReject()) {
      name = "c";
      name += std::to_string(key.classe);
      name += 'q';
      name += std::to_string(key.qualita);
    }
    fields.emplace_back(std::move(name), PriceText(price));
  }
  return fields;
}

}  // namespace

void SavePriceList(store::Database& db, const PriceList& list, const audit::Actor& who) {
  auto& c = db.Connection();
  c.ExecuteSql(CreateStatement());  // a definition commits: before the transaction
  audit::EnsureAuditTable(c);
  const std::string code = programs::LookupCode(list.programma);
  const std::string day = DayText(list.validFrom);
  store::DbTransaction transaction(c);
  std::map<PriceKey, Price> before;
  for (const auto& row : c.Query("SELECT `classe`, `qualita`, CAST(`prezzo` * 10000 AS SIGNED) FROM `kv7_listino` "
                                 "WHERE `programma` = ? AND `valido_dal` = ? FOR UPDATE",
                                 {code, day}))
    before[{static_cast<int>(store::ToInteger(row[0])), static_cast<int>(store::ToInteger(row[1]))}] =
        store::ToInteger(row[2]);
  c.Execute("DELETE FROM `kv7_listino` WHERE `programma` = ? AND `valido_dal` = ?", {code, day});
  auto insert = c.Prepare(
      "INSERT INTO `kv7_listino` (`programma`, `valido_dal`, `classe`, `qualita`, `prezzo`) VALUES (?, ?, ?, ?, ?)");
  for (const auto& [key, price] : list.prices)
    insert.Execute({code, day, std::int64_t{key.classe}, std::int64_t{key.qualita}, PriceText(price)});
  if (before != list.prices)
    audit::Record(c, who,
                  {before.empty() ? "nuova" : "modifica", "kv7_listino", code + " " + day,
                   before.empty() ? std::nullopt : std::optional(PriceFields(before)), PriceFields(list.prices)});
  transaction.Commit();
}

}  // namespace kv7::prices
