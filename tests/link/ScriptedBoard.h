#pragma once
// A scripted controller board on the master side of a test pty: it echoes
// the bytes it receives by a rule of the test, and answers each complete
// line (up to CR) with pieces of reply separated by pauses. It records every
// byte that reached it, so tests can check the exact bytes on the wire.

#include <poll.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "link/Reporter.h"
#include "support/Pty.h"

namespace kv7::test {

struct ReplyPiece {
  std::chrono::microseconds pauseBefore{0};
  std::string bytes;
};
using Reply = std::vector<ReplyPiece>;

// One piece, sent at once.
inline Reply Now(std::string bytes) {
  return {ReplyPiece{{}, std::move(bytes)}};
}

// Echo rules.
inline std::string NoEcho(const std::string&, char) {
  return {};
}
inline std::string EchoAll(const std::string&, char b) {
  return std::string(1, b);
}
// Every byte but CR, like a board in per-byte mode.
inline std::string EchoAllButCr(const std::string&, char b) {
  return b == '\r' ? std::string() : std::string(1, b);
}

class ScriptedBoard {
 public:
  // What to echo for `byte`, given the line received so far (without it).
  using EchoRule = std::function<std::string(const std::string& lineSoFar, char byte)>;
  // The reply to a line (the line without its CR).
  using LineRule = std::function<Reply(const std::string& line)>;

  ScriptedBoard(Pty& pty, LineRule onLine, EchoRule echo = &EchoAllButCr)
      : pty_(pty), onLine_(std::move(onLine)), echo_(std::move(echo)), thread_([this] { Run(); }) {}
  ~ScriptedBoard() {
    stop_ = true;
    thread_.join();
  }
  ScriptedBoard(const ScriptedBoard&) = delete;
  ScriptedBoard& operator=(const ScriptedBoard&) = delete;

  std::string Received() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return received_;
  }
  // What was received once the line has settled for `settle`.
  std::string Settled(std::chrono::milliseconds settle = std::chrono::milliseconds(15)) const {
    std::this_thread::sleep_for(settle);
    return Received();
  }
  std::vector<std::string> Lines() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return lines_;
  }

 private:
  void Run() {
    std::string line;
    while (!stop_) {
      pollfd p{pty_.MasterFd(), POLLIN, 0};
      if (::poll(&p, 1, 2) <= 0 || !(p.revents & POLLIN)) continue;
      char buf[256];
      ssize_t n = ::read(pty_.MasterFd(), buf, sizeof buf);
      for (ssize_t i = 0; i < n && !stop_; ++i) {
        const char byte = buf[i];
        {
          std::lock_guard<std::mutex> lock(mutex_);
          received_.push_back(byte);
          if (byte == '\r') lines_.push_back(line);
        }
        std::string echo = echo_ ? echo_(line, byte) : std::string();
        if (!echo.empty()) pty_.Send(echo);
        if (byte != '\r') {
          line = byte == '\x1b' ? std::string() : line + byte;
          continue;
        }
        Reply reply = onLine_ ? onLine_(line) : Reply{};
        line.clear();
        for (const auto& piece : reply) {
          if (piece.pauseBefore.count() > 0) std::this_thread::sleep_for(piece.pauseBefore);
          if (stop_) break;
          if (!piece.bytes.empty()) pty_.Send(piece.bytes);
        }
      }
    }
  }

  Pty& pty_;
  LineRule onLine_;
  EchoRule echo_;
  mutable std::mutex mutex_;
  std::string received_;
  std::vector<std::string> lines_;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

// Records what a protocol object reports.
class RecordingReporter : public Reporter {
 public:
  struct Entry {
    std::string message;
    bool beep;
  };
  void Report(const std::string& message, bool beep) override { entries.push_back({message, beep}); }
  std::vector<std::string> Messages() const {
    std::vector<std::string> m;
    for (const auto& e : entries) m.push_back(e.message);
    return m;
  }
  std::vector<Entry> entries;
};

}  // namespace kv7::test
