#pragma once
// A TCP port in front of the private database server, to play an archive
// that is down or hung: while refusing it closes every connection at once,
// while hanging it accepts and never answers, and while passing it carries
// the bytes both ways to the real server.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace kv7::test {

class ArchivePort {
 public:
  enum class Mode { Pass, Refuse, Hang };

  explicit ArchivePort(unsigned serverPort) : serverPort_(serverPort) {
    listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a = Loopback(0);
    if (listener_ < 0 || ::bind(listener_, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 ||
        ::listen(listener_, 16) != 0)
      throw std::runtime_error("no listening port for the test");
    socklen_t len = sizeof a;
    ::getsockname(listener_, reinterpret_cast<sockaddr*>(&a), &len);
    port_ = ntohs(a.sin_port);
    accepting_ = std::thread([this] { Accept(); });
  }
  ~ArchivePort() {
    stop_ = true;
    accepting_.join();  // no connection starts after this
    for (auto& t : carriers_) t.join();
    for (int fd : held_) ::close(fd);
    ::close(listener_);
  }

  unsigned Port() const { return port_; }
  void SetMode(Mode mode) { mode_ = mode; }

 private:
  static sockaddr_in Loopback(unsigned port) {
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(static_cast<std::uint16_t>(port));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return a;
  }

  bool Readable(int fd) {
    pollfd p{fd, POLLIN, 0};
    return ::poll(&p, 1, 20) > 0;
  }

  void Accept() {
    while (!stop_) {
      if (!Readable(listener_)) continue;
      const int client = ::accept(listener_, nullptr, nullptr);
      if (client < 0) continue;
      if (mode_ == Mode::Refuse) ::close(client);
      else if (mode_ == Mode::Hang) held_.push_back(client);
      else carriers_.emplace_back([this, client] { Carry(client); });
    }
  }

  void Carry(int client) {
    const int server = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a = Loopback(serverPort_);
    if (::connect(server, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0) {
      char buffer[16384];
      pollfd p[2] = {{client, POLLIN, 0}, {server, POLLIN, 0}};
      while (!stop_) {
        if (::poll(p, 2, 20) <= 0) continue;
        const bool fromClient = p[0].revents != 0;
        const int from = fromClient ? client : server, to = fromClient ? server : client;
        const ssize_t n = ::read(from, buffer, sizeof buffer);
        if (n <= 0 || ::write(to, buffer, static_cast<std::size_t>(n)) != n) break;
      }
    }
    ::close(server);
    ::close(client);
  }

  unsigned serverPort_;
  int listener_ = -1;
  unsigned port_ = 0;
  std::atomic<bool> stop_{false};
  std::atomic<Mode> mode_{Mode::Pass};
  std::vector<int> held_;                // accepting thread only
  std::vector<std::thread> carriers_;    // accepting thread only
  std::thread accepting_;
};

}  // namespace kv7::test
