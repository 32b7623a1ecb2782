// The technician's commands: the installation window behind the warning and
// the service password, taking a saved installation at once (links reopened,
// the board initialised and its program sent again), the installation backup
// on a USB stick, the archive resets and the update launcher.

#include <filesystem>

#include "installation/Maintenance.h"
#include "link/cMB90.h"
#include "link/cPort.h"
#include "link/cSrd12.h"
#include "link/tPolling.h"
#include "programs/ProgramBlocks.h"
#include "store/ArchiveDump.h"
#include "store/ConfigStore.h"
#include "store/Database.h"
#include "store/DbError.h"
#include "store/DbSchema.h"
#include "store/InstallationBackup.h"
#include "store/NoBatchMarker.h"
#include "supervisor/Supervisor.h"

namespace kv7::supervisor {
namespace {

constexpr const char* kNoDisk = "Dischetto sul floppy non presente o non leggibile!";

}  // namespace

store::ReportSink Supervisor::ToOperator() {
  return [this](const std::string& m) { operator_.ShowMessage(m); };
}

void Supervisor::Impostazione1Click() {
  if (!installationWindows_) return;
  if (!serviceLock_) {
    if (!operator_.AskYesNo("Attenzione! le modifiche apportate nel quadro che segue possono alterare il "
                            "funzionamento della macchina. Si vuole proseguire?"))
      return;
    const auto typed = installationWindows_->AskPassword();
    serviceLock_ = typed && *typed == config_.password_inst;
    if (!serviceLock_) return;
  }
  InstallationRequest request;
  request.form = installation::FormFromConfiguration(config_, threeStep_);
  request.availablePorts = cPort::AvailablePorts(store_);
  request.threeStepEntries = st_.boardType > 1;
  request.threeStep = threeStep_;
  request.config = config_;
  if (const auto result = installationWindows_->EditInstallation(request)) SaveInstallation(*result);
}

void Supervisor::SaveInstallation(const InstallationResult& result) {
  threeStep_ = installation::TakeForm(result.form, config_, threeStep_).threeStep;
  if (!result.language.empty()) config_.langinterface = result.language;
  if (!store::SaveConfiguration(config_, store_, workDir_, ToOperator())) return;
  TakeNewInstallation();
}

void Supervisor::TakeNewInstallation() {
  store::ApplyConfiguration(config_, store_, st_.oldBoardMode, ToOperator());
  TakeMachineNumber();
  console_.SetStatusPanel(0, "");
  console_.SetStatusPanel(1, "");
  ReopenLinks();
  // The board is identified and initialised again, then gets its program
  // back with the lines' new qualities.
  st_.reinitRequest = true;
  st_.boardKnown = false;
  resendProgram_ = ProgramToResend();
  st_.boardProgram = 9999;
}

int Supervisor::ProgramToResend() const {
  if (st_.boardProgram >= 1 && st_.boardProgram <= 98) return st_.boardProgram;
  // A board standing by may not name its program yet: the blocks last sent
  // start with its number.
  if (!currentProgram_ || st_.programBlocks[0].size() < 2) return 0;
  const auto n = store::ParseStoredNumber(st_.programBlocks[0].substr(0, 2));
  return n && *n >= 1 && *n <= 98 ? *n : 0;
}

void Supervisor::ReopenLinks() {
  if (controller_) controller_->Close();
  controller_.reset();
  if (rejectStation_) rejectStation_->Close();
  rejectStation_.reset();
  if (auxThread_) auxThread_->Terminate();
  st_.controllerOn = false;
  st_.rejectScaleRead = false;
  // Port 0 ("non abilitata") and 99 and above: no link and nothing to say.
  CreateLinks();
  if (config_.scarti_enab <= 0) rejectStation_.reset();
  if (controller_ && !controller_->Open()) {
    controller_.reset();
    operator_.ShowMessage("Com non disponibile nel computer, il programma terminera!");
  }
  if (rejectStation_ && !rejectStation_->Open()) {
    rejectStation_.reset();
    operator_.ShowMessage("Com Scarti non disponibile nel computer, il programma terminera!");
  }
  console_.SetStatusPanel(3, "0 - Centralina off ");
  auxThread_ = std::make_unique<tPolling>(static_cast<std::uint8_t>(std::clamp(config_.porta_aux, 0, 255)), store_);
  auxThread_->Start();
}

void Supervisor::ResendProgramAfterInstallation() {
  const int n = resendProgram_;
  resendProgram_ = 0;
  if (n == 0 || !currentProgram_) return;
  st_.programBlocks = programs::BuildLineProgramBlocks(n, currentProgram_->record, programs::LineQualitiesOf(config_));
  StartDownload();
}

void Supervisor::SalvasuFloppy1Click() {
  if (!installationWindows_) return;
  const auto file = installationWindows_->ChooseBackupFile(true);
  if (!file) {
    operator_.ShowMessage(kNoDisk);
    return;
  }
  const auto folder = file->parent_path();
  std::error_code ec;
  if (!std::filesystem::is_directory(folder, ec)) return;
  if (store::ExportInstallation(store_, folder / store::kInstallationBackupFile, ToOperator()))
    operator_.ShowMessage("Salvataggio effettuato!");
}

void Supervisor::RipristinadaFloppy1Click() {
  if (!installationWindows_) return;
  const auto file = installationWindows_->ChooseBackupFile(false);
  if (!file) {
    operator_.ShowMessage(kNoDisk);
    return;
  }
  std::error_code ec;
  if (!std::filesystem::is_directory(file->parent_path(), ec)) return;
  // A new PC has no settings yet: that is when a backup is restored most.
  store_.CreateSection("kv2");
  if (!store::ImportInstallation(store_, *file, ToOperator())) return;
  operator_.ShowMessage("Ripristino effettuato!");
  TakeNewInstallation();
}

bool Supervisor::ResetPasswordGiven() {
  // Asked even after the installation password: that one does not open the archive.
  const auto typed = installationWindows_->AskPassword();
  if (!typed) serviceLock_ = false;
  return typed && *typed == installation::kResetPassword;
}

void Supervisor::EmptyArchiveTable(const char* table, const std::string& done) {
  if (!DatabaseUsable()) return;
  try {
    if (database_->TableExists(table)) {
      const auto backup = workDir_ / store::DatedBackupName(table, store::DbDateTime::LocalNow());
      const auto removed = store::EmptyTableAfterBackup(*database_, table, backup, ToOperator());
      if (!removed) {
        operator_.ShowMessage("Copia di sicurezza non riuscita: archivio non cancellato.");
        return;
      }
      WriteLog("Archivio " + std::string(table) + " cancellato (" + std::to_string(*removed) + " righe), copia in " +
               backup.string() + "\r\n");
      operator_.ShowMessage(done);
      operator_.ShowMessage("Copia di sicurezza dell'archivio in " + backup.string());
      return;
    }
  } catch (const store::DbError& e) {
    ShowDatabaseError(e.what());
    return;
  }
  operator_.ShowMessage(done);
}

void Supervisor::AzzeramentoBolle1Click() {
  if (!installationWindows_ || !ResetPasswordGiven()) return;
  if (!store::NoBatchInProgress(workDir_)) {
    operator_.ShowMessage("Cancellazione non possibile, Bolla precedente in corso.");
    return;
  }
  if (!operator_.AskYesNo("Cancellare archivio Bolle? non sarà possibile recuperarlo.")) return;
  EmptyArchiveTable(store::table::kBatches, "Archivio Bolle cancellato!");
}

void Supervisor::azzeraProduttori1Click() {
  if (!installationWindows_ || !ResetPasswordGiven()) return;
  if (!operator_.AskYesNo("Cancellare archivio Produttori? non sarà possibile recuperarlo.")) return;
  EmptyArchiveTable(store::table::kProducers, "Archivio Produttori cancellato!");
}

bool Supervisor::ControlloAggiornamentiOnline1Click() {
  const auto launch = installation::PrepareUpdate(installation::RunningProgram());
  WriteLog("update parameter=" + launch.parameter + "\r\n");
  WriteLog("update directory=" + launch.directory + "\r\n");
  std::string error;
  if (installation::LaunchUpdate(launch, &error)) return true;
  WriteLog("update not started: " + error + "\r\n");
  operator_.ShowMessage("Impossibile avviare il programma di aggiornamento " + launch.program.string());
  return false;
}

}  // namespace kv7::supervisor
