#include "app/InstallationWindowsBridge.h"

#include <QCheckBox>
#include <QFileDialog>

#include "installation/Maintenance.h"
#include "installation/TInstallazione.h"
#include "installation/Tpasswd.h"
#include "store/InstallationBackup.h"
#include "ui/TMain.h"

namespace kv7::app {

InstallationWindowsBridge::InstallationWindowsBridge(ui::TMain& main, WindowThreadGate& gate)
    : main_(main),
      gate_(gate),
      password_(new installation::Tpasswd(&main)),
      installation_(new installation::TInstallazione(&main)) {}

std::optional<std::string> InstallationWindowsBridge::AskPassword() {
  using Result = std::optional<std::string>;
  return gate_.Call<Result>(
      [this]() -> Result {
        if (password_->Ask() != QDialog::Accepted) return std::nullopt;
        return password_->Typed().toStdString();
      },
      std::nullopt);
}

std::optional<supervisor::InstallationResult> InstallationWindowsBridge::EditInstallation(
    const supervisor::InstallationRequest& request) {
  using Result = std::optional<supervisor::InstallationResult>;
  return gate_.Call<Result>(
      [this, request]() -> Result {
        installation_->Fill(request.form, request.availablePorts, request.threeStepEntries, request.config,
                            main_.CheckPreview()->isChecked());
        const bool ok = installation_->exec() == QDialog::Accepted;
        installation_->Closing();
        if (!ok) return std::nullopt;
        return supervisor::InstallationResult{installation_->Form(), main_.LanguageCode().toStdString()};
      },
      std::nullopt);
}

std::optional<std::filesystem::path> InstallationWindowsBridge::ChooseBackupFile(bool save) {
  using Result = std::optional<std::filesystem::path>;
  return gate_.Call<Result>(
      [this, save]() -> Result {
        const QString start = QString::fromStdString(installation::BackupStartFolder().string());
        const QString file =
            save ? QFileDialog::getSaveFileName(&main_, QString(), start + "/" + store::kInstallationBackupFile)
                 : QFileDialog::getOpenFileName(&main_, QString(), start);
        if (file.isEmpty()) return std::nullopt;
        return std::filesystem::path(file.toStdString());
      },
      std::nullopt);
}

}  // namespace kv7::app
