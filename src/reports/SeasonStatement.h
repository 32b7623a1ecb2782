#pragma once
// The grower's season statement: every batch of one producer in a period,
// with its date, numbers, declared weight, quality shares and value on the
// list in force on its day, then the totals. Plain C++ on the archive;
// database failures throw store::DbError.

#include <string>

#include "prices/PriceList.h"
#include "reports/ReportPages.h"
#include "store/Database.h"

namespace kv7::reports {

// Batches whose producer code is `producer`, dated from the day `from` to
// the day `to`, both whole days included, in date order.
SeasonStatementPage LoadSeasonStatement(store::Database& db, const std::string& producer,
                                        const store::DbDateTime& from, const store::DbDateTime& to);

// The page from rows already read and the lists to value them on.
SeasonStatementPage MakeSeasonStatement(const std::vector<store::BatchRow>& rows, const prices::PriceBook& book);

}  // namespace kv7::reports
