#pragma once
// The password window, the installation window and the backup dialogs for
// the installation commands that run on the machine thread: each call is
// shown modally on the window thread while the machine thread waits.

#include "app/WindowThreadGate.h"
#include "supervisor/InstallationWindows.h"

namespace kv7::ui {
class TMain;
}
namespace kv7::installation {
class Tpasswd;
class TInstallazione;
}  // namespace kv7::installation

namespace kv7::app {

class InstallationWindowsBridge final : public supervisor::InstallationWindows {
 public:
  // The windows are created here, so construct it on the window thread.
  InstallationWindowsBridge(ui::TMain& main, WindowThreadGate& gate);

  std::optional<std::string> AskPassword() override;
  std::optional<supervisor::InstallationResult> EditInstallation(
      const supervisor::InstallationRequest& request) override;
  std::optional<std::filesystem::path> ChooseBackupFile(bool save) override;

  installation::Tpasswd& Password() { return *password_; }
  installation::TInstallazione& Installation() { return *installation_; }

 private:
  ui::TMain& main_;
  WindowThreadGate& gate_;
  installation::Tpasswd* password_;
  installation::TInstallazione* installation_;
};

}  // namespace kv7::app
