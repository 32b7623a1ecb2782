#include "store/DbConnection.h"

#include <mysql.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <optional>

#include "store/DbServers.h"

namespace kv7::store {
namespace {

// The session refuses values that do not fit a column (too long, out of
// range, not a number) instead of cutting them to fit.
constexpr const char* kSessionMode =
    "SET SESSION sql_mode = 'STRICT_ALL_TABLES,ERROR_FOR_DIVISION_BY_ZERO,"
    "NO_ZERO_IN_DATE,NO_ZERO_DATE,NO_ENGINE_SUBSTITUTION'";

// Connect time-out for each server when the address lists several.
constexpr unsigned kListedServerTimeout = 5;

void InitLibrary() {
  static std::once_flag once;
  std::call_once(once, [] {
    mysql_library_init(0, nullptr, nullptr);
    std::atexit([] { mysql_library_end(); });
  });
}

enum class Kind { Integer, Double, DateTime, Text };

Kind KindOf(const MYSQL_FIELD& f) {
  switch (f.type) {
    case MYSQL_TYPE_TINY:
    case MYSQL_TYPE_SHORT:
    case MYSQL_TYPE_LONG:
    case MYSQL_TYPE_INT24:
    case MYSQL_TYPE_LONGLONG:
    case MYSQL_TYPE_YEAR:
      return Kind::Integer;
    case MYSQL_TYPE_FLOAT:
    case MYSQL_TYPE_DOUBLE:
      return Kind::Double;
    case MYSQL_TYPE_DATE:
    case MYSQL_TYPE_DATETIME:
    case MYSQL_TYPE_TIMESTAMP:
      return Kind::DateTime;
    default:
      return Kind::Text;
  }
}

}  // namespace

std::string QuoteIdentifier(std::string_view name) {
  if (name.empty() || name.size() > 64) throw DbError("invalid name '" + std::string(name) + "'");
  for (char c : name) {
    bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
    if (!ok) throw DbError("invalid name '" + std::string(name) + "'");
  }
  // Appended rather than "`" + name + "`": GCC 12 reports a false -Wrestrict
  // overlap inside that concatenation at -O3.
  std::string quoted;
  quoted.reserve(name.size() + 2);
  quoted += '`';
  quoted += name;
  quoted += '`';
  return quoted;
}

// ---------------------------------------------------------------- statement

DbStatement::DbStatement(st_mysql* connection, const std::string& sql) {
  stmt_ = mysql_stmt_init(connection);
  if (!stmt_) throw DbError(mysql_error(connection), mysql_errno(connection), mysql_sqlstate(connection));
  if (mysql_stmt_prepare(stmt_, sql.data(), sql.size()) != 0) {
    DbError e(mysql_stmt_error(stmt_), mysql_stmt_errno(stmt_), mysql_stmt_sqlstate(stmt_));
    mysql_stmt_close(stmt_);
    stmt_ = nullptr;
    throw e;
  }
}

DbStatement::~DbStatement() {
  if (stmt_) mysql_stmt_close(stmt_);
}

DbStatement::DbStatement(DbStatement&& other) noexcept : stmt_(other.stmt_) {
  other.stmt_ = nullptr;
}

DbStatement& DbStatement::operator=(DbStatement&& other) noexcept {
  if (this != &other) {
    if (stmt_) mysql_stmt_close(stmt_);
    stmt_ = other.stmt_;
    other.stmt_ = nullptr;
  }
  return *this;
}

void DbStatement::Fail() const {
  throw DbError(mysql_stmt_error(stmt_), mysql_stmt_errno(stmt_), mysql_stmt_sqlstate(stmt_));
}

void DbStatement::Run(const std::vector<DbValue>& params) {
  if (!stmt_) throw DbError("statement used after being moved from");
  const unsigned long expected = mysql_stmt_param_count(stmt_);
  if (params.size() != expected)
    throw DbError("statement expects " + std::to_string(expected) + " values, got " +
                  std::to_string(params.size()));
  // The bound buffers must stay alive until the statement has run.
  std::vector<MYSQL_BIND> binds(params.size());  // value-initialised: all zero
  std::vector<MYSQL_TIME> times(params.size());
  std::vector<unsigned long> lengths(params.size());
  for (std::size_t i = 0; i < params.size(); ++i) {
    MYSQL_BIND& b = binds[i];
    const DbValue& v = params[i];
    if (auto n = std::get_if<std::int64_t>(&v)) {
      b.buffer_type = MYSQL_TYPE_LONGLONG;
      b.buffer = const_cast<std::int64_t*>(n);
    } else if (auto d = std::get_if<double>(&v)) {
      b.buffer_type = MYSQL_TYPE_DOUBLE;
      b.buffer = const_cast<double*>(d);
    } else if (auto s = std::get_if<std::string>(&v)) {
      b.buffer_type = MYSQL_TYPE_STRING;
      b.buffer = const_cast<char*>(s->data());
      b.buffer_length = lengths[i] = s->size();
      b.length = &lengths[i];
    } else if (auto t = std::get_if<DbDateTime>(&v)) {
      MYSQL_TIME& mt = times[i];
      mt.year = t->year;
      mt.month = t->month;
      mt.day = t->day;
      mt.hour = t->hour;
      mt.minute = t->minute;
      mt.second = t->second;
      mt.time_type = MYSQL_TIMESTAMP_DATETIME;
      b.buffer_type = MYSQL_TYPE_DATETIME;
      b.buffer = &mt;
    } else {
      b.buffer_type = MYSQL_TYPE_NULL;
    }
  }
  if (!binds.empty() && mysql_stmt_bind_param(stmt_, binds.data()) != 0) Fail();
  if (mysql_stmt_execute(stmt_) != 0) Fail();
}

std::uint64_t DbStatement::Execute(const std::vector<DbValue>& params) {
  Run(params);
  std::uint64_t affected = mysql_stmt_affected_rows(stmt_);
  mysql_stmt_free_result(stmt_);
  return affected == static_cast<std::uint64_t>(-1) ? 0 : affected;
}

std::vector<DbRow> DbStatement::Query(const std::vector<DbValue>& params) {
  Run(params);
  std::unique_ptr<MYSQL_RES, decltype(&mysql_free_result)> meta(mysql_stmt_result_metadata(stmt_),
                                                                &mysql_free_result);
  if (!meta) {
    if (mysql_stmt_errno(stmt_) != 0) Fail();
    return {};
  }
  // All rows come to the client at once, so the connection is free for the
  // next statement while the caller walks them.
  if (mysql_stmt_store_result(stmt_) != 0) Fail();

  const unsigned n = mysql_num_fields(meta.get());
  const MYSQL_FIELD* fields = mysql_fetch_fields(meta.get());
  std::vector<std::string> names;
  std::vector<Kind> kinds;
  for (unsigned i = 0; i < n; ++i) {
    names.emplace_back(fields[i].name, fields[i].name_length);
    kinds.push_back(KindOf(fields[i]));
  }
  auto columns = std::make_shared<const DbColumns>(std::move(names));

  constexpr unsigned long kTextBuffer = 256;  // longer texts are fetched again in full
  std::vector<MYSQL_BIND> binds(n);
  std::vector<std::int64_t> ints(n);
  std::vector<double> doubles(n);
  std::vector<MYSQL_TIME> times(n);
  std::vector<std::vector<char>> texts(n);
  std::vector<unsigned long> lengths(n);
  std::vector<my_bool> nulls(n), errors(n);
  for (unsigned i = 0; i < n; ++i) {
    MYSQL_BIND& b = binds[i];
    b.is_null = &nulls[i];
    b.error = &errors[i];
    b.length = &lengths[i];
    switch (kinds[i]) {
      case Kind::Integer:
        b.buffer_type = MYSQL_TYPE_LONGLONG;
        b.buffer = &ints[i];
        break;
      case Kind::Double:
        b.buffer_type = MYSQL_TYPE_DOUBLE;
        b.buffer = &doubles[i];
        break;
      case Kind::DateTime:
        b.buffer_type = MYSQL_TYPE_DATETIME;
        b.buffer = &times[i];
        break;
      case Kind::Text:
        texts[i].resize(kTextBuffer);
        b.buffer_type = MYSQL_TYPE_STRING;
        b.buffer = texts[i].data();
        b.buffer_length = kTextBuffer;
        break;
    }
  }
  if (n > 0 && mysql_stmt_bind_result(stmt_, binds.data()) != 0) Fail();

  std::vector<DbRow> rows;
  rows.reserve(mysql_stmt_num_rows(stmt_));
  for (;;) {
    int rc = mysql_stmt_fetch(stmt_);
    if (rc == MYSQL_NO_DATA) break;
    if (rc == 1) Fail();
    std::vector<DbValue> values(n);
    for (unsigned i = 0; i < n; ++i) {
      if (nulls[i]) continue;
      switch (kinds[i]) {
        case Kind::Integer:
          values[i] = ints[i];
          break;
        case Kind::Double:
          values[i] = doubles[i];
          break;
        case Kind::DateTime: {
          const MYSQL_TIME& t = times[i];
          values[i] =
              DbDateTime{static_cast<int>(t.year), static_cast<int>(t.month),  static_cast<int>(t.day),
                         static_cast<int>(t.hour), static_cast<int>(t.minute), static_cast<int>(t.second)};
          break;
        }
        case Kind::Text:
          if (lengths[i] <= kTextBuffer) {
            values[i] = std::string(texts[i].data(), lengths[i]);
          } else {
            std::string full(lengths[i], '\0');
            MYSQL_BIND one;
            std::memset(&one, 0, sizeof one);
            unsigned long got = 0;
            one.buffer_type = MYSQL_TYPE_STRING;
            one.buffer = full.data();
            one.buffer_length = full.size();
            one.length = &got;
            if (mysql_stmt_fetch_column(stmt_, &one, i, 0) != 0) Fail();
            values[i] = std::move(full);
          }
          break;
      }
    }
    rows.emplace_back(columns, std::move(values));
  }
  mysql_stmt_free_result(stmt_);
  return rows;
}

// --------------------------------------------------------------- connection

DbConnection::DbConnection(const DbParams& params, std::size_t firstServer) {
  if (!params.refused.empty()) throw DbError(params.refused);
  const auto servers = ServersOf(params.host, params.port);
  // With several servers a dead one must not hold the others back for the
  // whole time-out.
  const unsigned timeout =
      servers.size() > 1 ? std::min(params.timeoutSeconds, kListedServerTimeout) : params.timeoutSeconds;
  std::optional<DbError> failure;
  for (std::size_t k = 0; k < servers.size(); ++k) {
    const std::size_t i = (firstServer + k) % servers.size();
    try {
      Open(params, servers[i], timeout);
      server_ = i;
      serverName_ = ServerName(servers[i]);
      return;
    } catch (const DbError& e) {
      failure = e;
    }
  }
  throw *failure;
}

void DbConnection::Open(const DbParams& params, const DbServer& server, unsigned timeout) {
  InitLibrary();
  mysql_ = mysql_init(nullptr);
  if (!mysql_) throw DbError("MySQL client: out of memory");
  mysql_options(mysql_, MYSQL_OPT_CONNECT_TIMEOUT, &timeout);
  unsigned io = params.ioTimeoutSeconds;
  mysql_options(mysql_, MYSQL_OPT_READ_TIMEOUT, &io);
  mysql_options(mysql_, MYSQL_OPT_WRITE_TIMEOUT, &io);
  mysql_options(mysql_, MYSQL_SET_CHARSET_NAME, "utf8mb4");
  const char* db = params.database.empty() ? nullptr : params.database.c_str();
  const char* socket = params.socket.empty() ? nullptr : params.socket.c_str();
  // CLIENT_FOUND_ROWS: an update reports the rows it matched, also those
  // whose values did not change.
  if (!mysql_real_connect(mysql_, server.host.c_str(), params.user.c_str(), params.password.c_str(), db,
                          server.port, socket, CLIENT_FOUND_ROWS)) {
    DbError e(mysql_error(mysql_), mysql_errno(mysql_), mysql_sqlstate(mysql_));
    mysql_close(mysql_);
    mysql_ = nullptr;
    throw e;
  }
  try {
    ExecuteSql(kSessionMode);
    JoinIfClusterNode();
  } catch (...) {
    mysql_close(mysql_);
    mysql_ = nullptr;
    throw;
  }
}

// A cluster node outside the cluster's majority (cut off, or still catching
// up after a restart) answers but refuses the work: it counts as a server
// that does not answer. On a node that takes part, every read first waits
// until the node has applied what the cluster committed before it, so a
// batch stored through another node is seen here.
void DbConnection::JoinIfClusterNode() {
  auto on = QueryFirst("SHOW GLOBAL VARIABLES LIKE 'wsrep_on'");
  if (!on || ToText((*on)[1]) != "ON") return;
  auto ready = QueryFirst("SHOW GLOBAL STATUS LIKE 'wsrep_ready'");
  if (!ready || ToText((*ready)[1]) != "ON")
    throw DbError("cluster node not ready for use", kNodeNotReady, "08S01");
  ExecuteSql("SET SESSION wsrep_sync_wait = 1");
}

DbConnection::~DbConnection() {
  if (mysql_) mysql_close(mysql_);
}

DbConnection::DbConnection(DbConnection&& other) noexcept
    : mysql_(other.mysql_), server_(other.server_), serverName_(std::move(other.serverName_)) {
  other.mysql_ = nullptr;
}

DbConnection& DbConnection::operator=(DbConnection&& other) noexcept {
  if (this != &other) {
    if (mysql_) mysql_close(mysql_);
    mysql_ = other.mysql_;
    other.mysql_ = nullptr;
    server_ = other.server_;
    serverName_ = std::move(other.serverName_);
  }
  return *this;
}

void DbConnection::Fail() const {
  throw DbError(mysql_error(mysql_), mysql_errno(mysql_), mysql_sqlstate(mysql_));
}

void DbConnection::ExecuteSql(const std::string& sql) {
  if (mysql_real_query(mysql_, sql.data(), sql.size()) != 0) Fail();
  // Discard whatever result the statement gave.
  do {
    if (MYSQL_RES* r = mysql_store_result(mysql_))
      mysql_free_result(r);
    else if (mysql_field_count(mysql_) != 0)
      Fail();
  } while (mysql_next_result(mysql_) == 0);
  if (mysql_errno(mysql_) != 0) Fail();
}

std::optional<DbRow> DbConnection::QueryFirst(const std::string& sql, const std::vector<DbValue>& params) {
  auto rows = Query(sql, params);
  if (rows.empty()) return std::nullopt;
  return std::move(rows.front());
}

bool DbConnection::TableExists(const std::string& table) {
  return QueryFirst(
             "SELECT 1 FROM information_schema.TABLES WHERE TABLE_SCHEMA = DATABASE() AND TABLE_NAME = ?",
             {table})
      .has_value();
}

std::string DbConnection::CurrentDatabase() {
  auto row = QueryFirst("SELECT DATABASE()");
  return row ? ToText((*row)[0]) : std::string();
}

void DbConnection::SelectDatabase(const std::string& name) {
  if (mysql_select_db(mysql_, name.c_str()) != 0) Fail();
}

bool DbConnection::Ping() {
  return mysql_ping(mysql_) == 0;
}

// -------------------------------------------------------------- transaction

DbTransaction::DbTransaction(DbConnection& connection) : connection_(connection) {
  connection_.ExecuteSql("START TRANSACTION");
}

DbTransaction::~DbTransaction() {
  if (!open_) return;
  try {
    connection_.ExecuteSql("ROLLBACK");
  } catch (const DbError&) {
    // The connection is gone; the server rolls back by itself.
  }
}

void DbTransaction::Commit() {
  connection_.ExecuteSql("COMMIT");
  open_ = false;
}

}  // namespace kv7::store
