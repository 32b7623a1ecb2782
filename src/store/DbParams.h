#pragma once
// Where the archive lives and how to log in. The program always uses the
// fixed values below (no login dialog); each can be overridden from the
// environment for tests, the demo and other sites:
//   KV7_DB_HOST, KV7_DB_PORT, KV7_DB_SOCKET, KV7_DB_USER, KV7_DB_PASSWORD, KV7_DB_NAME

#include <string>

namespace kv7::store {

struct DbParams {
  static constexpr const char* kDefaultPassword = "kv7-campionatrice";

  // "localhost" goes through the unix socket (the library's default one
  // when `socket` is empty); any other host name goes over TCP to `port`.
  std::string host = "localhost";
  unsigned port = 3306;
  std::string socket;
  std::string user = "root";
  std::string password = kDefaultPassword;
  // Empty: connect without choosing a database.
  std::string database = "kv2";
  unsigned timeoutSeconds = 30;
  // Longest wait for the server during a statement, each way: a hung server
  // fails the statement as a lost connection instead of holding the caller.
  unsigned ioTimeoutSeconds = 10;

  // The fixed values with the KV7_DB_* overrides applied. A KV7_DB_PORT
  // that is not a port number is ignored.
  static DbParams FromEnvironment();
};

}  // namespace kv7::store
