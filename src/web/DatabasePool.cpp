#include "web/DatabasePool.h"

namespace kv7::web {

DatabasePool::Lease DatabasePool::Take() {
  std::unique_ptr<store::Database> db;
  {
    std::lock_guard lock(mutex_);
    if (!idle_.empty()) {
      db = std::move(idle_.back());
      idle_.pop_back();
    }
  }
  if (!db) db = std::make_unique<store::Database>(params_);
  return Lease(*this, std::move(db));
}

void DatabasePool::Return(std::unique_ptr<store::Database> db) {
  if (!db) return;
  std::lock_guard lock(mutex_);
  idle_.push_back(std::move(db));
}

}  // namespace kv7::web
