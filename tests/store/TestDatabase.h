#pragma once
// A fresh database per test on the private server (scripts/db-server start;
// source scripts/db-env), created with the archive's tables and dropped
// afterwards. An unreachable server fails the test: the database tests must
// never pass by not running.

#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <memory>
#include <string>

#include "store/Database.h"

namespace kv7::test {

class TestDatabase : public ::testing::Test {
 protected:
  void SetUp() override {
    static int counter = 0;
    params_ = store::DbParams::FromEnvironment();
    name_ = "kv2_test_" + std::to_string(::getpid()) + "_" + std::to_string(++counter);
    params_.database = name_;
    store::DbParams server = params_;
    server.database.clear();
    try {
      admin_ = std::make_unique<store::DbConnection>(server);
      admin_->ExecuteSql("DROP DATABASE IF EXISTS " + store::QuoteIdentifier(name_));
      DropOrphans();
    } catch (const store::DbError& e) {
      FAIL() << "the test database server cannot be reached: " << e.what()
             << "\n(start it with scripts/db-server start, then source scripts/db-env)";
    }
    db_ = std::make_unique<store::Database>(params_);
    if (CreateTables()) db_->InitSchema();
  }

  // false: the test creates the database itself (kv7ctl db init).
  virtual bool CreateTables() const { return true; }

  void TearDown() override {
    db_.reset();
    if (admin_) admin_->ExecuteSql("DROP DATABASE IF EXISTS " + store::QuoteIdentifier(name_));
  }

  store::Database& Db() { return *db_; }
  store::DbConnection& Sql() { return db_->Connection(); }
  const std::string& Name() const { return name_; }
  const store::DbParams& Params() const { return params_; }
  // The plain mariadb client at `client` on the private server, not our
  // code: its command line without a database, the password in the
  // environment.
  std::string ClientCommand(const std::string& client) const {
    ::setenv("MYSQL_PWD", params_.password.c_str(), 1);
    std::string cmd = client + " --no-defaults -u '" + params_.user + "' ";
    if (!params_.socket.empty()) cmd += "--socket='" + params_.socket + "' ";
    return cmd + "-h '" + params_.host + "' -P " + std::to_string(params_.port);
  }

 private:
  // Databases left by test processes that died before cleaning up (the
  // process id is part of the name); live ones belong to parallel runs.
  void DropOrphans() {
    for (const auto& row : admin_->Query("SHOW DATABASES LIKE 'kv2\\_test\\_%'")) {
      std::string name = store::ToText(row[0]);
      long pid = std::strtol(name.c_str() + 9, nullptr, 10);
      if (pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
        admin_->ExecuteSql("DROP DATABASE IF EXISTS " + store::QuoteIdentifier(name));
    }
  }

  store::DbParams params_;
  std::string name_;
  std::unique_ptr<store::DbConnection> admin_;
  std::unique_ptr<store::Database> db_;
};

}  // namespace kv7::test
