#pragma once
// Plain helpers of the installation menu and the help menu: where the USB
// stick is mounted, and the launcher of the update program.

#include <filesystem>
#include <string>
#include <vector>

namespace kv7::installation {

// The folder the backup dialogs start in: the first removable medium
// mounted under /media/<user>/ or /run/media/<user>/ in `mounts` (the text
// of /proc/self/mounts), else `home`.
std::filesystem::path BackupStartFolder(const std::string& mounts, const std::string& user,
                                        const std::filesystem::path& home);
// The same for this process: its mounts, $USER (or the login name), $HOME.
std::filesystem::path BackupStartFolder();

// The update program: "update" in the installed data folder only (a site
// puts it there as root), never beside the running program nor on PATH,
// where anyone who can write there could plant one.
inline constexpr const char* kUpdateProgram = "update";
// The folder the package installs its data into (/usr/share/kv7).
std::filesystem::path InstalledDataFolder();

struct UpdateLaunch {
  std::string parameter;  // the program's full path between double quotes
  std::string directory;  // its folder between double quotes
  std::filesystem::path program;  // the update program to start
};
UpdateLaunch PrepareUpdate(const std::filesystem::path& runningProgram, const std::filesystem::path& dataFolder);

// The update program's environment, from `environment` (NULL-terminated
// "NAME=value" entries): PATH=/usr/bin:/bin and what a desktop program needs
// (home, user, display, language); nothing else, so no database password or
// other secret of the console reaches it.
std::vector<std::string> UpdateEnvironment(const char* const* environment);

// Starts the update program in its own session, in the running program's
// folder, with the running program's path as its one argument (the quotes
// only delimit it, as on a command line) and UpdateEnvironment of this
// process. False, with the reason in *error, when it cannot be started.
bool LaunchUpdate(const UpdateLaunch& launch, std::string* error);

// The running program's full path.
std::filesystem::path RunningProgram();

}  // namespace kv7::installation
