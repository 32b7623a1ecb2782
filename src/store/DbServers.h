#pragma once
// The servers an archive address names. The host may list several,
// separated by commas ("db1,db2,db3"), for a cluster whose nodes all hold
// the archive; each may carry its own port ("127.0.0.1:13311", an IPv6
// address in brackets: "[::1]:13311"), the others use the address's port.
// Blanks around a name are ignored, empty names skipped.

#include <string>
#include <vector>

namespace kv7::store {

struct DbServer {
  std::string host;
  unsigned port = 0;
  bool operator==(const DbServer&) const = default;
};

// At least one server: an empty list gives `host` itself with `port`.
std::vector<DbServer> ServersOf(const std::string& host, unsigned port);

// "host:port" for the log and kv7ctl.
std::string ServerName(const DbServer& server);

}  // namespace kv7::store
