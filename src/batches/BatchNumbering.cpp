#include "batches/BatchNumbering.h"

#include "store/DbError.h"
#include "store/DbSchema.h"

namespace kv7::batches {
namespace {

void Quietly(store::DbConnection& c, const char* sql) noexcept {
  try {
    c.ExecuteSql(sql);
  } catch (const std::exception&) {
  }
}

store::DbTable Batches(store::DbConnection& c) {
  return store::DbTable(c, store::table::kBatches, {"num"});
}

}  // namespace

LockedBatches::LockedBatches(store::Database& db, const std::vector<std::string>& alsoLocked)
    : db_(db), connection_(db.Connection()) {
  std::string tables = store::QuoteIdentifier(store::table::kBatches) + " WRITE";
  for (const auto& t : alsoLocked) tables += ", " + store::QuoteIdentifier(t) + " WRITE";
  // The lock needs autocommit off to stay transactional.
  try {
    connection_.ExecuteSql("SET autocommit = 0");
    connection_.ExecuteSql("LOCK TABLES " + tables);
  } catch (const store::DbError&) {
    Release();
    throw;
  }
}

LockedBatches::~LockedBatches() {
  if (!done_) Release();
}

void LockedBatches::Release() noexcept {
  done_ = true;
  Quietly(connection_, "ROLLBACK");
  Quietly(connection_, "UNLOCK TABLES");
  Quietly(connection_, "SET autocommit = 1");
  db_.Disconnect();
}

std::int64_t LockedBatches::InsertUnderNextNumber(store::BatchRow& row) {
  row.num = Batches(connection_).Max("num").value_or(0) + 1;
  Batches(connection_).Insert(store::Database::BatchAssignments(row));
  return row.num;
}

bool LockedBatches::Load(std::int64_t num, store::BatchRow& row) {
  auto found = Batches(connection_).FindFirst("num", num);
  if (!found) return false;
  row = store::Database::BatchFromRow(*found);
  return true;
}

bool LockedBatches::Update(const store::BatchRow& row) {
  return Batches(connection_).UpdateFirst("num", row.num, store::Database::BatchAssignments(row));
}

bool LockedBatches::Delete(std::int64_t num) {
  return Batches(connection_).DeleteFirst("num", num);
}

void LockedBatches::Commit() {
  connection_.ExecuteSql("COMMIT");
  done_ = true;
  try {
    connection_.ExecuteSql("UNLOCK TABLES");
    connection_.ExecuteSql("SET autocommit = 1");
  } catch (const store::DbError&) {
    db_.Disconnect();  // stored; a connection in doubt is not used again
  }
}

}  // namespace kv7::batches
