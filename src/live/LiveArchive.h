#pragma once
// The `kv7_live` table: one row per machine, replaced by its console and
// read by the office view.

#include <vector>

#include "live/LiveRow.h"
#include "store/Database.h"
#include "store/DbConnection.h"

namespace kv7::live {

// Creates the table when it is missing (only then, so a user without CREATE
// can still write an existing one).
void EnsureLiveTable(store::DbConnection& connection);

// Replaces the row of `row.machine`, dated with the server's clock. Texts
// are cut to their columns. Throws DbError.
void SaveLiveRow(store::DbConnection& connection, const LiveRow& row);

// Every machine's row in machine order, with its age on the server's clock
// and the stored JSON in `data`; none while the table does not exist.
// Throws DbError.
std::vector<LiveRow> LoadLiveRows(store::Database& database);

}  // namespace kv7::live
