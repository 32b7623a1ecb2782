#pragma once
// kv7-web's own configuration file: where it listens, its read-only login to
// the archive, how long a session lasts and the office's users with their
// password hashes. One "key = value" a line; '#' starts a comment line.
//
//   listen = 127.0.0.1          port = 8080          session_minutes = 480
//   db_host, db_port, db_socket, db_user, db_password, db_name
//   user.NAME = $argon2id$...
//
// The file holds a database password and the hashes, so it must be readable
// by its owner only (mode 0600): any other mode is refused.

#include <filesystem>
#include <map>
#include <string>

#include "store/DbParams.h"

namespace kv7::web {

struct WebConfig {
  std::string listen = "127.0.0.1";
  int port = 8080;
  int sessionMinutes = 480;
  store::DbParams db;
  std::map<std::string, std::string> users;  // name -> password hash
};

// Reads `file`; throws std::runtime_error (no secret in the text) when it is
// missing, not mode 0600 or holds a line it does not understand.
WebConfig LoadWebConfig(const std::filesystem::path& file);

// Writes the users of `config` into `file`, keeping every other line as it
// is; replaced atomically with mode 0600. Throws std::runtime_error.
void SaveWebUsers(const std::filesystem::path& file, const WebConfig& config);

// Whether `name` can be a user name (letters, digits, '.', '_', '-').
bool IsUserName(const std::string& name);

}  // namespace kv7::web
