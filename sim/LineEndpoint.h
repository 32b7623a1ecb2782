#pragma once
// One serial line of the simulated machine: a pseudo-terminal the console
// opens like a serial device, or a device path given on the command line.
// The board's own end keeps the pseudo-terminal's other side open for the
// whole run, so the console may close and reopen its port at will.
// Output goes through a queue with "not before" times (reply delays) and,
// when pacing is on, leaves at the line's baud rate.
//
// Faults: "silent" drops everything the board would send; "disconnected"
// also throws away everything that arrives (the cable is pulled) while the
// device path stays the same, so the console finds the line again on
// reconnection.

#include <chrono>
#include <deque>
#include <string>

namespace kv7::sim {

class LineEndpoint {
 public:
  using Clock = std::chrono::steady_clock;

  LineEndpoint(std::string name, unsigned baud) : name_(std::move(name)), baud_(baud) {}
  ~LineEndpoint();
  LineEndpoint(const LineEndpoint&) = delete;
  LineEndpoint& operator=(const LineEndpoint&) = delete;

  bool OpenPty(std::string& error);
  bool OpenDevice(const std::string& path, std::string& error);
  void Close();

  const std::string& Name() const { return name_; }
  const std::string& Path() const { return path_; }
  int Fd() const { return fd_; }

  // What arrived (nothing while disconnected).
  std::string ReadAvailable();
  // Queue bytes; `force` sends them even while silent (line noise).
  void Send(const std::string& bytes, Clock::time_point notBefore, bool force = false);
  // Writes what is due; returns when the next byte is due, or max() when idle.
  Clock::time_point Flush(Clock::time_point now);
  std::size_t Queued() const;
  // Forgets what has not left yet (a board that stops streaming).
  void DropQueued() { out_.clear(); }

  void SetPacing(bool on) { pacing_ = on; }
  void SetSilent(bool on) { silent_ = on; }
  void SetConnected(bool on);
  bool Silent() const { return silent_; }
  bool Connected() const { return connected_; }
  unsigned Baud() const { return baud_; }
  std::uint64_t BytesIn() const { return bytesIn_; }
  std::uint64_t BytesOut() const { return bytesOut_; }

 private:
  struct Chunk {
    std::string bytes;
    Clock::time_point notBefore;
  };
  bool WriteSome(const char* data, std::size_t n, std::size_t& written);

  std::string name_;
  unsigned baud_;
  std::string path_;
  int fd_ = -1;
  int slaveKeeper_ = -1;
  bool isPty_ = false;
  bool pacing_ = false;
  bool silent_ = false;
  bool connected_ = true;
  std::deque<Chunk> out_;
  Clock::time_point nextByteAt_{};
  std::uint64_t bytesIn_ = 0;
  std::uint64_t bytesOut_ = 0;
};

}  // namespace kv7::sim
