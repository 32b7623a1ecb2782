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

UpdateLaunch PrepareUpdate(const std::filesystem::path& runningProgram) {
  const auto folder = runningProgram.parent_path();
  return {Quoted(runningProgram.string()), Quoted(folder.string()), folder / kUpdateProgram};
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
  pid_t pid = 0;
  const int rc = ::posix_spawn(&pid, program.c_str(), &actions, &attr, argv, environ);
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
