#pragma once
// The machines' live rows for every open machines page. One thread reads
// `kv7_live` every half second and keeps the result as a JSON text with a
// version number that grows when the text changes; each page's event stream
// waits on that, so the archive sees one reader however many pages are open.
//
// The JSON: {"machines":<live::ToJson of the rows>,"error":false}. A row
// older than 10 s (server time) is not answering; "error" is true while the
// archive cannot be read.

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>

#include "store/DbParams.h"

namespace kv7::web {

class LiveFeed {
 public:
  static constexpr std::chrono::milliseconds kInterval{500};

  explicit LiveFeed(store::DbParams params) : params_(std::move(params)) {}
  ~LiveFeed() { Stop(); }
  LiveFeed(const LiveFeed&) = delete;
  LiveFeed& operator=(const LiveFeed&) = delete;

  void Start();
  // Ends the reader and wakes every waiting stream.
  void Stop();

  // Waits up to `limit` for a version newer than `seen`. True with the text
  // and `seen` moved on when there is one; false on time-out or stop.
  bool WaitNewer(std::uint64_t& seen, std::string& json, std::chrono::milliseconds limit);
  bool Stopped();

 private:
  void Run();

  store::DbParams params_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::string json_;
  std::uint64_t version_ = 0;
  bool stop_ = false;
  std::thread thread_;
};

}  // namespace kv7::web
