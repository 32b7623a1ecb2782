// The language the installation saves is the one the next start shows, a
// later save of the program parameters included; the refresh interval and
// report font of "Parametri  Programma" hold as soon as the window closes,
// and only "Salva" stores them.

#include <gtest/gtest.h>

#include <functional>

#include "installation/InstallationRules.h"
#include "installation/ScriptedInstallationWindows.h"
#include "supervisor/ConsoleRecorder.h"
#include "supervisor/Supervisor.h"
#include "support/TempDir.h"

namespace kv7::test {
namespace {

// One run of the console on `store`, started as at power-on, its program
// parameters window left as `leave` says.
struct ConsoleRun : supervisor::ProgramWindows {
  ConsoleRun(store::ConfigStore& store, const TempDir& dir) : sup(console, op, store, nullptr, dir.path()) {
    store.WriteString("kv2", "porta_com", "99");  // no board on the test machine
    store.WriteString("kv2", "porta_scarti", "99");
    store.WriteString("kv2", "porta_aux", "0");
    sup.SetInstallationWindows(&installation);
    sup.SetProgramWindows(this);
    sup.FormShow({});
    op.messages.clear();  // the start-up's own, without an archive
  }
  std::optional<std::string> ChooseProgram(const programs::ProgramLists&,
                                           supervisor::ProgramListUse) override {
    return std::nullopt;
  }
  std::optional<supervisor::EditedProgram> EditProgram(const programs::ProgramEditorTexts&, int,
                                                       const std::string&) override {
    return std::nullopt;
  }
  std::optional<supervisor::ParametersChoice> EditParameters(const programs::ProgramParameters& p) override {
    shown = p;
    return leave ? leave(p) : supervisor::ParametersChoice{p, true};
  }
  ConsoleRecorder console;
  ScriptedOperator op;
  ScriptedInstallationWindows installation;
  std::function<supervisor::ParametersChoice(programs::ProgramParameters)> leave;
  programs::ProgramParameters shown;
  supervisor::Supervisor sup;
};

TEST(InstallationLanguage, SavedLanguageIsTheOneTheNextStartShows) {
  TempDir dir;
  store::ConfigStore store(store::ConfigStore::kDefaultRoot, dir / "store");
  store.WriteString("kv", "langinterface", "de");  // where stores of before kept it
  {
    ConsoleRun run(store, dir);
    EXPECT_EQ(run.console.language, "de");
    run.op.answers = {true};
    run.installation.passwords = {run.sup.Config().password_inst};
    run.installation.results = {
        supervisor::InstallationResult{installation::FormFromConfiguration(run.sup.Config(), false), "es"}};
    run.sup.Impostazione1Click();
    run.sup.Programma2Click();  // writes the whole record again
    EXPECT_TRUE(run.op.messages.empty()) << run.op.messages.front();
  }
  EXPECT_EQ(ConsoleRun(store, dir).console.language, "es");
}

TEST(ProgramParametersWindow, RefreshAndFontHoldAtOnceAndOnlySalvaStoresThem) {
  for (const bool saved : {false, true}) {
    TempDir dir;
    store::ConfigStore store(store::ConfigStore::kDefaultRoot, dir / "store");
    ConsoleRun run(store, dir);
    run.leave = [saved](programs::ProgramParameters p) {
      p.refreshSeconds = 7;
      p.reportFont = {"Courier", 11, false, false, true, true};
      p.archiviazione = false;
      return supervisor::ParametersChoice{p, saved};
    };
    run.sup.Programma2Click();
    EXPECT_EQ(run.sup.State().autoTotalsPeriod, 7);
    // What a language switch writes from now on.
    EXPECT_EQ(run.console.printSettings,
              (std::vector<std::string>{"Courier", "11", ",fsUnderline,fsStrikeout.", "7"}));
    EXPECT_EQ(run.sup.Config().archiviazione, saved ? 0 : 1);
    EXPECT_EQ(store.ReadString("kv2", "prn_font_set", "-"), saved ? ",fsUnderline,fsStrikeout." : "-");
    run.leave = nullptr;
    run.sup.Programma2Click();
    EXPECT_EQ(run.shown.reportFont, (programs::PrintFont{"Courier", 11, false, false, true, true}));
  }
}

}  // namespace
}  // namespace kv7::test
