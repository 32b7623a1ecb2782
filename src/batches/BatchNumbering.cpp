#include "batches/BatchNumbering.h"

#include <algorithm>
#include <chrono>
#include <random>
#include <thread>

#include "store/DbError.h"
#include "store/DbSchema.h"
#include "store/DbServers.h"

namespace kv7::batches {
namespace {

constexpr unsigned kDuplicateKey = 1062;
constexpr unsigned kLockWaitTimeout = 1205;
constexpr unsigned kDeadlock = 1213;  // also a cluster's lost certification

void CreateIdentityTable(store::DbConnection& c) {
  // Checked first: on a cluster even a CREATE that finds the table would
  // stop every node for a moment.
  if (c.TableExists(kJournalTable)) return;
  c.ExecuteSql(std::string("CREATE TABLE IF NOT EXISTS ") + store::QuoteIdentifier(kJournalTable) +
               " (`id` VARCHAR(40) NOT NULL PRIMARY KEY, `num` INTEGER NOT NULL, `applied` DATETIME NOT NULL)"
               " ENGINE=InnoDB DEFAULT CHARSET=utf8mb4");
}

void RollBack(store::Database& db) noexcept {
  try {
    db.Connection().ExecuteSql("ROLLBACK");
  } catch (const std::exception&) {
    db.Disconnect();  // a connection in doubt is not used again
  }
}

// A pause before the next try, random so that the writers that met do not
// meet again, longer after each conflict.
void PauseAfterConflict(int attempt) {
  thread_local std::mt19937 random(std::random_device{}());
  const int ceilingMs = std::min(5 << attempt, 250);
  std::uniform_int_distribution<int> pick(1, ceilingMs);
  std::this_thread::sleep_for(std::chrono::milliseconds(pick(random)));
}

// Runs `work` in one transaction until it commits. A conflict is tried again
// after a pause, at most kNumberingAttempts times in all. A connection that
// broke on the way is tried again through each other server of the address
// once (a server that hangs costs a whole time-out each time; with a single
// server the journal's later replays try again). Anything else is rolled
// back and thrown. `before` runs first, outside the transaction (a table
// definition would end it).
template <typename Work>
auto InOneTransaction(store::Database& db, Work&& work, void (*before)(store::DbConnection&) = nullptr)
    -> decltype(work(db.Connection())) {
  std::size_t otherServers = store::ServersOf(db.Params().host, db.Params().port).size() - 1;
  for (int attempt = 1;; ++attempt) {
    store::DbConnection& c = db.Connection();  // throws when no server answers
    try {
      if (before) before(c);
      c.ExecuteSql("START TRANSACTION");
      auto result = work(c);
      c.ExecuteSql("COMMIT");
      return result;
    } catch (const store::DbError& e) {
      if (e.IsConnectionError()) {
        db.ServerLost();
        if (otherServers-- > 0) continue;
        throw;
      }
      RollBack(db);
      if (!IsWriteConflict(e) || attempt >= kNumberingAttempts) throw;
      PauseAfterConflict(attempt);
    }
  }
}

std::string BatchColumnList() {
  std::string list;
  for (const auto& c : store::BatchColumns()) list += (list.empty() ? "" : ", ") + store::QuoteIdentifier(c);
  return list;
}

}  // namespace

std::string NewBatchIdentity() {
  std::random_device rd;  // the kernel's generator
  std::string id;
  static constexpr char hex[] = "0123456789abcdef";
  for (int i = 0; i < 4; ++i) {
    const auto v = rd();
    for (int k = 0; k < 8; ++k) id += hex[(v >> (4 * k)) & 0xf];
  }
  return id;
}

bool IsWriteConflict(const store::DbError& error) {
  const unsigned code = error.Code();
  return code == kDuplicateKey || code == kLockWaitTimeout || code == kDeadlock ||
         error.SqlState() == "40001";  // the standard's serialization failure
}

StoredBatch StoreOnce(store::Database& db, store::BatchRow& row, const std::string& identity,
                      const AlsoInTransaction& also) {
  const std::string journal = store::QuoteIdentifier(kJournalTable);
  const auto stored = InOneTransaction(
      db,
      [&](store::DbConnection& c) {
        StoredBatch s;
        if (auto done = c.QueryFirst("SELECT `num` FROM " + journal + " WHERE `id` = ?", {identity})) {
          s.num = store::ToInteger((*done)[0]);
          s.earlier = true;
          return s;
        }
        // The highest row locked: a second writer on this server waits here and
        // then reads the number this one inserts.
        auto top = c.QueryFirst("SELECT `num` FROM `bolle` ORDER BY `num` DESC LIMIT 1 FOR UPDATE");
        store::BatchRow numbered = row;
        numbered.num = (top ? store::ToInteger((*top)[0]) : 0) + 1;
        store::DbTable(c, store::table::kBatches, {"num"})
            .Insert(store::Database::BatchAssignments(numbered));
        c.Execute("INSERT INTO " + journal + " (`id`, `num`, `applied`) VALUES (?, ?, NOW())",
                  {identity, numbered.num});
        if (also) also(c, numbered);
        s.num = numbered.num;
        return s;
      },
      CreateIdentityTable);
  row.num = stored.num;
  return stored;
}

EditOutcome UpdateIfUnchanged(store::Database& db, const store::BatchRow& loaded, const store::BatchRow& row,
                              const AlsoInTransaction& also) {
  const std::string read = "SELECT " + BatchColumnList() + " FROM `bolle` WHERE `num` = ? FOR UPDATE";
  return InOneTransaction(db, [&](store::DbConnection& c) {
    auto now = c.QueryFirst(read, {row.num});
    if (!now) return EditOutcome::Deleted;
    if (store::Database::BatchFromRow(*now) != loaded) return EditOutcome::Changed;
    store::DbTable(c, store::table::kBatches, {"num"})
        .UpdateFirst("num", row.num, store::Database::BatchAssignments(row));
    if (also) also(c, row);
    return EditOutcome::Saved;
  });
}

std::optional<store::BatchRow> DeleteStored(store::Database& db, std::int64_t num, const AlsoInTransaction& also) {
  const std::string read = "SELECT " + BatchColumnList() + " FROM `bolle` WHERE `num` = ? FOR UPDATE";
  return InOneTransaction(db, [&](store::DbConnection& c) -> std::optional<store::BatchRow> {
    auto now = c.QueryFirst(read, {num});
    if (!now) return std::nullopt;
    const store::BatchRow row = store::Database::BatchFromRow(*now);
    store::DbTable(c, store::table::kBatches, {"num"}).DeleteFirst("num", num);
    if (also) also(c, row);
    return row;
  });
}

}  // namespace kv7::batches
