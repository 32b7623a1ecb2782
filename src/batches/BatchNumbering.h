#pragma once
// The one way a batch gets its registration number: inside one transaction
// that holds `bolle` write-locked, the batch takes the highest `num` + 1 and
// is inserted. The lock is what keeps two writers (the console's editor, the
// journal's replay in the console or in kv7ctl) from giving one number twice
// or writing over a row another one has just stored. Plain C++; database
// failures throw store::DbError.

#include <cstdint>
#include <string>
#include <vector>

#include "store/Database.h"

namespace kv7::batches {

class LockedBatches {
 public:
  // Starts the transaction and locks `bolle` and `alsoLocked` for writing.
  LockedBatches(store::Database& db, const std::vector<std::string>& alsoLocked = {});
  // Without Commit: rolled back, unlocked, and the connection dropped so that
  // the next attempt starts clean.
  ~LockedBatches();
  LockedBatches(const LockedBatches&) = delete;
  LockedBatches& operator=(const LockedBatches&) = delete;

  store::DbConnection& Connection() { return connection_; }
  // row.num = highest + 1, then the row inserted; returns the number.
  std::int64_t InsertUnderNextNumber(store::BatchRow& row);
  // Batch `num` as stored now; false when there is none.
  bool Load(std::int64_t num, store::BatchRow& row);
  // Writes row.num over the stored row; false when there is none.
  bool Update(const store::BatchRow& row);
  // Deletes batch `num`; false when there is none.
  bool Delete(std::int64_t num);
  void Commit();

 private:
  void Release() noexcept;

  store::Database& db_;
  store::DbConnection& connection_;
  bool done_ = false;
};

}  // namespace kv7::batches
