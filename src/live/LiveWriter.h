#pragma once
// Writes a console's live row from a thread of its own, on a connection of
// its own, so the machine thread never waits on the archive. One slot holds
// the latest snapshot offered: a newer one replaces it, and a row is written
// at most once per interval. When the archive is slow or down the snapshot
// in hand is dropped, never queued; the next one offered tries again.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <thread>

#include "live/LiveRow.h"
#include "store/Database.h"
#include "store/DbParams.h"

namespace kv7::live {

class LiveWriter : public LiveSink {
 public:
  // A live row is worth little after a few seconds: the connection's waits
  // are cut to this, so a hung archive holds only this thread, and its stop
  // at most this long.
  static constexpr unsigned kTimeoutSeconds = 2;

  explicit LiveWriter(store::DbParams params, std::chrono::milliseconds interval = std::chrono::seconds(1));
  ~LiveWriter() override;
  LiveWriter(const LiveWriter&) = delete;
  LiveWriter& operator=(const LiveWriter&) = delete;

  // Never waits for the archive: the row replaces whatever waits in the slot.
  void Offer(const LiveRow& row) override;

  struct Tally {
    std::uint64_t written = 0;  // rows that reached the table
    std::uint64_t skipped = 0;  // snapshots replaced before their turn or lost with a failed write
    std::uint64_t failed = 0;   // writes the archive did not take
  };
  Tally Counts() const;
  // A snapshot waits in the slot.
  bool Waiting() const;

 private:
  void Run();
  bool Write(const LiveRow& row);

  store::Database database_;
  const std::chrono::milliseconds interval_;
  mutable std::mutex mutex_;
  std::condition_variable wake_;
  std::optional<LiveRow> slot_;
  bool stop_ = false;
  bool tableChecked_ = false;  // writer thread only
  std::atomic<std::uint64_t> written_{0}, skipped_{0}, failed_{0};
  std::thread thread_;  // last: starts once everything above exists
};

}  // namespace kv7::live
