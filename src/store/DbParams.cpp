#include "store/DbParams.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <sstream>
#include <string_view>

#include "store/ConfigStore.h"

namespace kv7::store {
namespace {

std::optional<unsigned> Port(std::string_view s) {
  unsigned port = 0;
  auto r = std::from_chars(s.data(), s.data() + s.size(), port);
  if (r.ec != std::errc() || r.ptr != s.data() + s.size() || port == 0 || port > 65535) return std::nullopt;
  return port;
}

std::string_view Trimmed(std::string_view s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

std::string ModeText(mode_t mode) {
  char text[8];
  std::snprintf(text, sizeof text, "%04o", static_cast<unsigned>(mode & 07777));
  return text;
}

// The file's bytes, or an empty optional with `why` set. A missing file is
// no error: the site has not set its own login.
std::optional<std::string> ReadCredentials(const std::filesystem::path& file, std::string& why) {
  const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    if (errno != ENOENT) why = file.string() + ": " + std::strerror(errno);
    return std::nullopt;
  }
  std::string bytes;
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    why = file.string() + ": " + std::strerror(errno);
  } else if (!S_ISREG(st.st_mode)) {
    why = file.string() + ": not a regular file";
  } else if ((st.st_mode & (S_IRWXG | S_IRWXO)) != 0) {
    why = file.string() + ": others may read or change it (mode " + ModeText(st.st_mode) +
          "); make it the owner's only (chmod 600)";
  } else {
    char buf[4096];
    for (;;) {
      const ssize_t n = ::read(fd, buf, sizeof buf);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) why = file.string() + ": " + std::strerror(errno);
      if (n <= 0) break;
      bytes.append(buf, static_cast<std::size_t>(n));
    }
  }
  ::close(fd);
  if (!why.empty()) return std::nullopt;
  return bytes;
}

// Applies every line to `p`; the first line that is not understood names
// its number (never its text, which may be the password) in the result.
std::string ApplyCredentials(const std::filesystem::path& file, const std::string& bytes, DbParams& p) {
  std::istringstream in(bytes);
  std::string raw;
  for (int number = 1; std::getline(in, raw); ++number) {
    const std::string_view line = Trimmed(raw);
    if (line.empty() || line.front() == '#') continue;
    const auto eq = line.find('=');
    const std::string where = file.string() + ", line " + std::to_string(number) + ": ";
    if (eq == std::string_view::npos) return where + "not \"key = value\"";
    const std::string_view key = Trimmed(line.substr(0, eq));
    const std::string value(Trimmed(line.substr(eq + 1)));
    if (key == "host") {
      p.host = value;
    } else if (key == "socket") {
      p.socket = value;
    } else if (key == "user") {
      p.user = value;
    } else if (key == "password") {
      p.password = value;
    } else if (key == "database") {
      p.database = value;
    } else if (key == "port") {
      auto port = Port(value);
      if (!port) return where + "the port is not a number from 1 to 65535";
      p.port = *port;
    } else {
      return where + "unknown key \"" + std::string(key) + "\"";
    }
  }
  return {};
}

}  // namespace

std::filesystem::path DbParams::CredentialsFile() {
  return ConfigStore::DefaultDirectory() / kCredentialsFile;
}

DbParams DbParams::From(const std::filesystem::path& credentials, const Lookup& environment) {
  DbParams p;
  if (auto bytes = ReadCredentials(credentials, p.refused)) {
    DbParams fromFile = p;
    p.refused = ApplyCredentials(credentials, *bytes, fromFile);
    // A half-read file is worth nothing: either all of it or the refusal.
    if (p.refused.empty()) p = std::move(fromFile);
  }
  auto take = [&](const char* name, std::string& value) {
    if (const char* v = environment(name)) value = v;
  };
  take("KV7_DB_HOST", p.host);
  take("KV7_DB_SOCKET", p.socket);
  take("KV7_DB_USER", p.user);
  take("KV7_DB_PASSWORD", p.password);
  take("KV7_DB_NAME", p.database);
  if (const char* v = environment("KV7_DB_PORT"))
    if (auto port = Port(v)) p.port = *port;
  // A login given whole by the environment needs nothing from the file.
  if (environment("KV7_DB_USER") && environment("KV7_DB_PASSWORD")) p.refused.clear();
  return p;
}

DbParams DbParams::FromEnvironment() {
  return From(CredentialsFile(), [](const char* name) { return static_cast<const char*>(std::getenv(name)); });
}

DbParams DbParams::TakeFromEnvironment() {
  DbParams p = FromEnvironment();
  ::unsetenv("KV7_DB_PASSWORD");
  return p;
}

}  // namespace kv7::store
