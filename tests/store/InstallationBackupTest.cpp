#include "store/InstallationBackup.h"

#include <gtest/gtest.h>

#include <fstream>

#include "store/Configuration.h"
#include "store/PasswordHash.h"
#include "support/FileText.h"
#include "support/TempDir.h"

using kv7::store::ConfigStore;
using kv7::store::ExportInstallation;
using kv7::store::ImportInstallation;
using kv7::store::ValueType;
using kv7::test::Slurp;

namespace {

void Spit(const std::filesystem::path& p, const std::string& bytes) {
  std::ofstream(p, std::ios::binary) << bytes;
}

struct Backup : ::testing::Test {
  kv7::test::TempDir dir;
  ConfigStore store{ConfigStore::kDefaultRoot, dir / "store"};
  std::vector<std::string> reports;
  kv7::store::ReportSink sink = [this](const std::string& m) { reports.push_back(m); };

  std::string Stored(const std::string& key) {
    auto v = store.Find("kv2", key);
    if (!v) return "<missing>";
    return v->type == ValueType::Text ? "text " + v->text : "dword " + std::to_string(v->dword);
  }
};

TEST_F(Backup, LineRulesOfTheRestore) {
  ASSERT_TRUE(store.CreateSection("kv2"));
  store.WriteString("kv2", "direxp", "old");
  const std::string hash = kv7::store::password_hash::Hash("nuova");
  Spit(dir / "b",
       "comment line\r\n"
       "String(numlinee)=4\r\n"
       "Integer(ncopie)=2\r\n"
       "xxString(durata magneti)= 50\n"  // found anywhere in the line; LF alone ends it too
       "String(copyrigth)=a)=b\r\n"      // the name ends at the first ")="
       "String(odd)=x\r\n"               // not a key of the installation
       "Integer(numtazze)=5\r\n"         // a key the record keeps as a text
       "String(ritfc)=5\r\n"             // a key the record keeps as an integer value
       "String(password_inst)=1234\r\n"  // a password in clear never comes back
       "String(password_reset)=" + hash + "\r\n"
       "Integer(limpercq2)=  -7\r\n"  // leading blanks allowed
       "\r\n"
       "String(direxp)=cut");  // no line end: left out
  ASSERT_TRUE(ImportInstallation(store, dir / "b", sink));
  // Text without its CR, integers as integer values.
  EXPECT_EQ(Stored("numlinee"), "text 4");
  EXPECT_EQ(Stored("ncopie"), "dword 2");
  EXPECT_EQ(Stored("limpercq2"), "dword -7");
  EXPECT_EQ(Stored("durata magneti"), "text  50");
  EXPECT_EQ(Stored("copyrigth"), "text a)=b");
  EXPECT_EQ(Stored("password_reset"), "text " + hash);
  EXPECT_EQ(Stored("direxp"), "text old");
  for (const char* skipped : {"odd", "numtazze", "ritfc", "password_inst"}) EXPECT_EQ(Stored(skipped), "<missing>");
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_NE(reports[0].find(":13:"), std::string::npos) << reports[0];
  EXPECT_EQ(store.OpenSection("kv2")->size(), 7u);
}

TEST_F(Backup, FileWithoutSettingsIsRefused) {
  ASSERT_TRUE(store.CreateSection("kv2"));
  store.WriteString("kv2", "numlinee", "2");
  for (const char* text : {"", "String(odd)=1\r\nnumlinee=4\r\n", "Integer(numlinee)=4\r\n"}) {
    reports.clear();
    Spit(dir / "b", text);
    EXPECT_FALSE(ImportInstallation(store, dir / "b", sink)) << text;
    EXPECT_EQ(reports.size(), 1u) << text;
    EXPECT_EQ(Stored("numlinee"), "text 2");
  }
}

TEST_F(Backup, DamagedLineOrMissingSectionRestoresNothing) {
  Spit(dir / "b", "String(numlinee)=4\r\n");
  EXPECT_FALSE(ImportInstallation(store, dir / "b", sink));  // no section "kv2" yet
  EXPECT_FALSE(store.SectionExists("kv2"));
  ASSERT_EQ(reports.size(), 1u);

  ASSERT_TRUE(store.CreateSection("kv2"));
  for (const char* damaged : {"Integer(ncopie)=2x\r\n", "Integer(ncopie)=\r\n", "String(numtazze=5\r\n",
                              "String()=5\r\n", "Integer(ncopie)=99999999999\r\n"}) {
    reports.clear();
    Spit(dir / "b", std::string("String(numlinee)=4\r\n") + damaged + "String(numuscite)=9\r\n");
    EXPECT_FALSE(ImportInstallation(store, dir / "b", sink)) << damaged;
    EXPECT_TRUE(store.OpenSection("kv2")->empty()) << damaged;
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find(":2:"), std::string::npos) << reports[0];
  }

