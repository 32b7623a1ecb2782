#pragma once
// The barcode reader's receive thread. It owns the reader's port (porta_aux,
// 9600 baud), reads it about every two seconds, cuts the bytes into lines
// ended by CR (an LF right after the CR is dropped) and queues them for the
// console, which takes them one at a time with count() and take().
//
// The queue holds at most ten lines. When it is full, finished lines wait
// inside the thread and the thread stops reading, so the rest stays in the
// port's input buffer: no line is overwritten or dropped while the console
// drains the queue, and the oldest lines (the first one names the batch)
// always come out first.
//
// Port number 0 (no reader) or 99 and above (no port): the thread idles until
// it is terminated. Terminate() returns within one read time-out; the thread
// then closes its port. Destroying the object terminates it.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "link/cPort.h"

namespace kv7::store {
class ConfigStore;
}

namespace kv7 {

class tPolling {
 public:
  static constexpr std::uint32_t kBaud = 9600;
  static constexpr std::size_t kQueueCapacity = 10;
  static constexpr std::chrono::milliseconds kDefaultPeriod{2000};

  // `period` is the time between two read passes.
  tPolling(std::uint8_t portNumber, const store::ConfigStore& portMap,
           std::chrono::milliseconds period = kDefaultPeriod);
  explicit tPolling(std::string devicePath, std::chrono::milliseconds period = kDefaultPeriod);
  ~tPolling();
  tPolling(const tPolling&) = delete;
  tPolling& operator=(const tPolling&) = delete;

  // Opens the port and starts the thread (once). False when there is a port
  // and it did not open; the thread runs all the same and tries to open it
  // again at every pass, so a reader plugged in later is picked up.
  bool Start();
  // Tells the thread to stop and waits for it. The bytes already waiting in
  // the port get one last look, so lines that arrived just before are queued.
  void Terminate();

  // Lines waiting to be taken.
  std::size_t count() const;
  // The oldest waiting line, CR included; empty when none waits.
  std::string take();

  bool HasPort() const { return port_ != nullptr; }
  bool PortOpen() const { return portOpen_.load(); }

 private:
  void Run();
  void Pass(bool last);
  void Assemble(const std::string& bytes);
  // Moves finished lines into the queue while there is room; true when
  // none is left waiting.
  bool HandOver();
  bool StopRequested() const { return stop_.load(); }

  const std::chrono::milliseconds period_;
  std::unique_ptr<cPort> port_;  // null when there is no reader
  std::atomic<bool> portOpen_{false};

  // Shared with the console's thread.
  mutable std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<std::string> queue_;
  std::atomic<bool> stop_{false};

  // The receive thread's own.
  std::deque<std::string> finished_;  // lines not yet in the queue
  std::string partial_;
  bool dropLf_ = false;  // the last byte taken was a line's CR

  std::thread thread_;
};

}  // namespace kv7
