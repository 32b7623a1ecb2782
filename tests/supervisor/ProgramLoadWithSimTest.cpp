// A grading program from the archive onto the simulated board: chosen with
// F2, held back while the board is in state "0", then sent as six "F" blocks
// that the board takes limit for limit; the board runs through states 2 and
// 3 to 4 and reports the program, whose classes then fill the console. A
// program delete and saved program parameters leave one audit row each.

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <sstream>
#include <thread>

#include "programs/ProgramArchive.h"
#include "sim/SimProcess.h"
#include "store/ConfigStore.h"
#include "store/TestDatabase.h"
#include "support/FileText.h"
#include "supervisor/ConsoleRecorder.h"
#include "supervisor/Supervisor.h"
#include "support/TempDir.h"
#include "support/Until.h"

namespace kv7::test {
namespace {

using namespace std::chrono_literals;

class ScriptedProgramWindows : public supervisor::ProgramWindows {
 public:
  std::optional<std::string> ChooseProgram(const programs::ProgramLists& lists, supervisor::ProgramListUse) override {
    listed = lists.Count();
    if (choices.empty()) return std::nullopt;
    auto c = choices.front();
    choices.pop_front();
    return c;
  }
  std::optional<supervisor::EditedProgram> EditProgram(const programs::ProgramEditorTexts& texts, int,
                                                       const std::string& caption) override {
    shown.push_back({texts, caption});
    if (saves.empty()) return std::nullopt;
    auto e = saves.front();
    saves.pop_front();
    return e;
  }
  std::optional<supervisor::ParametersChoice> EditParameters(const programs::ProgramParameters&) override {
    return parameters;
  }
  std::optional<supervisor::ParametersChoice> parameters;
  std::deque<std::optional<std::string>> choices;
  int listed = 0;
  struct Shown {
    programs::ProgramEditorTexts texts;
    std::string caption;
  };
  std::vector<Shown> shown;
  std::deque<supervisor::EditedProgram> saves;  // the editor's OKs, in order; then Cancel
};

// Limits that tell program, quality and limit apart.
store::ProgramRecord Sample(int n, const std::string& description) {
  store::ProgramRecord r;
  r.description = description;
  r.rejectCode = "SC" + std::to_string(n);
  for (int q = 1; q <= 4; ++q) {
    for (int k = 1; k <= 16; ++k) r.limit[q - 1][k - 1] = std::to_string(n + 10 * q + 50 * k);
    for (int c = 1; c <= 15; ++c) {
      r.name[q - 1][c - 1] = "C" + std::to_string(c) + "Q" + std::to_string(q);
      r.classCode[q - 1][c - 1] = std::to_string(n * 1000 + c * 10 + q);
    }
  }
  return r;
}

class ProgramLoadWithSim : public TestDatabase {
 protected:
  void SetUp() override {
    TestDatabase::SetUp();
    store_ = std::make_unique<store::ConfigStore>(store::ConfigStore::kDefaultRoot, dir_ / "config");
    store_->WriteString("kv2", "numlinee", "6");
    // Lines 1..6 grade qualities 1, 1, 2, 3, 4 and the reject quality.
    const int quality[] = {1, 1, 2, 3, 4, 5};
    for (int l = 1; l <= 6; ++l) store_->WriteString("kv2", "qualitaL" + std::to_string(l), std::to_string(quality[l - 1]));
    sim_ = std::make_unique<simtest::SimProcess>(
        std::vector<std::string>{"--port-map", "--config-dir", (dir_ / "config").string()});
    sup_ = std::make_unique<supervisor::Supervisor>(console_, op_, *store_, &Db(), dir_.path());
    sup_->SetProgramWindows(&windows_);
  }
  // Start-up reads the program codes: store programs before.
  void Start() { sup_->FormShow({}); }

  template <typename Pred>
  bool TickUntil(Pred done, std::chrono::milliseconds limit = 10000ms) {
    return RepeatUntil([&] { sup_->Tick(); }, done, limit);
  }
  std::string Sim(const std::string& key) { return sim_->Status()[key]; }

