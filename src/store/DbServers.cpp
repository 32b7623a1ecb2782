#include "store/DbServers.h"

#include <charconv>
#include <string_view>

namespace kv7::store {
namespace {

std::string_view Trimmed(std::string_view s) {
  const auto first = s.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// A port after the last ':' when it is one; 0 otherwise.
unsigned PortOf(std::string_view digits) {
  unsigned port = 0;
  auto r = std::from_chars(digits.data(), digits.data() + digits.size(), port);
  if (r.ec != std::errc() || r.ptr != digits.data() + digits.size() || port == 0 || port > 65535) return 0;
  return port;
}

DbServer ServerOf(std::string_view item, unsigned defaultPort) {
  if (item.front() == '[') {  // [v6]:port or [v6]
    const auto close = item.find(']');
    if (close != std::string_view::npos) {
      const std::string_view rest = item.substr(close + 1);
      const unsigned port = rest.size() > 1 && rest.front() == ':' ? PortOf(rest.substr(1)) : 0;
      return {std::string(item.substr(1, close - 1)), port ? port : defaultPort};
    }
  }
  const auto colon = item.find(':');
  // More than one ':' without brackets is a bare IPv6 address.
  if (colon == std::string_view::npos || item.find(':', colon + 1) != std::string_view::npos)
    return {std::string(item), defaultPort};
  const unsigned port = PortOf(item.substr(colon + 1));
  if (!port) return {std::string(item), defaultPort};
  return {std::string(item.substr(0, colon)), port};
}

}  // namespace

std::vector<DbServer> ServersOf(const std::string& host, unsigned port) {
  std::vector<DbServer> servers;
  std::string_view rest(host);
  while (true) {
    const auto comma = rest.find(',');
    const auto item = Trimmed(rest.substr(0, comma));
    if (!item.empty()) servers.push_back(ServerOf(item, port));
    if (comma == std::string_view::npos) break;
    rest.remove_prefix(comma + 1);
  }
  if (servers.empty()) servers.push_back({host, port});
  return servers;
}

std::string ServerName(const DbServer& server) {
  const bool v6 = server.host.find(':') != std::string::npos;
  return (v6 ? "[" + server.host + "]" : server.host) + ":" + std::to_string(server.port);
}

}  // namespace kv7::store
