// Stands in for the data pages until they are built: every one answers 503.
#include "web/DataPages.h"

namespace kv7::web {
namespace {
Response NotYet() { return {503, "text/plain; charset=utf-8", "not available", {}}; }
}  // namespace

Response BatchListPage(store::Database&, const Request&) { return NotYet(); }
Response BatchPage(store::Database&, const Request&) { return NotYet(); }
Response StatisticsPage(store::Database&, const Request&) { return NotYet(); }
Response StatementPdf(store::Database&, const Request&) { return NotYet(); }

}  // namespace kv7::web
