// Start-up and shutdown of the console logic where no board answers: no
// ports, ports that do not exist, an archive that cannot be reached.

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <condition_variable>
#include <fstream>
#include <mutex>
#include <thread>
#include <sstream>

#include "support/FileText.h"
#include "link/cMB90.h"
#include "store/ConfigStore.h"
#include "store/Database.h"
#include "supervisor/ConsoleRecorder.h"
#include "supervisor/MachineThread.h"
#include "supervisor/Supervisor.h"
#include "support/TempDir.h"

namespace kv7::test {
namespace {

using supervisor::Control;
using supervisor::Supervisor;

using kv7::test::Slurp;

store::DbParams UnreachableDatabase(const TempDir& dir) {
  store::DbParams p;
  p.socket = (dir / "no-server.sock").string();
  p.timeoutSeconds = 2;
  return p;
}

class StartupWithoutBoards : public ::testing::Test {
 protected:
  StartupWithoutBoards() : store(store::ConfigStore::kDefaultRoot, dir / "config") {}

  void NoPorts() {
    store.WriteString("kv2", "porta_com", "99");
    store.WriteString("kv2", "porta_scarti", "99");
    store.WriteString("kv2", "porta_aux", "0");
  }

  TempDir dir;
  store::ConfigStore store;
  ConsoleRecorder console;
  ScriptedOperator op;
};

TEST_F(StartupWithoutBoards, NoPortsAndNoDatabaseStillStartRunAndStop) {
  NoPorts();
  store::Database db(UnreachableDatabase(dir));
  {
    Supervisor sup(console, op, store, &db, dir.path());
    sup.FormShow({});
    EXPECT_EQ(sup.controller(), nullptr);
    EXPECT_EQ(sup.rejectStation(), nullptr);
    EXPECT_EQ(console.panels[3], "0 - Centralina off ");
    EXPECT_EQ(console.panels[4], "0-SCARTI off ");
    // The archive's failure is told once, in the library's words.
    ASSERT_EQ(op.messages.size(), 1u);
    EXPECT_NE(op.messages[0].find("no-server.sock"), std::string::npos) << op.messages[0];
    EXPECT_EQ(sup.State().savedProgram, 0);
    EXPECT_EQ(sup.State().savedProducer, "00000");
    EXPECT_TRUE(console.batchEntryPrepared);
    EXPECT_EQ(console.units, "gr");

    for (int i = 0; i < 30; ++i) sup.Timer1Timer();
    EXPECT_FALSE(console.enabled[Control::Lavorazione]);
    EXPECT_FALSE(console.enabled[Control::Assistenza1]);
    EXPECT_TRUE(console.enabled[Control::Cancella2]);
    // The restart record cannot be written at exit: said again, not swallowed.
    sup.State().boardProgram = 5;
    sup.fine2();
    ASSERT_EQ(op.messages.size(), 2u);
    EXPECT_EQ(op.messages[1], op.messages[0]);
    EXPECT_EQ(op.questions, std::vector<std::string>{"Vuoi esportare i dati verso AS400 ?"});
  }
  const std::string log = Slurp(dir / "kv2.log");
  EXPECT_NE(log.find(" | database error: "), std::string::npos);
  EXPECT_NE(log.find(" | start MB3\r\n"), std::string::npos);
  EXPECT_NE(log.find(" | Stop Mb3\r\n"), std::string::npos);
  EXPECT_EQ(log.find("Stop Mb3"), log.rfind("Stop Mb3")) << "shutdown ran twice";
}

TEST_F(StartupWithoutBoards, MissingDevicesLeaveTheBoardOffAndPollsFailQuietly) {
  store.WriteString("ports", "COM5", (dir / "no-such-tty").string());
  store.WriteString("ports", "COM6", (dir / "no-such-tty2").string());
  store.WriteString("kv2", "porta_com", "5");
  store.WriteString("kv2", "porta_scarti", "6");
  store.WriteString("kv2", "porta_aux", "0");
  Supervisor sup(console, op, store, nullptr, dir.path());
  sup.FormShow({});
  ASSERT_NE(sup.controller(), nullptr);
  EXPECT_FALSE(sup.controller()->IsOpen());
  for (int i = 0; i < 25; ++i) sup.Timer1Timer();
  EXPECT_EQ(console.panels[3], "0 - Centralina off ");
  EXPECT_EQ(console.alignment[3], supervisor::Align::Right);
  EXPECT_EQ(console.panels[4], "0-SCARTI off ");
  EXPECT_FALSE(sup.State().controllerOn);
  EXPECT_TRUE(op.messages.empty()) << op.messages.front();
}

// Settings that exist but cannot be read stop the start: one message, no
// link, no cycle, and the file stays exactly as it was.
TEST(StartupWithUnreadableConfiguration, StopsWithTheMessageAndChangesNothing) {
  const struct {
    const char* name;
    void (*make)(const std::filesystem::path&);
  } cases[] = {
      {"a folder in its place", [](const std::filesystem::path& f) { std::filesystem::create_directory(f); }},
      {"NUL bytes of a torn write",
       [](const std::filesystem::path& f) { std::ofstream(f) << "[kv2]\n" << std::string(64, '\0'); }},
      {"no read permission",
       [](const std::filesystem::path& f) {
         std::ofstream(f) << "[kv2]\n";
         std::filesystem::permissions(f, std::filesystem::perms::none);
       }},
  };
  for (const auto& k : cases) {
    TempDir dir;
    const auto file = dir / "Brem elettronica snc.conf";
    k.make(file);
    if (std::string(k.name) == "no read permission" && std::ifstream(file).good()) {
      std::printf("skipped \"%s\": permissions do not stop this user (root)\n", k.name);
      continue;
    }
    const auto type = std::filesystem::status(file).type();
    const std::string bytes = Slurp(file);
    store::ConfigStore store(store::ConfigStore::kDefaultRoot, dir.path());
    ConsoleRecorder console;
    ScriptedOperator op;
    {
      Supervisor sup(console, op, store, nullptr, dir.path());
      EXPECT_FALSE(sup.FormShow({})) << k.name;
      ASSERT_EQ(op.messages.size(), 1u) << k.name;
      EXPECT_EQ(op.messages[0].rfind("Configurazione non leggibile (" + file.string(), 0), 0u) << op.messages[0];
      EXPECT_EQ(sup.controller(), nullptr);
      for (int i = 0; i < 13; ++i) sup.Tick();
      EXPECT_EQ(console.panels.count(3), 0u) << k.name << ": the cycle ran";
      EXPECT_FALSE(store.WriteString("kv2", "porta_com", "3")) << k.name;
    }
    EXPECT_EQ(std::filesystem::status(file).type(), type) << k.name;
    EXPECT_EQ(Slurp(file), bytes) << k.name;
    EXPECT_FALSE(std::filesystem::exists(dir / "w83.cfg")) << k.name;
  }
}

// A message box that stays open until the test closes it.
class SlowOperator : public ScriptedOperator {
 public:
  void ShowMessage(const std::string& text) override {
    if (open.fetch_add(1) > 0) stacked = true;
    std::unique_lock lock(mutex);
    ScriptedOperator::ShowMessage(text);
    shown.notify_all();
    closeBox.wait(lock, [&] { return boxesToClose > 0; });
    --boxesToClose;
    --open;
  }
  std::size_t WaitForMessages(std::size_t n, std::chrono::milliseconds limit = std::chrono::seconds(10)) {
    std::unique_lock lock(mutex);
    shown.wait_for(lock, limit, [&] { return messages.size() >= n; });
    return messages.size();
  }
  void CloseBox() {
    std::lock_guard lock(mutex);
    ++boxesToClose;
    closeBox.notify_all();
  }
  std::mutex mutex;
  std::condition_variable shown, closeBox;
  int boxesToClose = 0;
  std::atomic<int> open{0};
  std::atomic<bool> stacked{false};
};

TEST_F(StartupWithoutBoards, ABoxOpenOnTheMachineThreadHoldsTheCycleAndNeverStacks) {
  store.WriteString("ports", "COM5", (dir / "no-such-tty").string());
  store.WriteString("kv2", "porta_com", "5");
  store.WriteString("kv2", "porta_scarti", "99");
  store.WriteString("kv2", "porta_aux", "0");
  SlowOperator slow;
  Supervisor sup(console, slow, store, nullptr, dir.path());
  supervisor::MachineThread machine(std::chrono::milliseconds(5));
  // Constants the board never takes: every tick tries again and fails with a box.
  machine.Start({[&] {
                   sup.FormShow({});
                   sup.SetPendingCalibration("1000100010001000");
                 },
                 [&] { sup.Tick(); }, [&] { sup.FormClose(); }, nullptr});
  ASSERT_EQ(slow.WaitForMessages(1), 1u);
  std::atomic<int> commandsRun{0};
  machine.Post([&] { ++commandsRun; });
  // Forty tick periods with the box open: no tick, no command, no second box.
  EXPECT_EQ(slow.WaitForMessages(2, std::chrono::milliseconds(200)), 1u);
  EXPECT_EQ(commandsRun, 0);
  slow.CloseBox();
  ASSERT_EQ(slow.WaitForMessages(2), 2u) << "the next tick tries again";
  EXPECT_EQ(commandsRun, 1) << "the posted command ran between the two ticks";
  machine.RequestStop();
  slow.CloseBox();
  machine.Stop();
  EXPECT_FALSE(slow.stacked);
  EXPECT_TRUE(sup.State().parenPending);
  EXPECT_NE(Slurp(dir / "kv2.log").find(" | Stop Mb3\r\n"), std::string::npos);
}

// Under an open box, what the watch raises is held (the same text once, its
// beep kept) until that box has closed; a question there gets No.
TEST(HoldingOperator, HoldsWhatTheWatchRaisesUntilTheOpenBoxHasClosed) {
  ScriptedOperator person;
  supervisor::HoldingOperator holding(person);
  holding.Hold(true);
  for (const char* text : {"errore ciclo on scarti", "errore ciclo on scarti", "0 - Centralina off "}) {
    holding.Beep();
    holding.ShowMessage(text);
  }
  EXPECT_FALSE(holding.AskYesNo("I totali verranno azzerati, vuoi continuare ?"));
  EXPECT_TRUE(person.messages.empty() && person.questions.empty() && person.beeps == 0);
  holding.Hold(false);
  holding.ShowHeld();
  EXPECT_EQ(person.messages, (std::vector<std::string>{"errore ciclo on scarti", "0 - Centralina off "}));
  EXPECT_EQ(person.beeps, 2);
}

// "-o" is the old board: no tare table and no tare and magnet suffix. The
// cost per minute from "w83.cst" rounds half to even; a field that does not
// convert counts as 0.
TEST_F(StartupWithoutBoards, OldBoardOptionUnitsAndCosts) {
  NoPorts();
  store.WriteString("kv2", "totaligrammi", "0");
  const struct {
    const char* costs;
    std::vector<std::string> args;
    int perMinute;
  } cases[] = {
      {" 2    15 1    20 1    30", {"-o"}, 1},  // 0.5 + 0.333 + 0.5 = 1.33
      {" 3    50 0     0 0     0", {}, 2},      // 2.5 rounds to 2
      {" 7    30xx     5 0     0", {}, 4},      // 3.5 rounds to 4
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.costs);
    std::ofstream(dir / "w83.cst", std::ios::binary | std::ios::trunc) << c.costs;
    Supervisor sup(console, op, store, nullptr, dir.path());
    sup.FormShow(c.args);
    const bool old = !c.args.empty();
    EXPECT_EQ(sup.State().oldBoardMode, old);
    EXPECT_EQ(sup.State().costAmount, c.perMinute);
    EXPECT_EQ(sup.Config().InstallString.substr(119), old ? "" : "L50");
    if (old) {
      EXPECT_FALSE(console.enabled[Control::TabellaTara1]);
    }
    EXPECT_EQ(console.units, "Kg");
  }
}

}  // namespace
}  // namespace kv7::test
