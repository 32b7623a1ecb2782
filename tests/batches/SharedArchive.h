#pragma once
// Consoles sharing one archive: each has its own journal folder and its own
// connection, ends batches on its own thread and replays after each one, as
// the console's end of batch does. Afterwards the archive must hold every
// ended batch once, under its own number, with its identity once.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <string>

#include "batches/BatchJournal.h"
#include "store/Database.h"
#include "support/TempDir.h"

namespace kv7::test {

class SharedArchiveConsole {
 public:
  SharedArchiveConsole(int number, store::DbParams params)
      : number_(number),
        db_(std::move(params)),
        journal_(batches::BatchJournal::DirectoryIn(temp_.path()),
                 [this](const std::string& l) { log_ += l; }) {
    db_.SetMachine(number);
  }

  int Number() const { return number_; }
  store::Database& Db() { return db_; }
  // Delivery note -> identity of every batch this console ended.
  const std::map<std::string, std::string>& Ended() const { return ended_; }
  // How many ends of batch left a batch waiting in the journal: a conflict
  // with another console that was not tried again.
  int LeftWaiting() const { return leftWaiting_; }
  // The journal's log (read once the console's thread has ended).
  const std::string& Log() const { return log_; }

  // Ends `count` batches one after the other, each journaled and then
  // replayed; `before(i)` runs before batch i (0-based).
  void EndBatches(int count, const std::function<void(int)>& before = {}) {
    for (int i = 0; i < count; ++i) {
      if (before) before(i);
      store::BatchRow row;
      row.bolla = "M" + std::to_string(number_) + "-" + std::to_string(i);
      const store::DbDateTime ended{2026, 9, 14, 8, number_, i};
      row.data = ended;
      row.programma = "01";
      row.macchina = number_;
      row.tot[0][number_] = 1000 * number_ + i;
      ended_[row.bolla] = journal_.Add(row, ended).id;
      if (Replay().waitingBatches > 0) ++leftWaiting_;
    }
  }

  // Replays until nothing waits; false when something still waits at `limit`.
  bool Drain(std::chrono::seconds limit) {
    for (auto end = std::chrono::steady_clock::now() + limit; std::chrono::steady_clock::now() < end;)
      if (Replay().waitingBatches == 0) return true;
    return false;
  }

  // Waits until this console has stored `n` batches; false after `limit`.
  bool WaitStored(int n, std::chrono::seconds limit) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, limit, [&] { return stored_ >= n; });
  }

 private:
  batches::ReplaySummary Replay() {
    const auto s = journal_.Replay(db_, temp_.path() / "exp", {});
    {
      std::lock_guard lock(mutex_);
      stored_ += s.stored;
    }
    changed_.notify_all();
    return s;
  }

  int number_;
  TempDir temp_;
  store::Database db_;
  batches::BatchJournal journal_;
  std::map<std::string, std::string> ended_;
  std::string log_;
  int leftWaiting_ = 0;
  std::mutex mutex_;
  std::condition_variable changed_;
  int stored_ = 0;
};

inline std::int64_t Count(store::DbConnection& c, const std::string& sql,
                          const std::vector<store::DbValue>& p = {}) {
  return store::ToInteger((*c.QueryFirst(sql, p))[0]);
}

// Every batch the consoles ended is in `bolle` once, under its console's
// machine, the numbers run from 1 without a gap or a repeat, each identity
// is recorded once and names the row of its own batch.
inline void ExpectEveryBatchOnce(store::DbConnection& c, const std::vector<SharedArchiveConsole*>& consoles) {
  std::int64_t ended = 0;
  for (auto* console : consoles) ended += static_cast<std::int64_t>(console->Ended().size());
  EXPECT_EQ(Count(c, "SELECT COUNT(*) FROM `bolle`"), ended);
  EXPECT_EQ(Count(c, "SELECT COUNT(DISTINCT `num`) FROM `bolle`"), ended);
  EXPECT_EQ(Count(c, "SELECT COUNT(DISTINCT `bolla`) FROM `bolle`"), ended);
  EXPECT_EQ(Count(c, "SELECT MIN(`num`) FROM `bolle`"), 1);
  EXPECT_EQ(Count(c, "SELECT MAX(`num`) FROM `bolle`"), ended);
  EXPECT_EQ(Count(c, "SELECT COUNT(*) FROM `kv7_journal`"), ended);
  for (auto* console : consoles) {
    EXPECT_EQ(Count(c, "SELECT COUNT(*) FROM `bolle` WHERE `bolla` LIKE ? AND `macchina` = ?",
                    {"M" + std::to_string(console->Number()) + "-%", std::int64_t{console->Number()}}),
              static_cast<std::int64_t>(console->Ended().size()))
        << "console " << console->Number();
    for (const auto& [bolla, id] : console->Ended()) {
      auto row = c.QueryFirst(
          "SELECT b.`bolla` FROM `kv7_journal` j JOIN `bolle` b ON b.`num` = j.`num` WHERE j.`id` = ?", {id});
      ASSERT_TRUE(row) << bolla << " has no identity row";
      EXPECT_EQ(store::ToText((*row)[0]), bolla);
    }
  }
}

}  // namespace kv7::test
