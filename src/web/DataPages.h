#pragma once
// The office's data pages, independent of HTTP: each reads the archive
// (read-only) and answers one request. Texts a person reads are in the
// request's language; files (CSV, PDF names) are not translated. Every value
// is HTML-escaped and every SQL value bound as a parameter.

#include "store/Database.h"
#include "web/WebTypes.h"

namespace kv7::web {

// /batches: filters from, to (days, both included), producer, program,
// machine; sort (a listed column) and dir (asc, desc); page (from 1, 50
// rows each). format=csv: the whole filtered list as CSV.
Response BatchListPage(store::Database& db, const Request& request);

// /batch?num=N: the ticket's figures, the value where a price list holds,
// and the audit rows of the batch. format=pdf: the console's page as PDF.
Response BatchPage(store::Database& db, const Request& request);

// /statistics: from, to, by (producer, program, machine, week), producer,
// group (the class chart's group). format=csv: the figures table.
Response StatisticsPage(store::Database& db, const Request& request);

// /statement?producer=CODE&from=&to=: the grower's season statement as PDF.
Response StatementPdf(store::Database& db, const Request& request);

}  // namespace kv7::web
