#pragma once
// Where the archive lives and how to log in. The built-in values below are
// the default, so an installation that never set anything keeps working. A
// site sets its own in the credentials file "db.conf" of the configuration
// directory (owner only, mode 0600), and the environment overrides both:
//   KV7_DB_HOST, KV7_DB_PORT, KV7_DB_SOCKET, KV7_DB_USER, KV7_DB_PASSWORD, KV7_DB_NAME
//
// The credentials file holds one "key = value" a line (host, port, socket,
// user, password, database); blank lines and lines starting with '#' are
// skipped, blanks around a value are not part of it.

#include <filesystem>
#include <functional>
#include <string>

namespace kv7::store {

struct DbParams {
  static constexpr const char* kDefaultPassword = "kv7-campionatrice";
  static constexpr const char* kCredentialsFile = "db.conf";

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
  // Why the site's credentials file was not used; never holds a secret.
  // While set, every connection fails with this text: a site that set its
  // own login must not end up on the built-in one unnoticed. Cleared when
  // the environment gives both the user and the password.
  std::string refused;

  // The built-in values, then the credentials file of the configuration
  // directory, then the KV7_DB_* overrides. A KV7_DB_PORT that is not a port
  // number is ignored.
  static DbParams FromEnvironment();
  // The same, and KV7_DB_PASSWORD leaves this process's environment, so no
  // program it starts inherits it. Called once at start, before any thread.
  static DbParams TakeFromEnvironment();

  // The same from a given file and a given environment lookup (nullptr for
  // a variable that is not set).
  using Lookup = std::function<const char*(const char*)>;
  static DbParams From(const std::filesystem::path& credentials, const Lookup& environment);

  // "<configuration directory>/db.conf".
  static std::filesystem::path CredentialsFile();
};

}  // namespace kv7::store
