#pragma once
// The data pages: batch list, batch, statistics and the producer's season
// statement, as handlers independent of HTTP. They read the archive only.

#include "store/Database.h"
#include "web/WebTypes.h"

namespace kv7::web {

// HTML; `?format=csv` gives CSV.
Response BatchListPage(store::Database& db, const Request& request);
// `/batch?num=N`; `&format=pdf` gives the PDF.
Response BatchPage(store::Database& db, const Request& request);
// `&format=csv` gives CSV.
Response StatisticsPage(store::Database& db, const Request& request);
// `/statement?producer=CODE&from=&to=`.
Response StatementPdf(store::Database& db, const Request& request);

}  // namespace kv7::web
