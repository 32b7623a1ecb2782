#include "web/UserCommand.h"

#include <termios.h>
#include <unistd.h>

#include <fstream>
#include <iostream>
#include <stdexcept>

#include "store/PasswordHash.h"
#include "web/WebConfig.h"

namespace kv7::web {
namespace {

std::string ReadLine(const char* prompt) {
  const bool terminal = ::isatty(STDIN_FILENO);
  termios saved{};
  if (terminal) {
    std::cerr << prompt << std::flush;
    ::tcgetattr(STDIN_FILENO, &saved);
    termios quiet = saved;
    quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
    ::tcsetattr(STDIN_FILENO, TCSANOW, &quiet);
  }
  std::string line;
  const bool got = static_cast<bool>(std::getline(std::cin, line));
  if (terminal) {
    ::tcsetattr(STDIN_FILENO, TCSANOW, &saved);
    std::cerr << '\n';
  }
  if (!got) throw std::runtime_error("no password given");
  return line;
}

std::string NewPassword(const std::vector<std::string>& args) {
  std::string password;
  if (args.size() == 4 && args[2] == "--password-file") {
    std::ifstream in(args[3]);
    if (!in || !std::getline(in, password)) throw std::runtime_error("cannot read " + args[3]);
  } else {
    password = ReadLine("Password: ");
    if (ReadLine("Password again: ") != password) throw std::runtime_error("the two passwords differ");
  }
  if (!password.empty() && password.back() == '\r') password.pop_back();
  if (password.size() < 8) throw std::runtime_error("a password has at least 8 characters");
  return password;
}

}  // namespace

int RunUserCommand(const std::filesystem::path& file, const std::vector<std::string>& args) {
  try {
    WebConfig config = LoadWebConfig(file);
    const std::string verb = args.empty() ? "" : args[0];
    if (verb == "list" && args.size() == 1) {
      for (const auto& entry : config.users) std::cout << entry.first << '\n';
      return 0;
    }
    const bool add = verb == "add" && (args.size() == 2 || args.size() == 4);
    if (!add && !(verb == "remove" && args.size() == 2)) {
      std::cerr << "usage: kv7-web [--config FILE] user add NAME [--password-file FILE] | remove NAME | list\n";
      return 2;
    }
    const std::string& name = args[1];
    if (!IsUserName(name)) throw std::runtime_error("a user name has letters, digits, '.', '_' and '-' only");
    if (add) {
      config.users[name] = store::password_hash::Hash(NewPassword(args));
    } else if (config.users.erase(name) == 0) {
      throw std::runtime_error("no user " + name);
    }
    SaveWebUsers(file, config);
    std::cout << (add ? "user " + name + " saved\n" : "user " + name + " removed\n");
    return 0;
  } catch (const std::exception& e) {
    std::cerr << "kv7-web: " << e.what() << '\n';
    return 1;
  }
}

}  // namespace kv7::web
