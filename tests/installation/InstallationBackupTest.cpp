// "&Salva su Penna USB" and "&Ripristina da Penna USB" on the supervisor: the
// backup written into the chosen folder restores the same configuration into
// a store that has never been written, after the service password and a Yes
// to the number of settings it changes; a missing folder changes nothing.

#include <gtest/gtest.h>

#include <fstream>

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

  site.windows.passwords = {std::nullopt, "0"};
  site.windows.files = {std::nullopt, stick / "scelto.txt"};
  site.sup.SalvasuFloppy1Click();  // no password: no dialog
  site.sup.SalvasuFloppy1Click();
  site.sup.SalvasuFloppy1Click();
  EXPECT_EQ(site.windows.passwordAsks, 2);
  EXPECT_EQ(site.op.messages,
            (std::vector<std::string>{"Dischetto sul floppy non presente o non leggibile!", "Salvataggio effettuato!"}));
  EXPECT_FALSE(std::filesystem::exists(stick / "scelto.txt"));

  // A folder that is gone: nothing read, nothing said. Then a No to the
  // changes, then a Yes.
  fresh.windows.passwords = {"1", "0"};
  fresh.windows.files = {stick / "gone" / "kv2inst", stick / store::kInstallationBackupFile,
                         stick / store::kInstallationBackupFile};
  fresh.op.answers = {false, true};
  fresh.sup.RipristinadaFloppy1Click();  // wrong password: no dialog
  EXPECT_EQ(fresh.windows.files.size(), 3u);
  fresh.sup.RipristinadaFloppy1Click();
  fresh.sup.RipristinadaFloppy1Click();
  EXPECT_FALSE(fresh.store.SectionExists("kv2"));
  EXPECT_TRUE(fresh.op.messages.empty());
  fresh.sup.RipristinadaFloppy1Click();
  const auto saved = site.store.OpenSection("kv2")->size();
  EXPECT_EQ(fresh.op.questions, std::vector<std::string>(2, "Impostazioni che il ripristino cambia: " +
                                                                 std::to_string(saved) + ". Procedere?"));
  EXPECT_EQ(fresh.op.messages, std::vector<std::string>{"Ripristino effettuato!"});
  EXPECT_EQ(store::ConfigurationValues(Loaded(fresh.store)), store::ConfigurationValues(Loaded(site.store)));
  EXPECT_EQ(fresh.sup.Config().kpeso[2], 1111);

  // The same file again changes nothing, and one without settings is refused.
  std::ofstream(stick / "vuoto") << "Nessuna impostazione\r\n";
  fresh.windows.files = {stick / store::kInstallationBackupFile, stick / "vuoto"};
  fresh.op.messages.clear();
  fresh.sup.RipristinadaFloppy1Click();
  fresh.sup.RipristinadaFloppy1Click();
  EXPECT_EQ(fresh.op.messages,
            (std::vector<std::string>{"Le impostazioni del file sono già quelle in uso: niente da ripristinare.",
                                      "Il file non contiene impostazioni dell'installazione: niente ripristinato."}));
  EXPECT_EQ(fresh.op.questions.size(), 2u);
}

}  // namespace
}  // namespace kv7::test
