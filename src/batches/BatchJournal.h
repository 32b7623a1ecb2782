#pragma once
// Store and forward for ended batches: no end of batch ever loses a batch
// or stores it twice. Each ended batch is first written to the journal (one
// file per batch in the journal folder, written whole, synced, renamed into
// place) with an identity of its own. Replay then, in journal order:
//  - stores the batch in `bolle` in one transaction that locks the table,
//    takes `num` = highest + 1 and records the identity in `kv7_journal`, so
//    that a replay after a crash between commit and retirement finds the
//    identity and never inserts the batch again;
//  - writes its end-of-batch record from the batch itself (pending while the
//    export directory cannot be written);
//  - retires the entry once both are done.
// Every failure and every replay goes to the log. Plain C++, machine thread.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "batches/ArchiveLog.h"
#include "batches/BatchExport.h"
#include "store/Database.h"

namespace kv7::batches {

// The identities of applied entries.
inline constexpr const char* kJournalTable = "kv7_journal";

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
};

// The journal could not be written: the batch is not safe yet.
class JournalError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct ReplaySummary {
  int stored = 0;          // batches that reached `bolle` in this replay
  int exported = 0;        // records written in this replay
  int waitingBatches = 0;  // entries not yet in `bolle`
  int waitingRecords = 0;  // entries whose record is not yet written
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

  // One pass over the journal; a pass already running (another process on
  // the same journal) makes this one do nothing but count. The database part stops at the first batch
  // that cannot be stored (later ones wait, keeping the numbers in order);
  // the records are tried for every entry.
  ReplaySummary Replay(store::Database& db, const std::filesystem::path& exportDir,
                       const ExportFormat& format);

  // The steps of a replay, one entry at a time. Store returns the batch's
  // `num` (the one it already had when the identity was applied before);
  // throws store::DbError.
  std::int64_t Store(store::Database& db, JournalEntry& entry);
  bool Export(JournalEntry& entry, const std::filesystem::path& exportDir, const ExportFormat& format);
  // Removes a finished entry's file.
  void Retire(const JournalEntry& entry);

  // The batch counting now (after a reset of totals, before its end), kept
  // beside the journal so that the next start can name it; empty clears.
  // Returns false when it cannot be written.
  bool SetCountingBatch(const std::string& number);
  // The number kept; nullopt when no batch was counting.
  std::optional<std::string> CountingBatch() const;

 private:
  void Write(const JournalEntry& entry) const;
  void Log(const std::string& text) const;

  std::filesystem::path dir_;
  LogSink log_;
};

}  // namespace kv7::batches
