#pragma once
// Where control commands come from: standard input and, optionally, a local
// (unix) stream socket that scripts and tests connect to. One command per
// line; each reply is written back to where its command came from.

#include <poll.h>

#include <functional>
#include <string>
#include <vector>

namespace kv7::sim {

class ControlChannel {
 public:
  // Takes one command line, returns the whole reply text.
  using Handler = std::function<std::string(const std::string&)>;

  ~ControlChannel();
  bool Listen(const std::string& socketPath, std::string& error);
  void UseStdin(bool on) { stdinOpen_ = on; }

  // The descriptors to watch; Service handles what poll reported on them.
  void AddPollFds(std::vector<pollfd>& fds) const;
  void Service(const std::vector<pollfd>& fds, const Handler& handler);
  const std::string& SocketPath() const { return socketPath_; }

 private:
  struct Client {
    int fd;
    std::string partial;
  };
  void HandleInput(int fd, std::string& partial, const Handler& handler, bool& closed);
  static void WriteAll(int fd, const std::string& text);

  int listenFd_ = -1;
  std::string socketPath_;
  bool stdinOpen_ = false;
  std::string stdinPartial_;
  std::vector<Client> clients_;
};

}  // namespace kv7::sim
