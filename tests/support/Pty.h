#pragma once
// A real pseudo-terminal pair for serial tests: the code under test opens
// SlavePath() like any serial device; the test plays the other end on the
// master side.

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>
#include <string>

namespace kv7::test {

class Pty {
 public:
  Pty() {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0)
      throw std::runtime_error("cannot create a pseudo-terminal");
    slavePath_ = ::ptsname(master_);
    // Keeping the slave open here means the master never sees a hang-up
    // between two opens by the code under test, and the line is raw from
    // the start (no echo, no line editing).
    slaveKeeper_ = ::open(slavePath_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    termios t{};
    ::tcgetattr(slaveKeeper_, &t);
    ::cfmakeraw(&t);
    ::tcsetattr(slaveKeeper_, TCSANOW, &t);
  }
  ~Pty() {
    if (slaveKeeper_ >= 0) ::close(slaveKeeper_);
    if (master_ >= 0) ::close(master_);
  }
  Pty(const Pty&) = delete;
  Pty& operator=(const Pty&) = delete;

  const std::string& SlavePath() const { return slavePath_; }
  int MasterFd() const { return master_; }

  void Send(const std::string& bytes) const {
    std::size_t done = 0;
    while (done < bytes.size()) {
      ssize_t n = ::write(master_, bytes.data() + done, bytes.size() - done);
      if (n <= 0) throw std::runtime_error("pseudo-terminal write failed");
      done += static_cast<std::size_t>(n);
    }
  }

  // Reads what arrives until `want` bytes are in or `timeout` passes.
  std::string Receive(std::size_t want, std::chrono::milliseconds timeout) const {
    std::string out;
    auto deadline = std::chrono::steady_clock::now() + timeout;
    while (out.size() < want) {
      auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
      if (left.count() <= 0) break;
      pollfd p{master_, POLLIN, 0};
      if (::poll(&p, 1, static_cast<int>(left.count())) <= 0) break;
      char buf[256];
      ssize_t n = ::read(master_, buf, std::min(sizeof buf, want - out.size()));
      if (n <= 0) break;
      out.append(buf, static_cast<std::size_t>(n));
    }
    return out;
  }

 private:
  int master_ = -1;
  int slaveKeeper_ = -1;
  std::string slavePath_;
};

}  // namespace kv7::test
