#pragma once
// The one way a batch gets its registration number, on one server as on a
// cluster of servers that all take writes. One transaction reads the highest
// `num` (locking it on this server), inserts the batch under the next
// number and records the batch's identity in `kv7_journal`, then commits.
// Two writers that picked the same number meet on `bolle`'s primary key:
// the server says duplicate key, deadlock or, on a cluster, that the
// transaction lost certification (reported as a deadlock). The loser tries
// again with a fresh number, a bounded number of times. The identity makes a
// retry after a commit whose answer was lost harmless: the batch is found
// stored and is not inserted twice. Plain C++; database failures throw
// store::DbError.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "store/Database.h"

namespace kv7::batches {

// The identities of stored batches.
inline constexpr const char* kJournalTable = "kv7_journal";

// A fresh identity for a batch: 32 hex digits from the kernel's generator.
std::string NewBatchIdentity();

// Whether the failure is another writer getting there first (duplicate key,
// deadlock, lock wait time-out, lost certification): the same work done
// again from the start may succeed.
bool IsWriteConflict(const store::DbError& error);

// How many times a transaction is tried before its conflict is reported.
inline constexpr int kNumberingAttempts = 10;

struct StoredBatch {
  std::int64_t num = 0;
  // The identity was already recorded: `num` is the number it got then.
  bool earlier = false;
};

// Work done in the same transaction as a batch's change, with the row as
// written (or, for a delete, as it was): the change's audit row.
using AlsoInTransaction = std::function<void(store::DbConnection&, const store::BatchRow&)>;

// Stores `row` under the next number unless `identity` is already stored.
// Conflicts are tried again; so is a connection lost on the way, through the
// next server of the address. `row.num` gets the batch's number. `also` runs
// only when the row is inserted.
StoredBatch StoreOnce(store::Database& db, store::BatchRow& row, const std::string& identity,
                      const AlsoInTransaction& also = {});

enum class EditOutcome { Saved, Deleted, Changed };

// Writes `row` over batch row.num only while the stored row is still exactly
// `loaded`; conflicts are tried again like StoreOnce.
EditOutcome UpdateIfUnchanged(store::Database& db, const store::BatchRow& loaded, const store::BatchRow& row,
                              const AlsoInTransaction& also = {});

// Deletes batch `num`; the row as it was, nullopt when there was none.
std::optional<store::BatchRow> DeleteStored(store::Database& db, std::int64_t num, const AlsoInTransaction& also = {});

}  // namespace kv7::batches
