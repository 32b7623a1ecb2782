#include "web/WebConfig.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace kv7::web {
namespace {

constexpr const char* kUserPrefix = "user.";

std::string Trim(const std::string& text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

int Number(const std::string& key, const std::string& value, int low, int high) {
  try {
    std::size_t used = 0;
    const int n = std::stoi(value, &used);
    if (used == value.size() && n >= low && n <= high) return n;
  } catch (const std::exception&) {
  }
  throw std::runtime_error("configuration: " + key + " is not a number from " + std::to_string(low) + " to " +
                           std::to_string(high));
}

void CheckOwnerOnly(const std::filesystem::path& file) {
  struct stat st {};
  if (::stat(file.c_str(), &st) != 0) throw std::runtime_error("configuration file " + file.string() + " not found");
  if ((st.st_mode & 077) != 0)
    throw std::runtime_error("configuration file " + file.string() +
                             " is readable by others: refused (chmod 600 it)");
}

std::vector<std::string> ReadLines(const std::filesystem::path& file) {
  std::ifstream in(file);
  if (!in) throw std::runtime_error("configuration file " + file.string() + " cannot be read");
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

void Apply(WebConfig& config, const std::string& key, const std::string& value) {
  if (key == "listen") config.listen = value;
  else if (key == "port") config.port = Number(key, value, 0, 65535);  // 0: any free port
  else if (key == "session_minutes") config.sessionMinutes = Number(key, value, 1, 60 * 24 * 31);
  else if (key == "db_host") config.db.host = value;
  else if (key == "db_port") config.db.port = static_cast<unsigned>(Number(key, value, 1, 65535));
  else if (key == "db_socket") config.db.socket = value;
  else if (key == "db_user") config.db.user = value;
  else if (key == "db_password") config.db.password = value;
  else if (key == "db_name") config.db.database = value;
  else if (key.rfind(kUserPrefix, 0) == 0 && IsUserName(key.substr(5))) config.users[key.substr(5)] = value;
  else throw std::runtime_error("configuration: unknown key " + key);
}

}  // namespace

bool IsUserName(const std::string& name) {
  return !name.empty() && name.size() <= 64 && std::all_of(name.begin(), name.end(), [](unsigned char c) {
    return std::isalnum(c) || c == '.' || c == '_' || c == '-';
  });
}

WebConfig LoadWebConfig(const std::filesystem::path& file) {
  CheckOwnerOnly(file);
  WebConfig config;
  // The archive login comes from this file only, never from the console's
  // credentials or the environment.
  config.db = store::DbParams{};
  config.db.user.clear();
  config.db.password.clear();
  for (const std::string& raw : ReadLines(file)) {
    const std::string line = Trim(raw);
    if (line.empty() || line[0] == '#') continue;
    const auto eq = line.find('=');
    if (eq == std::string::npos) throw std::runtime_error("configuration: a line without '=': " + line.substr(0, 20));
    Apply(config, Trim(line.substr(0, eq)), Trim(line.substr(eq + 1)));
  }
  return config;
}

void SaveWebUsers(const std::filesystem::path& file, const WebConfig& config) {
  std::ostringstream text;
  for (const std::string& raw : ReadLines(file)) {
    if (Trim(raw).rfind(kUserPrefix, 0) != 0) text << raw << '\n';
  }
  for (const auto& [name, hash] : config.users) text << kUserPrefix << name << " = " << hash << '\n';

  const std::string temp = file.string() + ".new";
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0) throw std::runtime_error("cannot write " + temp);
  const std::string data = text.str();
  const bool written = ::write(fd, data.data(), data.size()) == static_cast<ssize_t>(data.size()) &&
                       ::fchmod(fd, 0600) == 0 && ::fsync(fd) == 0;
  ::close(fd);
  if (!written || ::rename(temp.c_str(), file.c_str()) != 0) {
    ::unlink(temp.c_str());
    throw std::runtime_error("cannot write " + file.string());
  }
}

}  // namespace kv7::web
