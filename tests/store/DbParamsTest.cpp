// The archive's login: the built-in values, the site's credentials file and
// the environment, in that order; a file others could read is refused and
// the refusal never shows the password.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <optional>

#include "store/DbConnection.h"
#include "store/DbParams.h"
#include "support/Shell.h"
#include "support/TempDir.h"

namespace {

using kv7::store::DbParams;
namespace fs = std::filesystem;

TEST(DbParams, CredentialsFileThenEnvironment) {
  const std::string site = "user = kv7\npassword =  s3cret pw \n# the office server\n\nhost=10.0.0.5\nport = 3307\n";
  const struct {
    const char* what;
    std::optional<std::string> file;  // nullopt: no file
    unsigned mode;
    std::map<std::string, std::string> environment;
    std::string user, password, host;
    unsigned port;
    std::string refusal;  // part of the refusal; empty: none
  } cases[] = {
      {"no file: the built-in login", std::nullopt, 0600, {}, "root", DbParams::kDefaultPassword, "localhost", 3306, ""},
      {"the site's own", site, 0600, {}, "kv7", "s3cret pw", "10.0.0.5", 3307, ""},
      {"the environment wins", site, 0600, {{"KV7_DB_PASSWORD", "other"}, {"KV7_DB_PORT", "x"}}, "kv7", "other",
       "10.0.0.5", 3307, ""},
      {"readable by the group", site, 0640, {}, "root", DbParams::kDefaultPassword, "localhost", 3306, "chmod 600"},
      {"readable by all", site, 0644, {{"KV7_DB_USER", "u"}}, "u", DbParams::kDefaultPassword, "localhost", 3306,
       "mode 0644"},
      {"a whole login in the environment", site, 0644, {{"KV7_DB_USER", "u"}, {"KV7_DB_PASSWORD", "p"}}, "u", "p",
       "localhost", 3306, ""},
      {"a misspelt key", "user = kv7\npasword = s3cret pw\n", 0600, {}, "root", DbParams::kDefaultPassword,
       "localhost", 3306, "line 2: unknown key \"pasword\""},
      {"a line without a key", "user = kv7\ns3cret pw\n", 0600, {}, "root", DbParams::kDefaultPassword, "localhost",
       3306, "line 2: not"},
      {"a port out of range", "port = 70000\n", 0600, {}, "root", DbParams::kDefaultPassword, "localhost", 3306,
       "line 1: the port"},
  };
  for (const auto& c : cases) {
    kv7::test::TempDir dir;
    const fs::path file = dir / DbParams::kCredentialsFile;
    if (c.file) {
      std::ofstream(file) << *c.file;
      fs::permissions(file, fs::perms(c.mode));
    }
    const auto p = DbParams::From(file, [&](const char* name) -> const char* {
      auto it = c.environment.find(name);
      return it == c.environment.end() ? nullptr : it->second.c_str();
    });
    EXPECT_EQ(p.user, c.user) << c.what;
    EXPECT_EQ(p.password, c.password) << c.what;
    EXPECT_EQ(p.host, c.host) << c.what;
    EXPECT_EQ(p.port, c.port) << c.what;
    if (c.refusal.empty()) {
      EXPECT_EQ(p.refused, "") << c.what;
      continue;
    }
    EXPECT_NE(p.refused.find(c.refusal), std::string::npos) << c.what << ": " << p.refused;
    EXPECT_NE(p.refused.find(file.string()), std::string::npos) << c.what;
    EXPECT_EQ(p.refused.find("s3cret"), std::string::npos) << c.what;
    // Refused without trying the server: the built-in login is never used.
    try {
      kv7::store::DbConnection connection(p);
      ADD_FAILURE() << c.what << ": connected";
    } catch (const kv7::store::DbError& e) {
      EXPECT_EQ(std::string(e.what()), p.refused) << c.what;
    }
  }
}

TEST(DbParams, ThePasswordNeverReachesAStartedProgram) {
  kv7::test::TempDir dir;
  const char* saved = std::getenv("KV7_DB_PASSWORD");
  const std::optional<std::string> before = saved ? std::optional<std::string>(saved) : std::nullopt;
  const char* savedDir = std::getenv("KV7_CONFIG_DIR");
  const std::optional<std::string> beforeDir = savedDir ? std::optional<std::string>(savedDir) : std::nullopt;
  ::setenv("KV7_CONFIG_DIR", dir.path().c_str(), 1);
  ::setenv("KV7_DB_PASSWORD", "from-the-shell", 1);

  const auto p = DbParams::TakeFromEnvironment();
  const auto child = kv7::test::Shell("env");

  if (before) ::setenv("KV7_DB_PASSWORD", before->c_str(), 1);
  if (beforeDir) ::setenv("KV7_CONFIG_DIR", beforeDir->c_str(), 1);
  else ::unsetenv("KV7_CONFIG_DIR");
  EXPECT_EQ(p.password, "from-the-shell");
  EXPECT_EQ(child.status, 0);
  EXPECT_EQ(child.out.find("from-the-shell"), std::string::npos);
}

}  // namespace
