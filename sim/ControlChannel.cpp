#include "ControlChannel.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace kv7::sim {

ControlChannel::~ControlChannel() {
  for (auto& c : clients_) ::close(c.fd);
  if (listenFd_ >= 0) {
    ::close(listenFd_);
    ::unlink(socketPath_.c_str());
  }
}

bool ControlChannel::Listen(const std::string& path, std::string& error) {
  sockaddr_un addr{};
  if (path.size() >= sizeof addr.sun_path) {
    error = "control socket path too long: " + path;
    return false;
  }
  addr.sun_family = AF_UNIX;
  std::memcpy(addr.sun_path, path.c_str(), path.size() + 1);
  listenFd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (listenFd_ < 0) {
    error = std::string("cannot create the control socket: ") + std::strerror(errno);
    return false;
  }
  // A socket file left by a simulator that died is replaced; a live one is not.
  if (::connect(listenFd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0) {
    error = "another simulator answers on " + path;
    ::close(listenFd_);
    listenFd_ = -1;
    return false;
  }
  ::unlink(path.c_str());
  if (::bind(listenFd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 || ::listen(listenFd_, 8) != 0) {
    error = "cannot listen on " + path + ": " + std::strerror(errno);
    ::close(listenFd_);
    listenFd_ = -1;
    return false;
  }
  socketPath_ = path;
  return true;
}

void ControlChannel::AddPollFds(std::vector<pollfd>& fds) const {
  if (stdinOpen_) fds.push_back({STDIN_FILENO, POLLIN, 0});
  if (listenFd_ >= 0) fds.push_back({listenFd_, POLLIN, 0});
  for (auto& c : clients_) fds.push_back({c.fd, POLLIN, 0});
}

void ControlChannel::WriteAll(int fd, const std::string& text) {
  std::size_t done = 0;
  int stalls = 0;
  while (done < text.size()) {
    ssize_t n = fd == STDOUT_FILENO ? ::write(fd, text.data() + done, text.size() - done)
                                    : ::send(fd, text.data() + done, text.size() - done, MSG_NOSIGNAL);
    if (n > 0) {
      done += static_cast<std::size_t>(n);
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno == EAGAIN && ++stalls < 100) {
      pollfd p{fd, POLLOUT, 0};
      ::poll(&p, 1, 10);
      continue;
    }
    return;  // a reader that went away or stopped reading loses its reply
  }
}

void ControlChannel::HandleInput(int fd, std::string& partial, const Handler& handler, bool& closed) {
  char buf[4096];
  ssize_t n = ::read(fd, buf, sizeof buf);
  if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR)) {
    closed = true;
    return;
  }
  if (n < 0) return;
  partial.append(buf, static_cast<std::size_t>(n));
  std::size_t nl;
  while ((nl = partial.find('\n')) != std::string::npos) {
    std::string line = partial.substr(0, nl);
    partial.erase(0, nl + 1);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::string reply = handler(line);
    WriteAll(fd == STDIN_FILENO ? STDOUT_FILENO : fd, reply);
  }
  if (partial.size() > 65536) closed = true;  // not a command stream
}

void ControlChannel::Service(const std::vector<pollfd>& fds, const Handler& handler) {
  for (const pollfd& p : fds) {
    if (!(p.revents & (POLLIN | POLLHUP | POLLERR))) continue;
    if (stdinOpen_ && p.fd == STDIN_FILENO) {
      bool closed = false;
      HandleInput(p.fd, stdinPartial_, handler, closed);
      // End of input (a script started us with </dev/null): go on without it.
      if (closed) stdinOpen_ = false;
    } else if (p.fd == listenFd_) {
      int c = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
      if (c >= 0) clients_.push_back({c, {}});
    } else {
      auto it = std::find_if(clients_.begin(), clients_.end(), [&](const Client& c) { return c.fd == p.fd; });
      if (it == clients_.end()) continue;
      bool closed = false;
      HandleInput(it->fd, it->partial, handler, closed);
      if (closed) {
        // The handler may have added or removed clients; look the fd up again.
        it = std::find_if(clients_.begin(), clients_.end(), [&](const Client& c) { return c.fd == p.fd; });
        if (it != clients_.end()) {
          ::close(it->fd);
          clients_.erase(it);
        }
      }
    }
  }
}

}  // namespace kv7::sim
