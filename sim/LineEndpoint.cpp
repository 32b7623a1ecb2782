#include "LineEndpoint.h"

#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace kv7::sim {

namespace {
void MakeRaw(int fd) {
  termios t{};
  if (::tcgetattr(fd, &t) != 0) return;
  ::cfmakeraw(&t);
  ::tcsetattr(fd, TCSANOW, &t);
}
}  // namespace

LineEndpoint::~LineEndpoint() { Close(); }

void LineEndpoint::Close() {
  if (slaveKeeper_ >= 0) ::close(slaveKeeper_);
  if (fd_ >= 0) ::close(fd_);
  slaveKeeper_ = fd_ = -1;
  out_.clear();
}

bool LineEndpoint::OpenPty(std::string& error) {
  fd_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
  if (fd_ < 0 || ::grantpt(fd_) != 0 || ::unlockpt(fd_) != 0) {
    error = name_ + ": cannot create a pseudo-terminal: " + std::strerror(errno);
    return false;
  }
  const char* name = ::ptsname(fd_);
  if (!name) {
    error = name_ + ": no slave name";
    return false;
  }
  path_ = name;
  // Our own open slave keeps the master from seeing a hang-up whenever the
  // console closes its port, and sets the line raw before anyone opens it.
  slaveKeeper_ = ::open(path_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
  if (slaveKeeper_ < 0) {
    error = name_ + ": cannot open " + path_ + ": " + std::strerror(errno);
    return false;
  }
  MakeRaw(slaveKeeper_);
  isPty_ = true;
  return true;
}

bool LineEndpoint::OpenDevice(const std::string& path, std::string& error) {
  fd_ = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
  if (fd_ < 0) {
    error = name_ + ": cannot open " + path + ": " + std::strerror(errno);
    return false;
  }
  if (::isatty(fd_)) MakeRaw(fd_);
  path_ = path;
  isPty_ = false;
  return true;
}

void LineEndpoint::SetConnected(bool on) {
  connected_ = on;
  if (!on) out_.clear();
}

std::string LineEndpoint::ReadAvailable() {
  std::string in;
  if (fd_ < 0) return in;
  char buf[1024];
  for (;;) {
    ssize_t n = ::read(fd_, buf, sizeof buf);
    if (n > 0) {
      in.append(buf, static_cast<std::size_t>(n));
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    break;  // EAGAIN: nothing more; EIO: nobody on the other side
  }
  bytesIn_ += in.size();
  if (!connected_) in.clear();
  return in;
}

void LineEndpoint::Send(const std::string& bytes, Clock::time_point notBefore, bool force) {
  if (bytes.empty() || !connected_ || (silent_ && !force)) return;
  out_.push_back({bytes, notBefore});
}

std::size_t LineEndpoint::Queued() const {
  std::size_t n = 0;
  for (auto& c : out_) n += c.bytes.size();
  return n;
}

bool LineEndpoint::WriteSome(const char* data, std::size_t n, std::size_t& written) {
  written = 0;
  ssize_t w = ::write(fd_, data, n);
  if (w > 0) {
    written = static_cast<std::size_t>(w);
    return true;
  }
  if (w < 0 && errno == EAGAIN && isPty_) {
    // The console's side is full: nobody has read this line for a long
    // while. Old bytes are worth nothing to a reader that comes later.
    ::tcflush(slaveKeeper_, TCIFLUSH);
    w = ::write(fd_, data, n);
    if (w > 0) {
      written = static_cast<std::size_t>(w);
      return true;
    }
  }
  return w < 0 && (errno == EAGAIN || errno == EINTR);
}

LineEndpoint::Clock::time_point LineEndpoint::Flush(Clock::time_point now) {
  // 8N1: ten bit times per byte.
  const auto bytePeriod = std::chrono::nanoseconds(10'000'000'000LL / std::max(1u, baud_));
  while (!out_.empty() && fd_ >= 0) {
    Chunk& head = out_.front();
    if (head.notBefore > now) return head.notBefore;
    std::size_t allowed = head.bytes.size();
    if (pacing_) {
      if (nextByteAt_ + bytePeriod < now) nextByteAt_ = now;  // idle time is not banked
      if (nextByteAt_ > now) return nextByteAt_;
      allowed = std::min<std::size_t>(allowed, 1 + static_cast<std::size_t>((now - nextByteAt_) / bytePeriod));
    }
    std::size_t written = 0;
    if (!WriteSome(head.bytes.data(), allowed, written)) {
      out_.pop_front();  // the device is gone for good: drop what it cannot take
      continue;
    }
    if (written == 0) return now + std::chrono::milliseconds(5);  // full: try again shortly
    bytesOut_ += written;
    if (pacing_) nextByteAt_ += bytePeriod * static_cast<long>(written);
    head.bytes.erase(0, written);
    if (head.bytes.empty()) out_.pop_front();
  }
  return Clock::time_point::max();
}

}  // namespace kv7::sim
