#pragma once
// The archive's own logins, made through an administrator's connection: a
// least-privilege user for the console, or one for readers that may only
// look. The password goes to the server through this connection only, as an
// escaped literal: never on a command line, in the environment or a log.

#include <string>
#include <vector>

#include "store/DbConnection.h"

namespace kv7::store {

struct ArchiveUser {
  std::string name;
  // The client's host as the server sees it: "localhost" for the unix
  // socket, an address or a pattern ("192.168.1.%") for TCP.
  std::string host = "localhost";
  bool readOnly = false;
};

// What the console needs on its database and nothing more: rows read,
// added, changed and deleted (batches, producers, programs, the archive
// resets) and CREATE ("db init" and the tables the program adds itself,
// such as the journal's and the audit trail's); never DROP, ALTER, LOCK
// TABLES or GRANT. A reader gets SELECT only.
std::vector<std::string> ArchivePrivileges(bool readOnly);

// Creates `user` with `password` and grants ArchivePrivileges on every table
// of `database`. Returns the grant as run, e.g.
// "SELECT, INSERT ON `kv2`.* TO 'kv7'@'localhost'". A name or host that is
// not plain, an empty password or a failure of the server throws DbError
// (whose text never holds the password); a failed grant drops the new user
// again.
std::string CreateArchiveUser(DbConnection& admin, const std::string& database, const ArchiveUser& user,
                              const std::string& password);

}  // namespace kv7::store
