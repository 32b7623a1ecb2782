#pragma once
// Archive connections for the server's worker threads: a connection serves
// one request at a time and goes back to the pool afterwards, so a page
// never waits for a fresh login to the server.

#include <memory>
#include <mutex>
#include <vector>

#include "store/Database.h"

namespace kv7::web {

class DatabasePool {
 public:
  explicit DatabasePool(store::DbParams params) : params_(std::move(params)) {}

  class Lease {
   public:
    Lease(DatabasePool& pool, std::unique_ptr<store::Database> db) : pool_(pool), db_(std::move(db)) {}
    ~Lease() { pool_.Return(std::move(db_)); }
    Lease(const Lease&) = delete;
    Lease& operator=(const Lease&) = delete;
    store::Database& operator*() { return *db_; }

   private:
    DatabasePool& pool_;
    std::unique_ptr<store::Database> db_;
  };

  Lease Take();

 private:
  void Return(std::unique_ptr<store::Database> db);

  store::DbParams params_;
  std::mutex mutex_;
  std::vector<std::unique_ptr<store::Database>> idle_;
};

}  // namespace kv7::web
