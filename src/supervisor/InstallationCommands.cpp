// The technician's commands: the installation window behind the warning and
// the service password, taking a saved installation at once (links reopened,
// the board initialised and its program sent again), the installation backup
// on a USB stick and the update launcher behind the service password, and the
// archive resets behind theirs. Wrong passwords slow the next attempt.

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <thread>

#include "audit/AuditTrail.h"
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
#include "store/PasswordHash.h"
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
    if (!ServicePasswordGiven()) return;
  }
  InstallationRequest request;
  request.form = installation::FormFromConfiguration(config_, threeStep_);
  request.availablePorts = cPort::AvailablePorts(store_);
  request.threeStepEntries = st_.boardType > 1;
  request.threeStep = threeStep_;
  request.config = config_;
  if (const auto result = installationWindows_->EditInstallation(request)) SaveInstallation(*result);
}

std::optional<bool> Supervisor::PasswordTyped(const std::string& stored) {
  // The machine thread waits here; the windows stay live.
  passwordThrottle_.BeforeAttempt();
  const auto typed = installationWindows_->AskPassword();
  if (!typed) return std::nullopt;
  const bool right = store::password_hash::Verify(*typed, stored);
  if (right)
    passwordThrottle_.Succeeded();
  else
    passwordThrottle_.Failed();
  return right;
}

void Supervisor::PauseWatching(installation::PasswordThrottle::Clock::duration pause) {
  using Clock = installation::PasswordThrottle::Clock;
  constexpr Clock::duration kStep = std::chrono::milliseconds(100);
  const auto end = Clock::now() + pause;
  for (auto now = Clock::now(); now < end && !closed_; now = Clock::now()) {
    WatchWhileWaiting();
    std::this_thread::sleep_for(std::min(kStep, end - now));
  }
}

bool Supervisor::ServicePasswordGiven() {
  if (!installationWindows_) return false;
  if (!serviceLock_) serviceLock_ = PasswordTyped(config_.password_inst).value_or(false);
  return serviceLock_;
}

void Supervisor::SaveInstallation(const InstallationResult& result) {
  const auto before = store::ConfigurationValues(config_);
  threeStep_ = installation::TakeForm(result.form, config_, threeStep_).threeStep;
  installation::TakeNewPasswords(result.form, config_);
  if (!result.language.empty()) config_.langinterface = result.language;
  if (!store::SaveConfiguration(config_, store_, workDir_, ToOperator())) return;
  AuditConfiguration("TInstallazione", "salva", "installazione", before);
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
  if (!ServicePasswordGiven()) return;
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
  if (!ServicePasswordGiven()) return;
  const auto file = installationWindows_->ChooseBackupFile(false);
  if (!file) {
    operator_.ShowMessage(kNoDisk);
    return;
  }
  std::error_code ec;
  if (!std::filesystem::is_directory(file->parent_path(), ec)) return;
  const auto values = store::ReadInstallationBackup(*file, ToOperator());
  if (!values) return;
  if (values->empty()) {
    operator_.ShowMessage("Il file non contiene impostazioni dell'installazione: niente ripristinato.");
    return;
  }
  const auto changed = store::ChangedSettings(store_, *values);
  if (changed == 0) {
    operator_.ShowMessage("Le impostazioni del file sono già quelle in uso: niente da ripristinare.");
    return;
  }
  if (!operator_.AskYesNo("Impostazioni che il ripristino cambia: " + std::to_string(changed) + ". Procedere?"))
    return;
  // A new PC has no settings yet: that is when a backup is restored most.
  store_.CreateSection("kv2");
  const auto before = store::ConfigurationValues(config_);
  if (!store::RestoreInstallation(store_, *values, *file, ToOperator())) return;
  operator_.ShowMessage("Ripristino effettuato!");
  TakeNewInstallation();
  AuditConfiguration("TMain", "ripristina", "installazione", before);
}

bool Supervisor::ResetPasswordGiven() {
  // Asked even after the installation password: that one does not open the archive.
  const auto right = PasswordTyped(config_.password_reset.empty() ? installation::kResetPassword
                                                                  : config_.password_reset);
  if (!right) serviceLock_ = false;
  return right.value_or(false);
}

void Supervisor::EmptyArchiveTable(const char* table, const std::string& done) {
  if (!DatabaseUsable()) return;
  try {
    if (database_->TableExists(table)) {
      const auto backup = workDir_ / store::DatedBackupName(table, store::DbDateTime::LocalNow());
      audit::EnsureAuditTable(database_->Connection());
      const auto record = [&](store::DbConnection& c, std::uint64_t rows) {
        const audit::Fields before{{"righe", static_cast<std::int64_t>(rows)}, {"copia", backup.string()}};
        audit::Record(c, Who("TMain"), {"azzera", table, "*", before, audit::Fields{{"righe", std::int64_t{0}}}});
      };
      const auto removed =
          store::EmptyTableAfterBackup(*database_, table, backup, ToOperator(), {record});
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
  if (!ServicePasswordGiven()) return false;
  const auto launch = installation::PrepareUpdate(installation::RunningProgram(), updateFolder_);
  WriteLog("update parameter=" + launch.parameter + "\r\n");
  WriteLog("update directory=" + launch.directory + "\r\n");
  std::error_code ec;
  if (!std::filesystem::exists(launch.program, ec)) {
    WriteLog("update not started: " + launch.program.string() + " is missing\r\n");
    operator_.ShowMessage("Programma di aggiornamento non installato: " + launch.program.string());
    return false;
  }
  std::string error;
  if (installation::LaunchUpdate(launch, &error)) return true;
  WriteLog("update not started: " + error + "\r\n");
  operator_.ShowMessage("Impossibile avviare il programma di aggiornamento " + launch.program.string());
  return false;
}

}  // namespace kv7::supervisor