  TempDir dir_;
  ConsoleRecorder console_;
  ScriptedOperator op_;
  ScriptedProgramWindows windows_;
  std::unique_ptr<store::ConfigStore> store_;
  std::unique_ptr<simtest::SimProcess> sim_;
  std::unique_ptr<supervisor::Supervisor> sup_;
};

TEST_F(ProgramLoadWithSim, ChosenProgramReachesTheBoardLimitForLimitAndFillsTheClasses) {
  programs::SaveProgram(Db(), Sample(1, "Mele"), "01", {});
  programs::SaveProgram(Db(), Sample(5, "Pere"), "05", {});
  // A code typed as text in an older archive.
  programs::SaveProgram(Db(), Sample(7, "Kiwi"), "07", {});
  Sql().ExecuteSql("UPDATE programmi SET codiceprog = 'A7' WHERE codiceprog = '07'");
  Start();
  auto& st = sup_->State();

  // First answered poll: the board is in state "0" and gets initialised;
  // a program chosen now is prepared but not sent.
  ASSERT_TRUE(TickUntil([&] { return st.controllerOn; }));
  EXPECT_EQ(st.machineStateNo, 0);
  windows_.choices = {"05"};
  sup_->Programma1Click();
  EXPECT_EQ(windows_.listed, 3);
  EXPECT_EQ(st.downloadJob, 0);
  EXPECT_EQ(Sim("program"), "0");

  // A code the board cannot take is refused with a message.
  ASSERT_TRUE(TickUntil([&] { return st.machineStateNo == 1; }));
  windows_.choices = {"A7"};
  sup_->Programma1Click();
  EXPECT_EQ(op_.messages.back(),
            "Il programma A7 non può essere caricato: il codice deve essere un numero da 1 a 98.");
  EXPECT_EQ(st.downloadJob, 0);

  windows_.choices = {"05"};
  sup_->Programma1Click();
  EXPECT_EQ(st.downloadJob, 1);
  ASSERT_TRUE(TickUntil([&] { return st.downloadJob == 0; }));
  EXPECT_EQ(console_.panels[2], "Trasf.  Programma Mb3 = 100 %");
  const int lineQuality[] = {1, 1, 2, 3, 4, 1};  // the reject line takes quality 1's limits
  for (int l = 1; l <= 6; ++l) {
    std::ostringstream limits;
    for (int k = 1; k <= 16; ++k) limits << (k > 1 ? "," : "") << 5 + 10 * lineQuality[l - 1] + 50 * k;
    const std::string key = "line" + std::to_string(l);
    EXPECT_EQ(Sim(key + ".program"), "5") << key;
    EXPECT_EQ(Sim(key + ".limits"), limits.str()) << key;
  }

  // The board runs on to processing and reports the program; its classes show.
  std::string states;
  ASSERT_TRUE(TickUntil(
      [&] {
        const std::string s = st.machineState.Stato;
        if (states.empty() || states.back() != s[0]) states += s;
        return s == "4" && st.boardProgram == 5;
      },
      15000ms))
      << states;
  EXPECT_EQ(states.substr(states.find('1')), "1234");
  EXPECT_EQ(console_.panels[0], "Pere");
  EXPECT_EQ(console_.classes.name[1][2], "C3Q2");
  EXPECT_EQ(console_.classes.range[0][0], "0065-0115");
  ASSERT_TRUE(sup_->CurrentProgram());
  EXPECT_EQ(sup_->CurrentProgram()->record.description, "Pere");

  // The running program is not deleted.
  windows_.choices = {"05"};
  sup_->Cancella1Click();
  EXPECT_EQ(op_.messages.back(), "Il programma è quello corrente; non è possibile cancellarlo!");
  EXPECT_EQ(programs::FillProgramLists(Db()).Count(), 3);

  // Modified, it goes to the board again.
  store::ProgramRecord changed = Sample(5, "Pere");
  changed.limit[0][0] = "40";
  windows_.choices = {"05"};
  windows_.saves = {{changed, "05"}};
  sup_->Modifica1Click();
  EXPECT_EQ(windows_.shown.back().caption, "05");
  ASSERT_TRUE(TickUntil([&] { return Sim("line1.limits").rfind("40,115,", 0) == 0; })) << Sim("line1.limits");

  // Another program opened and left: New keeps its class and reject codes,
  // not those of the program on the board.
  windows_.choices = {"01"};
  sup_->Modifica1Click();
  sup_->Nuovo1Click();
  const auto& fresh = windows_.shown.back();
  EXPECT_EQ(fresh.caption, "02");
  EXPECT_EQ(fresh.texts.code, "02");
  EXPECT_EQ(fresh.texts.classCode, Sample(1, "Mele").classCode);
  EXPECT_EQ(fresh.texts.rejectCode, "SC1");
  EXPECT_EQ(fresh.texts.name[3][14], "");
}

TEST_F(ProgramLoadWithSim, SavedProgramIsReloadedOnlyWhenTheArchiveHasItsCode) {
  // Codes 01 and 05: program 3 falls in the gap a deletion left.
  programs::SaveProgram(Db(), Sample(1, "Mele"), "01", {});
  programs::SaveProgram(Db(), Sample(5, "Pere"), "05", {});
  Start();
  auto& st = sup_->State();
  ASSERT_TRUE(TickUntil([&] { return st.boardKnown; }));
  sim_->Control("start");  // processing without a program: NumProgramma "00"
  st.savedProgram = 3;
  ASSERT_TRUE(TickUntil([&] { return st.machineState.Stato == "4" && st.savedProgram == 0; }));
  EXPECT_EQ(Slurp(dir_ / "kv2.log").find("reload prog"), std::string::npos);

  st.savedProgram = 5;
  ASSERT_TRUE(TickUntil([&] { return Sim("line6.program") == "5"; }));
  EXPECT_NE(Slurp(dir_ / "kv2.log").find("reload prog (5)\r\n"), std::string::npos);
  EXPECT_EQ(st.serviceMode, 0);
}

TEST_F(ProgramLoadWithSim, ProgramChangesAndSavedParametersLeaveOneAuditRowEach) {
  programs::SaveProgram(Db(), Sample(7, "Kiwi"), "07", {});
  Start();
  programs::ProgramParameters changed = programs::ParametersFromConfiguration(sup_->Config());
  changed.ncopie = 3;
  const struct {
    const char* what;
    std::function<void()> run;
    const char* row;  // finestra|azione|chiave|before|after of the checked value
    const char* path;
  } cases[] = {
      {"parameters not saved", [&] { windows_.parameters = {{changed, false}}, sup_->Programma2Click(); }, nullptr, ""},
      {"parameters", [&] { windows_.parameters = {{changed, true}}, sup_->Programma2Click(); },
       "TParProg|salva|parametri|1|3|", "$.ncopie"},
      {"program delete", [&] { windows_.choices = {"07"}, sup_->Cancella1Click(); },
       "TListaProgrammi|cancella|07|Kiwi||", "$.descrizione"},
  };
  for (const auto& c : cases) {
    const auto before = Db().Table("kv7_audit").Count();
    c.run();
    ASSERT_EQ(Db().Table("kv7_audit").Count(), before + (c.row ? 1 : 0)) << c.what;
    if (!c.row) continue;
    const auto row = Sql().QueryFirst(
        "SELECT finestra, azione, chiave, JSON_VALUE(prima, ?), JSON_VALUE(dopo, ?) FROM kv7_audit ORDER BY id DESC",
        {std::string(c.path), std::string(c.path)});
    std::string text;
    for (const auto& v : row->Values()) text += store::ToText(v) + "|";
    EXPECT_EQ(text, c.row) << c.what;
  }
}

}  // namespace
}  // namespace kv7::test
