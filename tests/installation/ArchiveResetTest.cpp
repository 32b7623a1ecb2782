// "&Azzeramento Bolle" and "&Azzera Produttori" against the private server:
// nothing changes without the reset password, "bolle.dat" and a Yes; a reset
// keeps a dated copy that the mariadb client loads back into an empty
// database with the same rows, byte for byte what `kv7ctl db backup` writes.
// Each reset, installation save and restore leaves one audit row.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <functional>

#include "installation/InstallationRules.h"
#include "installation/ScriptedInstallationWindows.h"
#include "store/InstallationBackup.h"
#include "store/ConfigStore.h"
#include "store/NoBatchMarker.h"
#include "store/TestDatabase.h"
#include "supervisor/ConsoleRecorder.h"
#include "supervisor/Supervisor.h"
#include "support/FileText.h"
#include "support/TempDir.h"

namespace kv7::test {
namespace {

class ArchiveReset : public TestDatabase {
 protected:
  void SetUp() override {
    TestDatabase::SetUp();
    sup_ = std::make_unique<supervisor::Supervisor>(console_, op_, store_, &Db(), dir_.path());
    sup_->SetInstallationWindows(&windows_);
    auto& c = Sql();
    c.Execute(
        "INSERT INTO bolle (num, data, programma, tot1q1, bolla, note) VALUES "
        "(1, '2026-03-01 08:00:00', '05', 1500, 'B\\'1', 'riga\\nnuova \"q\" \\\\'), (2, NULL, '07', NULL, NULL, NULL),"
        "(10, '2026-03-02 09:30:00', '05', -3, 'àèì', '')");
    c.Execute("INSERT INTO produttori (num, codice, descrizione) VALUES (1, '00012', 'Rossi'), (2, '00013', NULL)");
  }
  void TearDown() override {
    sup_.reset();
    if (!loaded_.empty()) Sql().ExecuteSql("DROP DATABASE IF EXISTS " + store::QuoteIdentifier(loaded_));
    TestDatabase::TearDown();
  }

  std::string Rows(const std::string& database, const std::string& table) {
    std::string out;
    for (const auto& row : Sql().Query("SELECT * FROM " + database + "." + table + " ORDER BY 1, 2")) {
      for (const auto& v : row.Values()) out += (store::IsNull(v) ? "NULL" : store::ToText(v)) + "|";
      out += "\n";
    }
    return out;
  }
  int Shell(const std::string& cmd) {
    ::setenv("MYSQL_PWD", Params().password.c_str(), 1);
    const int st = std::system(cmd.c_str());
    return WIFEXITED(st) ? WEXITSTATUS(st) : -1;
  }
  std::vector<std::filesystem::path> Copies() {
    std::vector<std::filesystem::path> out;
    for (const auto& e : std::filesystem::directory_iterator(dir_.path()))
      if (e.path().extension() == ".sql") out.push_back(e.path());
    std::sort(out.begin(), out.end());
    return out;
  }