  reports.clear();
  EXPECT_FALSE(ImportInstallation(store, dir / "none", sink));
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_NE(reports[0].find("none"), std::string::npos);
}

TEST_F(Backup, ExportWritesKv2InStoredOrderOnly) {
  store.WriteString("kv2", "b", "x y");
  store.WriteInteger("kv2", "a", -3);
  store.WriteString("kv2", "delay tara", "  7");
  store.WriteString("kv", "langinterface", "de");
  store.WriteString("custom", "autorefresh", "5");
  ASSERT_TRUE(ExportInstallation(store, dir / "kv2inst", sink));
  EXPECT_EQ(Slurp(dir / "kv2inst"), "String(b)=x y\r\nInteger(a)=-3\r\nString(delay tara)=  7\r\n");
}

TEST_F(Backup, ExportWithoutSectionKeepsAnExistingBackup) {
  Spit(dir / "kv2inst", "String(numlinee)=4\r\n");
  EXPECT_FALSE(ExportInstallation(store, dir / "kv2inst", sink));
  EXPECT_EQ(Slurp(dir / "kv2inst"), "String(numlinee)=4\r\n");
  EXPECT_EQ(reports.size(), 1u);
  store.CreateSection("kv2");
  EXPECT_FALSE(ExportInstallation(store, dir / "no-dir" / "kv2inst", sink));
  EXPECT_EQ(reports.size(), 2u);
}

TEST_F(Backup, ExportThenImportRestoresTheSavedInstallation) {
  kv7::store::Configuration c;
  c.numlinee = 4;
  c.kpeso[2] = 1234;
  c.delay_tara = 9;
  c.qualitaL[3] = 2;
  c.rotdirection = 1;
  c.ncopie = 3;
  c.direxp = "/srv/exp";
  c.macchina = 7;
  c.copyrigth = "text with = and (brackets)";
  ASSERT_TRUE(kv7::store::SaveConfiguration(c, store, dir.path(), sink));
  store.WriteString("kv2", "copyrigth", c.copyrigth);
  ASSERT_TRUE(ExportInstallation(store, dir / "kv2inst", sink));

  ConfigStore other(ConfigStore::kDefaultRoot, dir / "other");
  ASSERT_TRUE(other.CreateSection("kv2"));
  other.WriteString("kv2", "numlinee", "1");  // replaced by the backup
  ASSERT_TRUE(ImportInstallation(other, dir / "kv2inst", sink));
  auto a = store.OpenSection("kv2");
  ASSERT_EQ(a->size(), other.OpenSection("kv2")->size());
  for (const auto& v : *a) {
    auto restored = other.Find("kv2", v.name);
    ASSERT_TRUE(restored.has_value()) << v.name;
    EXPECT_EQ(restored->type, v.type) << v.name;
    EXPECT_EQ(restored->text, v.text) << v.name;
    EXPECT_EQ(restored->dword, v.dword) << v.name;
  }
  kv7::store::Configuration restored;
  ASSERT_TRUE(kv7::store::LoadConfiguration(restored, other, sink));
  EXPECT_EQ(kv7::store::ConfigurationValues(restored), kv7::store::ConfigurationValues(c));
  EXPECT_TRUE(reports.empty());
}

}  // namespace
