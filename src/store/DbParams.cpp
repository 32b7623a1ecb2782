#include "store/DbParams.h"

#include <charconv>
#include <cstdlib>
#include <string_view>

namespace kv7::store {
namespace {

void Override(const char* name, std::string& value) {
  if (const char* v = std::getenv(name)) value = v;
}

}  // namespace

DbParams DbParams::FromEnvironment() {
  DbParams p;
  Override("KV7_DB_HOST", p.host);
  Override("KV7_DB_SOCKET", p.socket);
  Override("KV7_DB_USER", p.user);
  Override("KV7_DB_PASSWORD", p.password);
  Override("KV7_DB_NAME", p.database);
  if (const char* v = std::getenv("KV7_DB_PORT")) {
    std::string_view s(v);
    unsigned port = 0;
    auto r = std::from_chars(s.data(), s.data() + s.size(), port);
    if (r.ec == std::errc() && r.ptr == s.data() + s.size() && port > 0 && port < 65536) p.port = port;
  }
  return p;
}

}  // namespace kv7::store
