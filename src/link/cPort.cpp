#include "link/cPort.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <fstream>
#include <string_view>

#include "store/ConfigStore.h"

namespace kv7 {
namespace {

using Clock = std::chrono::steady_clock;

bool BaudToSpeed(std::uint32_t baud, speed_t& speed) {
  switch (baud) {
    case 1200:
      speed = B1200;
      return true;
    case 2400:
      speed = B2400;
      return true;
    case 4800:
      speed = B4800;
      return true;
    case 9600:
      speed = B9600;
      return true;
    case 19200:
      speed = B19200;
      return true;
    case 38400:
      speed = B38400;
      return true;
    case 57600:
      speed = B57600;
      return true;
    case 115200:
      speed = B115200;
      return true;
    case 230400:
      speed = B230400;
      return true;
    default:
      return false;
  }
}

// ptys and some adapters have no modem lines; that is a line without
// modem control, not a broken port.
bool ModemCallOk(int rc) {
  return rc == 0 || errno == ENOTTY || errno == EINVAL;
}

bool SetModemLine(int fd, int line, bool raise) {
  return ModemCallOk(::ioctl(fd, raise ? TIOCMBIS : TIOCMBIC, &line));
}

// Errors after which the device is gone for good (adapter pulled out,
// pty master closed).
bool IsLossError(int err) {
  return err == EIO || err == ENXIO || err == ENODEV || err == EBADF;
}

// Waits for `events` until `deadline`; sub-millisecond precision matters
// for the 1 ms gap between bytes.
int PollUntil(int fd, short events, Clock::time_point deadline, short& revents) {
  for (;;) {
    auto left = deadline - Clock::now();
    if (left < Clock::duration::zero()) left = Clock::duration::zero();
    auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
    timespec ts{static_cast<time_t>(ns / 1000000000), static_cast<long>(ns % 1000000000)};
    pollfd p{fd, events, 0};
    int rc = ::ppoll(&p, 1, &ts, nullptr);
    if (rc < 0 && errno == EINTR) continue;
    revents = p.revents;
    return rc;
  }
}

}  // namespace

cPort::cPort(std::uint8_t portNumber, std::uint32_t baud, const store::ConfigStore& portMap)
    : portNumber_(portNumber),
      baud_(baud),
      devicePath_(ResolveDevice(portNumber, portMap)),
      validNumber_(portNumber >= 1 && portNumber <= 99) {}

cPort::cPort(std::string devicePath, std::uint32_t baud) : baud_(baud), devicePath_(std::move(devicePath)) {}

cPort::~cPort() {
  Close();
}

bool cPort::Open() {
  if (fd_ >= 0) Close();
  lost_ = false;
  if (!validNumber_ || devicePath_.empty()) return false;
  speed_t speed;
  if (!BaudToSpeed(baud_, speed)) return false;

  int fd = ::open(devicePath_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  // TIOCEXCL keeps other openers out but not root; the lock holds for
  // everybody who opens through this class (and other well-behaved tools).
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || !::isatty(fd)) {
    ::close(fd);
    return false;
  }
  if (::ioctl(fd, TIOCEXCL) != 0) {
    ::close(fd);
    return false;
  }

  termios t{};
  bool ok = ::tcgetattr(fd, &t) == 0;
  if (ok) {
    t.c_iflag &= ~static_cast<tcflag_t>(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON |
                                        IXOFF | IXANY | INPCK);
    t.c_oflag &= ~static_cast<tcflag_t>(OPOST);
    t.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    // 8N1: the boards talk without parity whatever the port was left with.
    t.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
    t.c_cflag |= CS8 | CLOCAL | CREAD;
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    ok = ::cfsetispeed(&t, speed) == 0 && ::cfsetospeed(&t, speed) == 0 && ::tcsetattr(fd, TCSANOW, &t) == 0;
  }
  ok = ok && SetModemLine(fd, TIOCM_DTR, true) && SetModemLine(fd, TIOCM_RTS, true);
  // Start from empty queues, as a freshly opened port does: nothing left
  // over from an earlier owner is taken for a reply.
  if (ok) ::tcflush(fd, TCIOFLUSH);
  if (!ok) {
    ::ioctl(fd, TIOCNXCL);
    ::close(fd);
    return false;
  }
  fd_ = fd;
  return true;
}

bool cPort::Write(const std::string& bytes) {
  if (fd_ < 0) return false;
  const std::size_t count = bytes.size() < kMaxChunk ? bytes.size() : kMaxChunk;
  // Enough for twice the line time of the chunk plus a margin: a port that
  // takes longer is stuck, not slow.
  const auto lineTime = std::chrono::microseconds(count * 10ULL * 1000000ULL / (baud_ ? baud_ : 1));
  const auto deadline = Clock::now() + 2 * lineTime + std::chrono::milliseconds(1000);
  std::size_t done = 0;
  while (done < count) {
    ssize_t n = ::write(fd_, bytes.data() + done, count - done);
    if (n > 0) {
      done += static_cast<std::size_t>(n);
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno != EAGAIN) {
      if (IsLossError(errno)) lost_ = true;
      return false;
    }
    short revents = 0;
    if (PollUntil(fd_, POLLOUT, deadline, revents) <= 0) return false;
    if (revents & (POLLHUP | POLLERR | POLLNVAL)) {
      lost_ = true;
      return false;
    }
  }
  return true;
}

bool cPort::Read(std::size_t maxBytes, std::string& out) {
  out.clear();
  if (fd_ < 0 || maxBytes == 0) return false;
  if (maxBytes > kMaxChunk) maxBytes = kMaxChunk;
  char buf[kMaxChunk];
  const auto start = Clock::now();
  const auto total = start + std::chrono::milliseconds(1 + maxBytes);
  const auto gap = std::chrono::milliseconds(1);
  auto lastByte = start;
  while (out.size() < maxBytes) {
    ssize_t n = ::read(fd_, buf, maxBytes - out.size());
    if (n > 0) {
      out.append(buf, static_cast<std::size_t>(n));
      lastByte = Clock::now();
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    // With VMIN = VTIME = 0 an empty line reads as 0 bytes, so only the
    // errors and poll's hang-up flags say that the device is gone.
    if (n < 0 && errno != EAGAIN) {
      if (IsLossError(errno)) lost_ = true;
      break;
    }
    auto deadline = total;
    if (!out.empty() && lastByte + gap < deadline) deadline = lastByte + gap;
    if (Clock::now() >= deadline) break;
    short revents = 0;
    if (PollUntil(fd_, POLLIN, deadline, revents) <= 0) break;
    if (revents & (POLLHUP | POLLERR | POLLNVAL)) {
      n = ::read(fd_, buf, maxBytes - out.size());
      if (n > 0) out.append(buf, static_cast<std::size_t>(n));
      lost_ = true;
      break;
    }
  }
  return !out.empty();
}

void cPort::Close() {
  if (fd_ < 0) return;
  // Lowering the lines may fail on a port that was pulled out; the
  // descriptor is released all the same so the device is not held.
  SetModemLine(fd_, TIOCM_RTS, false);
  SetModemLine(fd_, TIOCM_DTR, false);
  ::ioctl(fd_, TIOCNXCL);
  ::close(fd_);
  fd_ = -1;
}

std::string cPort::ResolveDevice(int portNumber, const store::ConfigStore& portMap) {
  if (portNumber < 1 || portNumber > 99) return {};
  const std::string fallback = "/dev/ttyS" + std::to_string(portNumber - 1);
  return portMap.ReadString("ports", "COM" + std::to_string(portNumber), fallback);
}

namespace {

// /dev/ttyS nodes exist whether or not a UART sits behind them; the kernel
// reports type 0 for the empty ones.
bool HasHardware(const std::string& device) {
  char* real = ::realpath(device.c_str(), nullptr);
  if (real == nullptr) return false;
  std::string_view path(real);
  std::string name(path.substr(path.rfind('/') + 1));
  std::free(real);
  std::ifstream type("/sys/class/tty/" + name + "/type");
  int value = -1;
  if (type && (type >> value) && value == 0) return false;
  return true;
}

}  // namespace

std::vector<int> cPort::AvailablePorts(const store::ConfigStore& portMap) {
  std::vector<int> found;
  for (int n = 1; n <= 99; ++n) {
    const std::string device = ResolveDevice(n, portMap);
    struct stat st {};
    if (::stat(device.c_str(), &st) == 0 && S_ISCHR(st.st_mode) && HasHardware(device)) found.push_back(n);
  }
  return found;
}

}  // namespace kv7
