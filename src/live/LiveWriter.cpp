#include "live/LiveWriter.h"

#include <algorithm>

#include "live/LiveArchive.h"
#include "store/DbError.h"

namespace kv7::live {
namespace {

store::DbParams ShortWaits(store::DbParams params) {
  params.timeoutSeconds = std::min(params.timeoutSeconds, LiveWriter::kTimeoutSeconds);
  params.ioTimeoutSeconds = std::min(params.ioTimeoutSeconds, LiveWriter::kTimeoutSeconds);
  return params;
}

}  // namespace

LiveWriter::LiveWriter(store::DbParams params, std::chrono::milliseconds interval)
    : database_(ShortWaits(std::move(params))), interval_(interval), thread_([this] { Run(); }) {}

LiveWriter::~LiveWriter() {
  {
    std::lock_guard lock(mutex_);
    stop_ = true;
  }
  wake_.notify_one();
  thread_.join();
}

void LiveWriter::Offer(const LiveRow& row) {
  // Copied and released outside the lock: the writer holds it only to
  // take the slot, never while it talks to the archive.
  std::optional<LiveRow> fresh(row);
  {
    std::lock_guard lock(mutex_);
    if (slot_) skipped_.fetch_add(1, std::memory_order_relaxed);
    slot_.swap(fresh);
  }
  wake_.notify_one();
}

LiveWriter::Tally LiveWriter::Counts() const {
  return Tally{written_.load(), skipped_.load(), failed_.load()};
}

bool LiveWriter::Waiting() const {
  std::lock_guard lock(mutex_);
  return slot_.has_value();
}

void LiveWriter::Run() {
  using Clock = std::chrono::steady_clock;
  auto nextWrite = Clock::now();
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return stop_ || slot_; });
    // Offers in between only replace the slot: the latest one is written.
    if (wake_.wait_until(lock, nextWrite, [this] { return stop_; })) return;
    LiveRow row = std::move(*slot_);
    slot_.reset();
    lock.unlock();
    Write(row);
    // From the end of the write: a slow archive spaces the rows further.
    nextWrite = Clock::now() + interval_;
    lock.lock();
  }
}

bool LiveWriter::Write(const LiveRow& row) {
  try {
    store::DbConnection& connection = database_.Connection();
    if (!tableChecked_) {
      EnsureLiveTable(connection);
      tableChecked_ = true;
    }
    SaveLiveRow(connection, row);
    written_.fetch_add(1);
    return true;
  } catch (const store::DbError& e) {
    // The snapshot is dropped; after a lost connection the next one connects again.
    if (e.IsConnectionError()) database_.ServerLost();
    tableChecked_ = false;
    failed_.fetch_add(1);
    skipped_.fetch_add(1);
    return false;
  }
}

}  // namespace kv7::live
