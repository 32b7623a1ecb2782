#pragma once
// A running kv7-sim for tests: started as a child process, its line paths
// read from its start-up lines, driven through its control socket, ended
// with SIGTERM. SimLine is an independent client on one of its lines.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <map>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace kv7::simtest {

using namespace std::chrono_literals;

inline std::string ReadFor(int fd, std::chrono::milliseconds total, std::size_t want = SIZE_MAX,
                           const std::string& until = {}) {
  std::string out;
  auto deadline = std::chrono::steady_clock::now() + total;
  while (out.size() < want) {
    if (!until.empty() && out.size() >= until.size() &&
        out.compare(out.size() - until.size(), until.size(), until) == 0)
      break;
    auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) break;
    pollfd p{fd, POLLIN, 0};
    if (::poll(&p, 1, static_cast<int>(left.count())) <= 0) break;
    char buf[512];
    std::size_t n = std::min(sizeof buf, want - out.size());
    ssize_t r = ::read(fd, buf, n);
    if (r <= 0) break;
    out.append(buf, static_cast<std::size_t>(r));
  }
  return out;
}

// "key=value" lines into a map; other lines are skipped.
inline std::map<std::string, std::string> KeyValues(const std::string& text) {
  std::map<std::string, std::string> m;
  for (std::size_t pos = 0, nl; pos < text.size(); pos = nl == std::string::npos ? text.size() : nl + 1) {
    nl = text.find('\n', pos);
    const std::string line = text.substr(pos, nl - pos);
    if (auto eq = line.find('='); eq != std::string::npos) m[line.substr(0, eq)] = line.substr(eq + 1);
  }
  return m;
}

class SimLine {
 public:
  explicit SimLine(const std::string& path) {
    fd_ = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (fd_ < 0) throw std::runtime_error("cannot open " + path);
    termios t{};
    ::tcgetattr(fd_, &t);
    ::cfmakeraw(&t);
    ::tcsetattr(fd_, TCSANOW, &t);
  }
  ~SimLine() {
    if (fd_ >= 0) ::close(fd_);
  }
  SimLine(const SimLine&) = delete;
  SimLine& operator=(const SimLine&) = delete;

  void Write(const std::string& bytes) {
    if (::write(fd_, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()))
      throw std::runtime_error("line write failed");
  }
  std::string Read(std::size_t want, std::chrono::milliseconds timeout = 1000ms) {
    return ReadFor(fd_, timeout, want);
  }
  std::string ReadLine(std::chrono::milliseconds timeout = 1000ms) {
    return ReadFor(fd_, timeout, SIZE_MAX, "\r");
  }
  // Everything that arrives until the line has been quiet for `quiet`.
  std::string Drain(std::chrono::milliseconds quiet = 150ms) {
    std::string all;
    for (;;) {
      std::string got = ReadFor(fd_, quiet);
      if (got.empty()) return all;
      all += got;
    }
  }
  // Sends a command the way the console's per-byte transmit does: each byte
  // alone, waiting for its echo; returns the echo bytes seen.
  std::string SendEchoed(const std::string& command) {
    std::string echo;
    for (char b : command) {
      Write(std::string(1, b));
      if (b != '\r') echo += Read(1, 500ms);
    }
    return echo;
  }

 private:
  int fd_ = -1;
};

class SimProcess {
 public:
  explicit SimProcess(std::vector<std::string> args, std::map<std::string, std::string> env = {}) {
    char dir[] = "/tmp/kv7simtest.XXXXXX";
    dir_ = ::mkdtemp(dir);
    socket_ = dir_ + "/sim.sock";
    args.insert(args.begin(), {KV7_SIM_BINARY, "--no-stdin", "--control", socket_});
    int out[2];
    if (::pipe2(out, O_CLOEXEC) != 0) throw std::runtime_error("pipe");
    const pid_t parent = ::getpid();
    pid_ = ::fork();
    if (pid_ == 0) {
      // A test that crashes or is killed on its time-out must not leave its
      // simulator running: it ends with the test process.
      ::prctl(PR_SET_PDEATHSIG, SIGTERM);
      if (::getppid() != parent) ::_exit(127);
      ::dup2(out[1], STDOUT_FILENO);
      for (auto& [k, v] : env) ::setenv(k.c_str(), v.c_str(), 1);
      std::vector<char*> argv;
      for (auto& a : args) argv.push_back(a.data());
      argv.push_back(nullptr);
      ::execv(argv[0], argv.data());
      ::_exit(127);
    }
    ::close(out[1]);
    stdout_ = out[0];
    std::string text = ReadFor(stdout_, 5000ms, SIZE_MAX, "ready\n");
    if (text.find("ready\n") == std::string::npos) throw std::runtime_error("kv7-sim did not start: " + text);
    startup_ = KeyValues(text);
  }
  ~SimProcess() {
    if (pid_ > 0) {
      ::kill(pid_, SIGTERM);
      int status = 0;
      ::waitpid(pid_, &status, 0);
    }
    if (stdout_ >= 0) ::close(stdout_);
    ::unlink(socket_.c_str());
    ::rmdir(dir_.c_str());
  }
  SimProcess(const SimProcess&) = delete;
  SimProcess& operator=(const SimProcess&) = delete;

  std::string Path(const std::string& line) const { return startup_.at(line); }
  const std::map<std::string, std::string>& Startup() const { return startup_; }

  // One control command; the reply without its final "ok" line. Throws on "error".
  std::string Control(const std::string& command) {
    int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::strncpy(addr.sun_path, socket_.c_str(), sizeof addr.sun_path - 1);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
      ::close(fd);
      throw std::runtime_error("no control socket");
    }
    std::string line = command + "\n";
    ::send(fd, line.data(), line.size(), MSG_NOSIGNAL);
    std::string reply;
    for (;;) {
      std::string got = ReadFor(fd, 3000ms, SIZE_MAX, "\n");
      if (got.empty()) break;
      reply += got;
      if (reply.size() >= 3 && reply.compare(reply.size() - 3, 3, "ok\n") == 0 &&
          (reply.size() == 3 || reply[reply.size() - 4] == '\n'))
        break;
      if (reply.find("error:") != std::string::npos && reply.back() == '\n') break;
    }
    ::close(fd);
    if (reply.find("error:") != std::string::npos) throw std::runtime_error(command + ": " + reply);
    return reply.substr(0, reply.size() - 3);
  }
  // Waits until a status value stops changing (what the machine had in
  // flight when it stopped still arrives a moment later).
  std::string Settled(const std::string& key) {
    std::string last;
    for (int i = 0; i < 40; ++i) {
      std::string now = Status()[key];
      if (i > 0 && now == last) break;
      last = now;
      std::this_thread::sleep_for(150ms);
    }
    return last;
  }
  std::map<std::string, std::string> Status() { return KeyValues(Control("status")); }

 private:
  pid_t pid_ = -1;
  int stdout_ = -1;
  std::string dir_;
  std::string socket_;
  std::map<std::string, std::string> startup_;
};

}  // namespace kv7::simtest
