// Runs the built kv7ctl the way a technician does, against a store and a
// working directory of its own.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <fstream>

#include "EmptyStore.h"
#include "support/FileText.h"
#include "support/Shell.h"
#include "support/TempDir.h"

namespace {

using kv7::test::Outcome;

std::string Quoted(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

using kv7::test::Slurp;

// What `config show` lists for an empty store: the passwords masked.
std::string ShownEmptyStore() {
  std::string s = kv7::test::EmptyStoreValues();
  const std::string plain = "\npassword_inst=0\n";
  return s.replace(s.find(plain), plain.size(), "\npassword_inst=********\n");
}

mode_t Mode(const std::filesystem::path& file) {
  struct stat st {};
  return ::stat(file.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

class Kv7ctlConfig : public ::testing::Test {
 protected:
  kv7::test::TempDir dir;

  Outcome Run(const std::vector<std::string>& args) {
    std::string cmd = "cd " + Quoted(dir.path().string()) +
                      " && KV7_CONFIG_DIR=" + Quoted((dir / "store").string()) + " " + Quoted(KV7CTL_PATH) +
                      " config";
    for (const auto& a : args) cmd += " " + Quoted(a);
    cmd += " 2>" + Quoted((dir / "stderr").string());
    Outcome o = kv7::test::Shell(cmd);
    o.err = Slurp(dir / "stderr");
    return o;
  }
};

TEST_F(Kv7ctlConfig, ShowAndInstallStringOnAnEmptyStore) {
  Outcome show = Run({"show"});
  EXPECT_EQ(show.status, 0);
  EXPECT_EQ(show.out, ShownEmptyStore());
  EXPECT_EQ(show.err, "");
  EXPECT_FALSE(std::filesystem::exists(dir / "store" / "Brem elettronica snc.conf"));

  const std::string base = kv7::test::EmptyStoreInstallString();
  EXPECT_EQ(Run({"install-string"}).out, base + "L50\n");
  EXPECT_EQ(Run({"install-string", "--old-board"}).out, base + "\n");
}

TEST_F(Kv7ctlConfig, SetGetShowAndSave) {
  // key, value set, as shown after loading, as stored after the save
  const std::vector<std::array<std::string, 4>> cases = {{"lev_dtara", "9", "1", "1"},
                                                         {"rotdirection", "right", "0", "left"},
                                                         {"qualitaL1", "3", "2", "3"},
                                                         {"porta_com", "12", "12", "12"},
                                                         {"point gest", "150", "150", "94"}};
  for (const auto& k : cases) EXPECT_EQ(Run({"set", "kv2", k[0], k[1]}).status, 0) << k[0];
  EXPECT_EQ(Run({"set", "kv2", "ncopie", "2", "--dword"}).status, 0);
  Outcome get = Run({"get", "kv2", "ncopie"});
  EXPECT_EQ(get.status, 0);
  EXPECT_EQ(get.out, "2\n");

  const std::string show = "\n" + Run({"show"}).out;
  EXPECT_NE(show.find("\nncopie=2\n"), std::string::npos);
  for (const auto& k : cases)
    EXPECT_NE(show.find("\n" + k[0] + "=" + k[2] + "\n"), std::string::npos) << k[0];
  EXPECT_EQ(Run({"save"}).status, 0);
  for (const auto& k : cases) EXPECT_EQ(Run({"get", "kv2", k[0]}).out, k[3] + "\n");
  const std::string legacy = Slurp(dir / "w83.cfg");
  ASSERT_EQ(legacy.size(), 151u);
  EXPECT_EQ(legacy.substr(0, 6), "192208");  // no digit for port 12
}

TEST_F(Kv7ctlConfig, ExportAndImport) {
  Run({"set", "kv2", "numlinee", "4"});
  Run({"set", "kv2", "ncopie", "2", "--dword"});
  // A backup left readable by everyone before: the new one is the owner's only.
  std::ofstream(dir / "backup") << "old";
  std::filesystem::permissions(dir / "backup", std::filesystem::perms(0644));
  EXPECT_EQ(Run({"export", "backup"}).status, 0);
  EXPECT_EQ(Slurp(dir / "backup"), "String(numlinee)=4\r\nInteger(ncopie)=2\r\n");
  EXPECT_EQ(Mode(dir / "backup"), 0600u);
  Run({"set", "kv2", "numlinee", "1"});
  EXPECT_EQ(Run({"import", "backup"}).status, 0);
  EXPECT_EQ(Run({"get", "kv2", "numlinee"}).out, "4\n");
}

TEST_F(Kv7ctlConfig, PasswordsMaskedUnlessRevealedAndTheStoreTheOwnersOnly) {
  ASSERT_EQ(Run({"set", "kv2", "password_inst", "4711"}).status, 0);
  ASSERT_EQ(Run({"set", "kv2", "numlinee", "3"}).status, 0);
  EXPECT_EQ(Mode(dir / "store" / "Brem elettronica snc.conf"), 0600u);
  // arguments, what they print (a whole line of `show`, or get's answer)
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"get", "kv2", "password_inst"}, "********\n"},
      {{"get", "kv2", "password_inst", "--reveal"}, "4711\n"},
      {{"get", "kv2", "numlinee"}, "3\n"},
      {{"show"}, "\npassword_inst=********\n"},
      {{"show", "--reveal"}, "\npassword_inst=4711\n"},
      {{"show"}, "\nnumlinee=3\n"},
  };
  for (const auto& [args, shown] : cases) {
    Outcome o = Run(args);
    EXPECT_EQ(o.status, 0) << args.back();
    EXPECT_NE(("\n" + o.out).find(shown), std::string::npos) << args.back() << "\n" << o.out;
  }
  EXPECT_EQ(Run({"show"}).out.find("4711"), std::string::npos);
  EXPECT_EQ(Run({"get", "kv2", "password_inst", "--show"}).status, 2);
}

TEST_F(Kv7ctlConfig, ErrorsGiveOneLineAndTheirStatus) {
  Outcome missing = Run({"get", "kv2", "nothing"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.out, "");

  for (const std::vector<std::string>& bad : {std::vector<std::string>{"import", "no-such-file"},
                                              {"set", "kv2", "ncopie", "2x", "--dword"},
                                              {"set", "kv2", "ncopie"},
                                              {"frobnicate"},
                                              {"export"},
                                              {"show", "extra"},
                                              {"export", "backup"}}) {
    Outcome o = Run(bad);
    EXPECT_EQ(o.status, 2) << bad[0];
    EXPECT_EQ(std::count(o.err.begin(), o.err.end(), '\n'), 1) << o.err;
    EXPECT_EQ(o.err.rfind("kv7ctl: ", 0), 0u) << o.err;
  }
  EXPECT_FALSE(std::filesystem::exists(dir / "backup"));  // nothing to export: no section "kv2"

  // A stored number that is not one: reported, and the record still shows.
  Run({"set", "kv2", "numtazze", "lots"});
  Outcome show = Run({"show"});
  EXPECT_EQ(show.status, 0);
  EXPECT_EQ(show.out, ShownEmptyStore());
  EXPECT_NE(show.err.find("\"numtazze\""), std::string::npos);
  EXPECT_NE(show.err.find("\"lots\""), std::string::npos);
}

}  // namespace
