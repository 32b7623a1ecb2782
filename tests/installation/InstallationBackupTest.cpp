// "&Salva su Penna USB" and "&Ripristina da Penna USB" on the supervisor: the
// backup written into the chosen folder restores the same configuration into
// a store that has never been written; a missing folder changes nothing.

#include <gtest/gtest.h>

#include "installation/ScriptedInstallationWindows.h"
#include "store/ConfigStore.h"
#include "store/InstallationBackup.h"
#include "supervisor/ConsoleRecorder.h"
#include "supervisor/Supervisor.h"
#include "support/FileText.h"
#include "support/TempDir.h"

namespace kv7::test {
namespace {

struct Console {
  TempDir dir;
  store::ConfigStore store{store::ConfigStore::kDefaultRoot, dir / "store"};
  ConsoleRecorder console;
  ScriptedOperator op;
  ScriptedInstallationWindows windows;
  supervisor::Supervisor sup{console, op, store, nullptr, dir.path()};
  Console() { sup.SetInstallationWindows(&windows); }
};

store::Configuration Loaded(const store::ConfigStore& s) {
  store::Configuration c;
  store::LoadConfiguration(c, s);
  return c;
}

TEST(InstallationBackup, SavedOnTheStickRestoresTheSameConfigurationOnANewConsole) {
  Console site, fresh;
  TempDir stick;
  store::Configuration c;
  c.porta_com = c.porta_scarti = 99;  // no board on the test machine
  c.porta_aux = 0;
  c.numlinee = 5;
  c.kpeso[2] = 1111;
  c.direxp = "/srv/esporta";
  ASSERT_TRUE(store::SaveConfiguration(c, site.store, site.dir.path()));

  site.windows.files = {std::nullopt, stick / "scelto.txt"};
  site.sup.SalvasuFloppy1Click();
  site.sup.SalvasuFloppy1Click();
  EXPECT_EQ(site.op.messages,
            (std::vector<std::string>{"Dischetto sul floppy non presente o non leggibile!", "Salvataggio effettuato!"}));
  EXPECT_FALSE(std::filesystem::exists(stick / "scelto.txt"));

  // A folder that is gone: nothing read, nothing said.
  fresh.windows.files = {stick / "gone" / "kv2inst", stick / store::kInstallationBackupFile};
  fresh.sup.RipristinadaFloppy1Click();
  EXPECT_FALSE(fresh.store.SectionExists("kv2"));
  EXPECT_TRUE(fresh.op.messages.empty());
  fresh.sup.RipristinadaFloppy1Click();
  EXPECT_EQ(fresh.op.messages, std::vector<std::string>{"Ripristino effettuato!"});
  EXPECT_EQ(store::ConfigurationValues(Loaded(fresh.store)), store::ConfigurationValues(Loaded(site.store)));
  EXPECT_EQ(fresh.sup.Config().kpeso[2], 1111);
}

}  // namespace
}  // namespace kv7::test
