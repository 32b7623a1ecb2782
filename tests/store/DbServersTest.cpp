// The servers an archive address names, as the console tries them.

#include "store/DbServers.h"

#include <gtest/gtest.h>

namespace {

using kv7::store::DbServer;
using kv7::store::ServersOf;

struct AddressCase {
  const char* host;
  std::vector<DbServer> servers;
};

TEST(DbServers, AddressesNameTheirServersInOrderWithTheirPorts) {
  const AddressCase cases[] = {
      {"localhost", {{"localhost", 3306}}},
      {"db1,db2,db3", {{"db1", 3306}, {"db2", 3306}, {"db3", 3306}}},
      {" db1 , 127.0.0.1:13315 ,, db3:13319", {{"db1", 3306}, {"127.0.0.1", 13315}, {"db3", 13319}}},
      {"[::1]:13311,::1", {{"::1", 13311}, {"::1", 3306}}},
      // A port that is not one stays part of the name: the connection fails
      // on it and says so, rather than going to a server nobody named.
      {"db1:99999", {{"db1:99999", 3306}}},
      {"", {{"", 3306}}},
  };
  for (const auto& c : cases) EXPECT_EQ(ServersOf(c.host, 3306), c.servers) << "'" << c.host << "'";
}

}  // namespace
