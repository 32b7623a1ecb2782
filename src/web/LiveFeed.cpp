#include "web/LiveFeed.h"

#include <iostream>

#include "store/Database.h"
#include "live/LiveArchive.h"
#include "live/LiveJson.h"

namespace kv7::web {


void LiveFeed::Start() {
  thread_ = std::thread([this] { Run(); });
}

void LiveFeed::Stop() {
  {
    std::lock_guard lock(mutex_);
    stop_ = true;
  }
  changed_.notify_all();
  if (thread_.joinable()) thread_.join();
}

bool LiveFeed::Stopped() {
  std::lock_guard lock(mutex_);
  return stop_;
}

bool LiveFeed::WaitNewer(std::uint64_t& seen, std::string& json, std::chrono::milliseconds limit) {
  std::unique_lock lock(mutex_);
  if (!changed_.wait_for(lock, limit, [&] { return stop_ || version_ > seen; }) || stop_) return false;
  seen = version_;
  json = json_;
  return true;
}

void LiveFeed::Run() {
  store::Database db(params_);
  std::unique_lock lock(mutex_);
  while (!stop_) {
    lock.unlock();
    std::string json;
    try {
      json = "{\"machines\":" + live::ToJson(live::LoadLiveRows(db)) + ",\"error\":false}";
    } catch (const std::exception& e) {
      db.Disconnect();
      json = "{\"machines\":[],\"error\":true}";
      if (json != json_) std::cerr << "kv7-web: the live rows cannot be read: " << e.what() << std::endl;
    }
    lock.lock();
    if (json != json_) {
      json_ = std::move(json);
      ++version_;
      changed_.notify_all();
    }
    changed_.wait_for(lock, kInterval, [this] { return stop_; });
  }
}

}  // namespace kv7::web
