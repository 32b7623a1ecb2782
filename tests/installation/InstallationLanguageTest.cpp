// The language saved by the installation window is the one the next start
// shows, through a later save of the program parameters; the refresh
// interval and the report font of "Parametri  Programma" are in force as
// soon as they are chosen, and stored only by "Salva".

#include <gtest/gtest.h>

#include <functional>

#include "installation/InstallationRules.h"
#include "installation/ScriptedInstallationWindows.h"
#include "store/ConfigStore.h"
#include "supervisor/ConsoleRecorder.h"
#include "supervisor/Supervisor.h"
#include "support/TempDir.h"

namespace kv7::test {
namespace {

struct ParametersAnswer : supervisor::ProgramWindows {
  std::optional<std::string> ChooseProgram(const programs::ProgramLists&, supervisor::ProgramListUse) override {
    return std::nullopt;
  }
  std::optional<supervisor::EditedProgram> EditProgram(const programs::ProgramEditorTexts&, int,
                                                       const std::string&) override {
    return std::nullopt;
  }
  std::optional<supervisor::ParametersChoice> EditParameters(const programs::ProgramParameters& p) override {
    shown = p;
    return change ? change(p) : supervisor::ParametersChoice{p, true};
  }
  std::function<supervisor::ParametersChoice(programs::ProgramParameters)> change;
  programs::ProgramParameters shown;
};

struct Site {
  TempDir dir;
  store::ConfigStore store{store::ConfigStore::kDefaultRoot, dir / "store"};
  Site() {
    store.WriteString("kv2", "porta_com", "99");  // no board on the test machine
    store.WriteString("kv2", "porta_scarti", "99");
    store.WriteString("kv2", "porta_aux", "0");
  }
};

// One run of the console on the site's store, started as at power-on.
struct Run {
  explicit Run(Site& site) : sup(console, op, site.store, nullptr, site.dir.path()) {
    sup.SetInstallationWindows(&installation);
    sup.SetProgramWindows(&parameters);
    sup.FormShow({});
  }
  ConsoleRecorder console;
  ScriptedOperator op;
  ScriptedInstallationWindows installation;
  ParametersAnswer parameters;
  supervisor::Supervisor sup;
};

TEST(InstallationLanguage, SavedLanguageIsTheOneTheNextStartShows) {
  Site site;
  site.store.WriteString("kv", "langinterface", "de");  // a store from before the key moved
  {
    Run run(site);
    EXPECT_EQ(run.console.language, "de");
    run.op.messages.clear();  // the start-up's own, without an archive
    run.op.answers = {true};
    run.installation.passwords = {run.sup.Config().password_inst};
    run.installation.results = {
        supervisor::InstallationResult{installation::FormFromConfiguration(run.sup.Config(), false), "es"}};
    run.sup.Impostazione1Click();
    run.sup.Programma2Click();  // saves the whole record again
    EXPECT_TRUE(run.op.messages.empty()) << run.op.messages.front();
  }
  Run next(site);
  EXPECT_EQ(next.console.language, "es");
}

TEST(ProgramParametersWindow, RefreshAndFontInForceAtOnceStoredOnlyBySalva) {
  for (const bool saved : {false, true}) {
    Site site;
    Run run(site);
    run.parameters.change = [saved](programs::ProgramParameters p) {
      p.refreshSeconds = 7;
      p.reportFont = {"Courier", 11, false, false, true, true};
      p.archiviazione = false;
      return supervisor::ParametersChoice{p, saved};
    };
    run.sup.Programma2Click();
    EXPECT_EQ(run.sup.State().autoTotalsPeriod, 7);
    EXPECT_EQ(run.console.printSettings,
              (std::vector<std::string>{"Courier", "11", ",fsUnderline,fsStrikeout.", "7"}));
    EXPECT_EQ(run.sup.Config().archiviazione, saved ? 0 : 1);
    EXPECT_EQ(site.store.ReadString("kv2", "prn_font_set", "<none>"),
              saved ? ",fsUnderline,fsStrikeout." : "<none>");
    // Shown again as left, for the rest of the run.
    run.parameters.change = nullptr;
    run.sup.Programma2Click();
    EXPECT_EQ(run.parameters.shown.refreshSeconds, 7);
    EXPECT_TRUE(run.parameters.shown.reportFont.strikeout);
  }
}

}  // namespace
}  // namespace kv7::test
