#include "web/LiveFeed.h"

#include <iostream>

#include "store/Database.h"
#include "web/Escape.h"

namespace kv7::web {
namespace {

// The age is taken on the server, the clock `aggiornato` was written with.
constexpr const char* kLiveSql =
    "SELECT machine, DATE_FORMAT(aggiornato, '%Y-%m-%d %H:%i:%s.%f') AS quando, "
    "TIMESTAMPDIFF(MICROSECOND, aggiornato, NOW(3)) DIV 1000 AS eta_ms, stato, programma, programma_nome, "
    "bolla, produttore, tazze_min, produzione, in_attesa, dati FROM kv7_live ORDER BY machine";

std::string MachineJson(const store::DbRow& row) {
  const bool answering = row.Int("eta_ms") <= LiveFeed::kSilentAfterMs;
  return "{\"machine\":" + std::to_string(row.Int("machine")) + ",\"answering\":" + (answering ? "true" : "false") +
         ",\"updated\":" + JsonString(row.Text("quando")) + ",\"state\":" + JsonString(row.Text("stato")) +
         ",\"program\":" + JsonString(row.Text("programma")) +
         ",\"programName\":" + JsonString(row.Text("programma_nome")) + ",\"batch\":" + JsonString(row.Text("bolla")) +
         ",\"producer\":" + JsonString(row.Text("produttore")) + ",\"cupRate\":" + std::to_string(row.Int("tazze_min")) +
         ",\"production\":" + std::to_string(row.Int("produzione")) +
         ",\"waiting\":" + std::to_string(row.Int("in_attesa")) + ",\"data\":" + JsonString(row.Text("dati")) + "}";
}

}  // namespace

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
      json = "{\"machines\":[";
      bool first = true;
      for (const store::DbRow& row : db.Connection().Query(kLiveSql)) {
        json += (first ? "" : ",") + MachineJson(row);
        first = false;
      }
      json += "],\"error\":false}";
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
