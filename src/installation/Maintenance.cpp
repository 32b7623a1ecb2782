#include "installation/Maintenance.h"

#include <pwd.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string_view>

extern char** environ;

namespace kv7::installation {
namespace {

// /proc/mounts writes blanks, tabs, new lines and backslashes as \ooo.
std::string Unescaped(const std::string& field) {
  std::string out;
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size()) {
      const std::string oct = field.substr(i + 1, 3);
      if (oct.find_first_not_of("01234567") == std::string::npos) {
        out += static_cast<char>(std::stoi(oct, nullptr, 8));
        i += 3;
        continue;
      }
    }
    out += field[i];
  }
  return out;
}

std::string Quoted(const std::string& s) { return "\"" + s + "\""; }

}  // namespace

std::filesystem::path BackupStartFolder(const std::string& mounts, const std::string& user,
                                        const std::filesystem::path& home) {
  const std::string roots[] = {"/media/" + user + "/", "/run/media/" + user + "/"};
  std::istringstream lines(mounts);
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream fields(line);
    std::string device, mountPoint;
    if (!(fields >> device >> mountPoint)) continue;
    mountPoint = Unescaped(mountPoint);
    for (const auto& root : roots)
      if (!user.empty() && mountPoint.size() > root.size() && mountPoint.compare(0, root.size(), root) == 0)
        return mountPoint;
  }
  return home;
}

std::filesystem::path BackupStartFolder() {
  std::ifstream in("/proc/self/mounts");
  std::stringstream mounts;
  mounts << in.rdbuf();
  std::string user;
  if (const char* u = std::getenv("USER")) user = u;
  if (user.empty())
    if (const passwd* pw = ::getpwuid(::getuid())) user = pw->pw_name;
  const char* home = std::getenv("HOME");
  return BackupStartFolder(mounts.str(), user, home ? home : "/");
}

std::filesystem::path InstalledDataFolder() { return KV7_DATA_DIR; }

UpdateLaunch PrepareUpdate(const std::filesystem::path& runningProgram, const std::filesystem::path& dataFolder) {
  const auto folder = runningProgram.parent_path();
  return {Quoted(runningProgram.string()), Quoted(folder.string()), dataFolder / kUpdateProgram};
}

std::vector<std::string> UpdateEnvironment(const char* const* environment) {
  static constexpr std::string_view kKept[] = {"HOME=",     "USER=",       "LOGNAME=",         "DISPLAY=",
                                               "XAUTHORITY=", "WAYLAND_DISPLAY=", "XDG_RUNTIME_DIR=", "LANG=",
                                               "LANGUAGE=", "LC_ALL="};
  std::vector<std::string> out{"PATH=/usr/bin:/bin"};
  for (auto e = environment; e && *e; ++e) {
    const std::string_view entry(*e);
    for (const auto kept : kKept)
      if (entry.starts_with(kept)) out.emplace_back(entry);
  }
  return out;
}

bool LaunchUpdate(const UpdateLaunch& launch, std::string* error) {
  const std::string directory = launch.directory.substr(1, launch.directory.size() - 2);
  std::string program = launch.program.string();
  std::string argument = launch.parameter.substr(1, launch.parameter.size() - 2);
  posix_spawn_file_actions_t actions;
  posix_spawnattr_t attr;
  posix_spawn_file_actions_init(&actions);
  posix_spawnattr_init(&attr);
  // Its own session: the update outlives the console it replaces.
  posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSID);
  posix_spawn_file_actions_addchdir_np(&actions, directory.c_str());
  char* argv[] = {program.data(), argument.data(), nullptr};
  auto environment = UpdateEnvironment(environ);
  std::vector<char*> envp;
  for (auto& e : environment) envp.push_back(e.data());
  envp.push_back(nullptr);
  pid_t pid = 0;
  const int rc = ::posix_spawn(&pid, program.c_str(), &actions, &attr, argv, envp.data());
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attr);
  if (rc != 0) {
    if (error) *error = program + ": " + std::strerror(rc);
    return false;
  }
  return true;
}

std::filesystem::path RunningProgram() {
  std::error_code ec;
  auto p = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::filesystem::path() : p;
}

}  // namespace kv7::installation
