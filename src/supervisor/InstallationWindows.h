#pragma once
// The windows the installation and maintenance commands show: the password
// window, the installation window and the backup file dialogs. Each call
// shows its window modally and returns what the person chose; the machine
// thread waits for it like for a question. No widget type appears here.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "installation/InstallationRules.h"
#include "store/Configuration.h"

namespace kv7::supervisor {

struct InstallationRequest {
  installation::InstallationForm form;
  std::vector<int> availablePorts;
  bool threeStepEntries = false;  // the board takes the three-step magnet types
  bool threeStep = false;         // the console's three-step flag
  store::Configuration config;    // what "Stampa" prints the window's values over
};

struct InstallationResult {
  installation::InstallationForm form;
  std::string language;  // `langinterface` of the language checked in the console
};

class InstallationWindows {
 public:
  virtual ~InstallationWindows() = default;
  // "Password Accesso Servizio", emptied first: the text typed when "Entra"
  // closed it with OK; nullopt otherwise.
  virtual std::optional<std::string> AskPassword() = 0;
  // The installation window; nullopt unless closed with "Salva".
  virtual std::optional<InstallationResult> EditInstallation(const InstallationRequest& request) = 0;
  // The save (`save` true) or open dialog of the installation backup,
  // starting where a USB stick is mounted; nullopt when cancelled.
  virtual std::optional<std::filesystem::path> ChooseBackupFile(bool save) = 0;
};

}  // namespace kv7::supervisor
