#pragma once
// The price lists in the archive (`kv7_listino`): one row per program,
// starting day, class and quality; the reject is class 0 of quality 0. A
// missing table holds no list. Database failures throw store::DbError.

#include <optional>
#include <string>
#include <vector>

#include "audit/AuditTrail.h"
#include "prices/PriceList.h"
#include "store/Database.h"

namespace kv7::prices {

inline constexpr const char* kPriceTable = "kv7_listino";

// Every list of every program.
PriceBook LoadPriceBook(store::Database& db);
// The starting days of the lists of one program, earliest first.
std::vector<store::DbDateTime> ListDays(store::Database& db, const std::string& programma);
// The list of one program starting on `day`; nullopt when there is none.
std::optional<PriceList> LoadPriceList(store::Database& db, const std::string& programma,
                                       const store::DbDateTime& day);
// The list in force on `day` for that program; nullopt when none holds.
std::optional<PriceList> LoadListInForce(store::Database& db, const std::string& programma,
                                         const store::DbDateTime& day);

// Writes `list` whole in one transaction: the rows of its program and day
// are replaced by its prices, so the lists of other days (the batches
// before a new day keep theirs) are untouched. Creates the table when the
// archive predates it.
void SavePriceList(store::Database& db, const PriceList& list, const audit::Actor& who);

}  // namespace kv7::prices
