// The machine thread against the simulated machine while a person takes
// their time: bar codes keep reaching Memo1 under an open question, a
// command posted meanwhile waits for the answer, and an exception thrown by
// a command is logged, told once and closes the console in order.

#include <gtest/gtest.h>

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <stdexcept>

#include "sim/SimProcess.h"
#include "store/ConfigStore.h"
#include "store/TestDatabase.h"
#include "support/FileText.h"
#include "supervisor/ConsoleRecorder.h"
#include "supervisor/MachineThread.h"
#include "supervisor/Supervisor.h"
#include "support/TempDir.h"

namespace kv7::test {
namespace {

using namespace std::chrono_literals;

// Each box stays open until the test answers it; meanwhile the machine is
// watched every 100 ms, as the window-thread gate does. Memo1 lines are
// shared with the test; the rest of the screen is read after the stop.
class SlowPerson : public ConsoleRecorder, public supervisor::Operator {
 public:
  std::function<void()> watch;
  void ShowMessage(const std::string& text) override { Open(text); }
  bool AskYesNo(const std::string& question) override { return Open(question); }
  void Beep() override {}
  void AppendMemo(const std::string& line) override {
    std::lock_guard lock(mutex_);
    ConsoleRecorder::AppendMemo(line);
    changed_.notify_all();
  }
  bool Shows(const std::string& text, std::chrono::milliseconds limit = 10s) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, limit, [&] { return std::count(boxes.begin(), boxes.end(), text) > 0; });
  }
  bool MemoHas(std::size_t lines, std::chrono::milliseconds limit) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, limit, [&] { return memo.size() >= lines; });
  }
  void Answer(bool yes) {
    std::lock_guard lock(mutex_);
    answers_.push_back(yes);
    changed_.notify_all();
  }
  // A test that ended early: every box, now and later, closes with No.
  void Leave() {
    std::lock_guard lock(mutex_);
    gone_ = true;
    changed_.notify_all();
  }
  std::vector<std::string> boxes;
  bool stacked = false;

 private:
  bool Open(const std::string& text) {
    std::unique_lock lock(mutex_);
    boxes.push_back(text);
    stacked = stacked || open_++ > 0;
    changed_.notify_all();
    while (!changed_.wait_for(lock, 100ms, [&] { return gone_ || !answers_.empty(); })) {
      lock.unlock();
      if (watch) watch();
      lock.lock();
    }
    --open_;
    if (answers_.empty()) return false;
    const bool yes = answers_.front();
    answers_.pop_front();
    return yes;
  }
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<bool> answers_;
  int open_ = 0;
  bool gone_ = false;
};

class WatchWhileWaiting : public TestDatabase {
 protected:
  void SetUp() override {
    TestDatabase::SetUp();
    store_ = std::make_unique<store::ConfigStore>(store::ConfigStore::kDefaultRoot, dir_ / "config");
    sim_ = std::make_unique<simtest::SimProcess>(
        std::vector<std::string>{"--port-map", "--config-dir", (dir_ / "config").string()});
    sup_ = std::make_unique<supervisor::Supervisor>(person_, person_, *store_, &Db(), dir_.path());
    person_.watch = [this] { sup_->WatchWhileWaiting(); };
    auto* sup = sup_.get();
    machine_.SetFailureHandler([sup](const std::string& what) { sup->UnexpectedError(what); });
    machine_.Start({[sup] { sup->FormShow({}); }, [sup] { sup->Tick(); }, [sup] { sup->FormClose(); }, nullptr});
    // The archive has no restart record yet: the start-up says so and waits.
    ASSERT_TRUE(person_.Shows("Bolla temporanea non presente!"));
    person_.Answer(true);
  }
  void TearDown() override {
    person_.Leave();
    machine_.Stop();
    TestDatabase::TearDown();
  }

  TempDir dir_;
  SlowPerson person_;
  std::unique_ptr<store::ConfigStore> store_;
  std::unique_ptr<simtest::SimProcess> sim_;
  std::unique_ptr<supervisor::Supervisor> sup_;
  supervisor::MachineThread machine_;
};

TEST_F(WatchWhileWaiting, BarcodesGoOnUnderAQuestionAndAPostedCommandWaitsForTheAnswer) {
  machine_.Post([this] { sup_->Start1(); });
  ASSERT_TRUE(person_.Shows("I totali verranno azzerati, vuoi continuare ?"));
  machine_.Post([this] { person_.ShowMessage("comando"); });
  sim_->Control("barcode 8001234567890");
  ASSERT_TRUE(person_.MemoHas(1, 10s));
  EXPECT_FALSE(person_.Shows("comando", 0ms));
  person_.Answer(false);
  ASSERT_TRUE(person_.Shows("comando"));
  person_.Answer(true);
  machine_.Stop();
  EXPECT_NE(person_.memo.at(0).find("8001234567890"), std::string::npos);
  EXPECT_FALSE(person_.stacked);
}

TEST_F(WatchWhileWaiting, AnExceptionIsLoggedToldOnceAndTheConsoleClosesInOrder) {
  machine_.Post([this] {
    sup_->State().boardProgram = 7;
    throw std::runtime_error("guasto di prova");
  });
  ASSERT_TRUE(person_.Shows("Errore imprevisto: guasto di prova. Il programma viene chiuso."));
  person_.Answer(true);
  machine_.Stop();
  EXPECT_TRUE(machine_.Stopped());
  const std::string log = Slurp(dir_ / "kv2.log");
  const auto failure = log.find("unexpected error: guasto di prova\r\n");
  ASSERT_NE(failure, std::string::npos) << log;
  EXPECT_NE(log.find("Stop Mb3\r\n", failure), std::string::npos) << "ports closed after the failure";
  store::CurrentSelection restart;
  ASSERT_TRUE(Db().LoadCurrentSelection(restart));
  EXPECT_EQ(restart.programNumber, 7);
  EXPECT_EQ(person_.boxes.size(), 2u) << "told once";
}

// A box the watch raises under an open one is held, the same text once with
// its beep, and shown once that box has closed; a question there gets No.
TEST(HoldingOperator, HoldsWhatTheWatchRaisesUntilTheOpenBoxHasClosed) {
  ScriptedOperator person;
  person.answers = {true};
  supervisor::HoldingOperator holding(person);
  holding.Hold(true);
  holding.Beep();
  holding.ShowMessage("Il comando di versione non ha ricevuto una risposta corretta");
  holding.ShowMessage("Il comando di versione non ha ricevuto una risposta corretta");
  holding.ShowMessage("errore ciclo on scarti");
  EXPECT_FALSE(holding.AskYesNo("I totali verranno azzerati, vuoi continuare ?"));
  EXPECT_TRUE(person.messages.empty());
  EXPECT_EQ(person.beeps, 0);
  holding.Hold(false);
  holding.ShowHeld();
  EXPECT_EQ(person.messages, (std::vector<std::string>{"Il comando di versione non ha ricevuto una risposta corretta",
                                                       "errore ciclo on scarti"}));
  EXPECT_EQ(person.beeps, 1);
  EXPECT_TRUE(person.questions.empty());
  EXPECT_TRUE(holding.AskYesNo("I totali verranno azzerati, vuoi continuare ?")) << "passes through again";
}

}  // namespace
}  // namespace kv7::test
