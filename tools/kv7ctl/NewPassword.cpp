#include "NewPassword.h"

#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cstdio>
#include <iostream>

#include "store/FileIo.h"

namespace kv7ctl {
namespace {

std::string FirstLine(const std::string& text) {
  std::string line = text.substr(0, text.find('\n'));
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

// Echo off while the password is typed at a terminal, back on afterwards.
class QuietTerminal {
 public:
  QuietTerminal() : active_(::isatty(STDIN_FILENO) && ::tcgetattr(STDIN_FILENO, &saved_) == 0) {
    if (!active_) return;
    termios quiet = saved_;
    quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
    ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
  }
  ~QuietTerminal() {
    if (active_) ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved_);
  }
  QuietTerminal(const QuietTerminal&) = delete;
  QuietTerminal& operator=(const QuietTerminal&) = delete;
  bool Active() const { return active_; }

 private:
  termios saved_{};
  bool active_;
};

std::optional<std::string> Typed(const std::string& prompt, const QuietTerminal& terminal) {
  if (terminal.Active()) std::fprintf(stderr, "%s", prompt.c_str());
  std::string line;
  const bool got = static_cast<bool>(std::getline(std::cin, line));
  if (terminal.Active()) std::fprintf(stderr, "\n");
  if (!got) return std::nullopt;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

}  // namespace

std::optional<std::string> PasswordFromFile(const std::string& file, std::string& why) {
  struct stat st {};
  if (::stat(file.c_str(), &st) == 0 && (st.st_mode & (S_IRWXG | S_IRWXO)) != 0) {
    why = file + ": others may read it; make it the owner's only (chmod 600)";
    return std::nullopt;
  }
  std::string bytes;
  if (auto error = kv7::store::ReadWholeFile(file, bytes)) {
    why = file + ": " + error.message();
    return std::nullopt;
  }
  std::string password = FirstLine(bytes);
  if (password.empty()) {
    why = file + ": the first line is empty";
    return std::nullopt;
  }
  return password;
}

std::optional<std::string> PasswordTypedTwice(const std::string& prompt, std::string& why) {
  QuietTerminal terminal;
  auto first = Typed(prompt + ": ", terminal);
  auto second = first ? Typed(prompt + " (again): ", terminal) : std::nullopt;
  if (!first || !second) {
    why = "the password must be given twice on standard input";
    return std::nullopt;
  }
  if (*first != *second) {
    why = "the two passwords differ";
    return std::nullopt;
  }
  if (first->empty()) {
    why = "the password is empty";
    return std::nullopt;
  }
  return first;
}

}  // namespace kv7ctl
