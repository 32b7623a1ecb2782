#pragma once
// One serial port, opened with the boards' fixed line settings: raw 8N1, no
// flow control, exclusive, DTR and RTS raised. No framing of its own: the
// protocol classes above it do echo checks, retries and time-outs.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kv7::store {
class ConfigStore;
}

namespace kv7 {

class cPort {
 public:
  static constexpr std::size_t kMaxChunk = 600;

  // Port number n (1..99) resolves through the port map of the store
  // (section "ports", key "COMn", value a device path), defaulting to
  // /dev/ttyS<n-1>.
  cPort(std::uint8_t portNumber, std::uint32_t baud, const store::ConfigStore& portMap);
  // A device path opened as it is (kv7ctl --device, tests).
  cPort(std::string devicePath, std::uint32_t baud);
  ~cPort();
  cPort(const cPort&) = delete;
  cPort& operator=(const cPort&) = delete;

  bool Open();
  // At most the first 600 bytes go out, in one call; true when all of those did.
  bool Write(const std::string& bytes);
  // Up to maxBytes (1..600): returns as soon as that many arrived, when more
  // than 1 ms passes between two bytes after the first, or after 1 + maxBytes
  // ms in all. True when at least one byte was read; out holds what was read.
  bool Read(std::size_t maxBytes, std::string& out);
  void Close();

  bool IsOpen() const { return fd_ >= 0; }
  // True once a Read or Write found the device gone (adapter pulled out,
  // other end hung up); every later call fails until the port is reopened.
  bool Lost() const { return lost_.load(); }
  std::uint8_t PortNumber() const { return portNumber_; }
  const std::string& DevicePath() const { return devicePath_; }

  static std::string ResolveDevice(int portNumber, const store::ConfigStore& portMap);
  // The port numbers 1..99 whose device exists.
  static std::vector<int> AvailablePorts(const store::ConfigStore& portMap);

 private:
  int fd_ = -1;
  std::uint8_t portNumber_ = 0;
  std::uint32_t baud_;
  std::string devicePath_;
  bool validNumber_ = true;
  // Read by the console while a stream receiver may be reading the port.
  std::atomic<bool> lost_{false};
};

}  // namespace kv7
