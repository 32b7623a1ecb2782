#pragma once
// The installation commands' windows answered from a script.

#include <deque>

#include "supervisor/InstallationWindows.h"

namespace kv7::test {

template <class T>
std::optional<T> Next(std::deque<std::optional<T>>& q) {
  if (q.empty()) return std::nullopt;
  auto v = q.front();
  q.pop_front();
  return v;
}

struct ScriptedInstallationWindows : supervisor::InstallationWindows {
  std::optional<std::string> AskPassword() override { return ++passwordAsks, Next(passwords); }
  std::optional<supervisor::InstallationResult> EditInstallation(const supervisor::InstallationRequest&) override {
    return Next(results);
  }
  std::optional<std::filesystem::path> ChooseBackupFile(bool) override { return Next(files); }

  std::deque<std::optional<std::string>> passwords;
  std::deque<std::optional<supervisor::InstallationResult>> results;
  std::deque<std::optional<std::filesystem::path>> files;
  int passwordAsks = 0;
};

}  // namespace kv7::test
