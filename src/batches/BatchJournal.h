#pragma once
// Store and forward for ended batches: no end of batch ever loses a batch
// or stores it twice. Each ended batch is first written to the journal (one
// file per batch in the journal folder, written whole, synced, renamed into
// place) with an identity of its own. Replay then, in journal order:
//  - stores the batch in `bolle` in one transaction that takes `num` =
//    highest + 1 and records the identity in `kv7_journal`, so that a replay
//    after a crash between commit and retirement finds the identity and
//    never inserts the batch again (BatchNumbering.h; another console or
//    cluster node getting there first makes it try again);
//  - writes its end-of-batch record from the batch itself (pending while the
//    export directory cannot be written);
//  - retires the entry once both are done.
// A batch the archive refuses for its content (a value too long, out of
// range, a character it cannot hold) moves to the journal's "refused"
// folder with the server's message and waits there for a person; later
// entries go on. An archive that cannot be reached makes entries wait in
// order, and the next connection attempts back off while it stays away.
// Nothing is ever deleted before it is stored and exported.
// Every failure and every replay goes to the log. Plain C++, machine thread.

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "batches/ArchiveLog.h"
#include "batches/BatchExport.h"
#include "batches/BatchNumbering.h"
#include "store/Database.h"

namespace kv7::batches {

struct JournalEntry {
  std::filesystem::path file;
  std::uint64_t seq = 0;  // journal order
  std::string id;         // 32 hex digits
  store::DbDateTime ended;
  store::BatchRow row;  // num is assigned when stored
  bool stored = false;
  bool exported = false;
  // The record was prepared under the ".t" name of this moment and only
  // waits for its ".txt" name.
  std::optional<store::DbDateTime> exportAt;
  // The server's message when the archive refused the batch.
  std::string refusal;
};

// The journal could not be written: the batch is not safe yet.
class JournalError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A batch the archive refused in this replay.
struct RefusedBatch {
  std::string id;
  std::string bolla;
  std::string message;  // the server's
  bool operator==(const RefusedBatch&) const = default;
};

struct ReplaySummary {
  int stored = 0;          // batches that reached `bolle` in this replay
  int exported = 0;        // records written in this replay
  int waitingBatches = 0;  // entries not yet in `bolle`
  int waitingRecords = 0;  // entries whose record is not yet written
  int refusedBatches = 0;  // entries in the refused folder
  std::vector<RefusedBatch> refused;  // newly refused in this replay
  bool operator==(const ReplaySummary&) const = default;
};

class BatchJournal {
 public:
  // `dir` is created when missing.
  BatchJournal(std::filesystem::path dir, LogSink log);

  // The journal folder of a working directory.
  static std::filesystem::path DirectoryIn(const std::filesystem::path& workDir) {
    return workDir / "journal";
  }

  // Journals an ended batch; throws JournalError when it cannot be written.
  JournalEntry Add(const store::BatchRow& row, const store::DbDateTime& ended);

  // Every entry still waiting, in journal order. An unreadable file is
  // logged and left in place.
  std::vector<JournalEntry> Entries() const;
  // The entries the archive refused, in journal order.
  std::vector<JournalEntry> Refused() const;
  // Puts refused entry `id` back in the journal for the next replay (after
  // a repair); false when no refused entry has that identity.
  bool Retry(const std::string& id);

  // One pass over the journal; a pass already running (another process on
  // the same journal) makes this one do nothing but count. The database
  // part stops at the first batch that cannot be stored because the archive
  // cannot be reached (later ones wait, keeping the numbers in order); a
  // batch refused for its content moves to the refused folder and the pass
  // goes on. While the archive stays away a pass that finds it disconnected
  // does not try to connect before the back-off has passed. The records are
  // tried for every entry that is not refused.
  ReplaySummary Replay(store::Database& db, const std::filesystem::path& exportDir,
                       const ExportFormat& format);

  // The steps of a replay, one entry at a time. Store returns the batch's
  // `num` (the one it already had when the identity was applied before);
  // throws store::DbError.
  std::int64_t Store(store::Database& db, JournalEntry& entry);
  bool Export(JournalEntry& entry, const std::filesystem::path& exportDir, const ExportFormat& format);
  // Moves an entry to the refused folder with the server's message.
  void Refuse(JournalEntry& entry, const std::string& message);
  // Removes a finished entry's file.
  void Retire(const JournalEntry& entry);

  // The batch counting now (after a reset of totals, before its end), kept
  // beside the journal so that the next start can name it; empty clears.
  // Returns false when it cannot be written.
  bool SetCountingBatch(const std::string& number);
  // The number kept; nullopt when no batch was counting.
  std::optional<std::string> CountingBatch() const;

  // The clock of the connection back-off (tests give their own).
  using Clock = std::function<std::chrono::steady_clock::time_point()>;
  void SetClock(Clock clock) { clock_ = std::move(clock); }

 private:
  void Write(const JournalEntry& entry) const;
  void Log(const std::string& text) const;
  std::vector<JournalEntry> EntriesIn(const std::filesystem::path& dir) const;
  std::filesystem::path RefusedDir() const { return dir_ / "refused"; }
  // Whether this pass may use the archive: connected, or the back-off over.
  bool ArchiveWorthTrying(const store::Database& db) const;
  void ArchiveAway();
  void NoteServer(const store::Database& db);

  std::filesystem::path dir_;
  LogSink log_;
  Clock clock_ = [] { return std::chrono::steady_clock::now(); };
  std::chrono::seconds backoff_{0};
  std::chrono::steady_clock::time_point nextConnect_{};
  std::string server_;  // the archive server last logged
};

}  // namespace kv7::batches
