#pragma once
// One connection to the database server and its prepared statements, over
// the MySQL C API. Every value a statement carries is bound as a parameter;
// only identifiers checked by QuoteIdentifier() are ever part of SQL text.
// Failures throw DbError with the library's text.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/DbError.h"
#include "store/DbParams.h"
#include "store/DbServers.h"
#include "store/DbValue.h"

struct st_mysql;
struct st_mysql_stmt;

namespace kv7::store {

// `name` in backquotes, after checking that it is a plain identifier
// (letters, digits, '_'); throws DbError otherwise.
std::string QuoteIdentifier(std::string_view name);

class DbStatement {
 public:
  DbStatement(st_mysql* connection, const std::string& sql);
  ~DbStatement();
  DbStatement(DbStatement&& other) noexcept;
  DbStatement& operator=(DbStatement&& other) noexcept;
  DbStatement(const DbStatement&) = delete;
  DbStatement& operator=(const DbStatement&) = delete;

  // Runs the statement with one value per '?'; returns the number of rows
  // it matched (inserted, updated or deleted).
  std::uint64_t Execute(const std::vector<DbValue>& params = {});
  // Runs a SELECT and returns all its rows.
  std::vector<DbRow> Query(const std::vector<DbValue>& params = {});

 private:
  void Run(const std::vector<DbValue>& params);
  [[noreturn]] void Fail() const;

  st_mysql_stmt* stmt_ = nullptr;
};

class DbConnection {
 public:
  // Connects (time-out from the parameters); throws DbError on failure.
  // When the address lists several servers they are tried in turn from
  // `firstServer` (wrapping around), each with a short time-out, and the
  // first that answers is used; the error is the last one's.
  explicit DbConnection(const DbParams& params, std::size_t firstServer = 0);
  ~DbConnection();
  DbConnection(DbConnection&& other) noexcept;
  DbConnection& operator=(DbConnection&& other) noexcept;
  DbConnection(const DbConnection&) = delete;
  DbConnection& operator=(const DbConnection&) = delete;

  // SQL without any value in it: definitions and transaction control.
  void ExecuteSql(const std::string& sql);

  DbStatement Prepare(const std::string& sql) { return DbStatement(mysql_, sql); }
  std::uint64_t Execute(const std::string& sql, const std::vector<DbValue>& params = {}) {
    return Prepare(sql).Execute(params);
  }
  std::vector<DbRow> Query(const std::string& sql, const std::vector<DbValue>& params = {}) {
    return Prepare(sql).Query(params);
  }
  std::optional<DbRow> QueryFirst(const std::string& sql, const std::vector<DbValue>& params = {});

  // Whether the current database holds a table of that name.
  bool TableExists(const std::string& table);
  // Empty when no database is chosen.
  std::string CurrentDatabase();
  void SelectDatabase(const std::string& name);

  // Whether the server still answers (reconnection is never automatic).
  bool Ping();

  st_mysql* Handle() { return mysql_; }

  // Which of the address's servers answered: its place in the list and
  // "host:port".
  std::size_t ServerIndex() const { return server_; }
  const std::string& AnsweringServer() const { return serverName_; }

 private:
  void Open(const DbParams& params, const DbServer& server, unsigned timeout);
  void JoinIfClusterNode();
  [[noreturn]] void Fail() const;

  st_mysql* mysql_ = nullptr;
  std::size_t server_ = 0;
  std::string serverName_;
};

// START TRANSACTION now; ROLLBACK when destroyed without Commit().
class DbTransaction {
 public:
  explicit DbTransaction(DbConnection& connection);
  ~DbTransaction();
  DbTransaction(const DbTransaction&) = delete;
  DbTransaction& operator=(const DbTransaction&) = delete;
  void Commit();

 private:
  DbConnection& connection_;
  bool open_ = true;
};

}  // namespace kv7::store