  TempDir dir_;
  store::ConfigStore store_{store::ConfigStore::kDefaultRoot, dir_ / "store"};
  ConsoleRecorder console_;
  ScriptedOperator op_;
  ScriptedInstallationWindows windows_;
  std::unique_ptr<supervisor::Supervisor> sup_;
  std::string loaded_;
};

TEST_F(ArchiveReset, NothingChangesWithoutPasswordMarkerAndYes) {
  const std::string before = Rows(Name(), "bolle");
  const struct {
    std::optional<std::string> password;
    bool marker, yes;
    std::vector<std::string> messages;
    std::size_t questions;
  } cases[] = {
      {std::nullopt, true, true, {}, 0},
      {"VOK", true, true, {}, 0},
      {"vok", false, true, {"Cancellazione non possibile, Bolla precedente in corso."}, 0},
      {"vok", true, false, {}, 1},
  };
  for (const auto& c : cases) {
    op_.messages.clear();
    op_.questions.clear();
    windows_.passwords = {c.password};
    op_.answers = {c.yes};
    if (c.marker)
      store::WriteNoBatchMarker(dir_.path());
    else
      store::RemoveNoBatchMarker(dir_.path());
    sup_->AzzeramentoBolle1Click();
    EXPECT_EQ(op_.messages, c.messages);
    EXPECT_EQ(op_.questions.size(), c.questions);
  }
  EXPECT_EQ(Rows(Name(), "bolle"), before);
  EXPECT_TRUE(Copies().empty());
  EXPECT_EQ(Db().Table("kv7_audit").Count(), 0);
}

TEST_F(ArchiveReset, ResetKeepsACopyThatLoadsBackWithTheSameRows) {
  const std::string batches = Rows(Name(), "bolle"), producers = Rows(Name(), "produttori");
  ASSERT_EQ(Shell("KV7_DB_NAME=" + Name() + " " KV7CTL_PATH " db backup '" + (dir_ / "ctl.dump").string() + "' bolle"), 0);

  // The installation password accepted in this run does not open the archive.
  windows_.passwords = {"0", "vok", "vok"};
  op_.answers = {true, true, true};
  sup_->Impostazione1Click();
  ASSERT_TRUE(sup_->ServiceLock());
  store::WriteNoBatchMarker(dir_.path());
  sup_->AzzeramentoBolle1Click();
  EXPECT_EQ(windows_.passwordAsks, 2);
  EXPECT_EQ(Db().Table("bolle").Count(), 0);
  sup_->azzeraProduttori1Click();
  EXPECT_EQ(Db().Table("produttori").Count(), 0);
  ASSERT_EQ(op_.messages.size(), 4u);
  EXPECT_EQ(op_.messages[0], "Archivio Bolle cancellato!");
  EXPECT_EQ(op_.messages[2], "Archivio Produttori cancellato!");
  // One audit row per reset, with the rows it removed.
  const auto audit = Sql().Query(
      "SELECT finestra, azione, tabella, JSON_VALUE(prima, '$.righe'), JSON_VALUE(dopo, '$.righe') FROM kv7_audit "
      "ORDER BY id");
  ASSERT_EQ(audit.size(), 2u);
  for (std::size_t i = 0; i < 2; ++i) {
    std::string row;
    for (const auto& v : audit[i].Values()) row += store::ToText(v) + "|";
    EXPECT_EQ(row, i == 0 ? "TMain|azzera|bolle|3|0|" : "TMain|azzera|produttori|2|0|");
  }

  const auto copies = Copies();
  ASSERT_EQ(copies.size(), 2u);
  EXPECT_EQ(copies[0].filename().string().substr(0, 6), "bolle-");
  EXPECT_NE(op_.messages[1].find(copies[0].string()), std::string::npos) << op_.messages[1];
  EXPECT_EQ(Slurp(copies[0]), Slurp(dir_ / "ctl.dump"));

  loaded_ = Name() + "_loaded";
  Sql().ExecuteSql("CREATE DATABASE " + store::QuoteIdentifier(loaded_));
  for (const auto& copy : copies) ASSERT_EQ(Shell(ClientCommand(MARIADB_CLIENT) + " " + loaded_ + " < '" + copy.string() + "'"), 0);
  EXPECT_EQ(Rows(loaded_, "bolle"), batches);
  EXPECT_EQ(Rows(loaded_, "produttori"), producers);
}

TEST_F(ArchiveReset, InstallationSaveAndRestoreLeaveOneAuditRowEach) {
  const auto saveLanguage = [this](const char* language) {
    supervisor::InstallationResult result{installation::FormFromConfiguration(sup_->Config(), false), language};
    windows_.passwords = {"0"};
    op_.answers = {true};
    windows_.results = {result};
    sup_->Impostazione1Click();
  };
  const struct {
    const char* what;
    std::function<void()> run;
    const char* row;  // finestra|azione|langinterface before|after
  } cases[] = {
      {"save", [&] { saveLanguage("en"); }, "TInstallazione|salva|it|en|"},
      {"stick", [&] { windows_.files = {dir_ / "any"}, sup_->SalvasuFloppy1Click(); }, nullptr},
      {"save again", [&] { saveLanguage("de"); }, "TInstallazione|salva|en|de|"},
      {"restore", [&] { windows_.files = {dir_ / store::kInstallationBackupFile}, sup_->RipristinadaFloppy1Click(); },
       "TMain|ripristina|de|en|"},
  };
  for (const auto& c : cases) {
    const auto before = Db().Table("kv7_audit").Count();
    c.run();
    ASSERT_EQ(Db().Table("kv7_audit").Count(), before + (c.row ? 1 : 0)) << c.what;
    if (!c.row) continue;
    const auto row = Sql().QueryFirst(
        "SELECT finestra, azione, JSON_VALUE(prima, '$.langinterface'), JSON_VALUE(dopo, '$.langinterface') "
        "FROM kv7_audit ORDER BY id DESC");
    std::string text;
    for (const auto& v : row->Values()) text += store::ToText(v) + "|";
    EXPECT_EQ(text, c.row) << c.what;
  }
}

}  // namespace
}  // namespace kv7::test
