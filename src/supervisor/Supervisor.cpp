#include "supervisor/Supervisor.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include "link/cMB90.h"
#include "link/cPort.h"
#include "link/cSrd12.h"
#include "link/tPolling.h"
#include "store/ConfigStore.h"
#include "store/Database.h"
#include "store/DbError.h"
#include "supervisor/NumberText.h"

namespace kv7::supervisor {
namespace {

// Ports at 99 or above mean the device is not installed.
constexpr int kNoPort = 99;

}  // namespace

Supervisor::Supervisor(Console& console, Operator& op, store::ConfigStore& store, store::Database* database,
                       std::filesystem::path workDir)
    : console_(console),
      holding_(op),
      operator_(holding_),
      reporter_(holding_),
      store_(store),
      database_(database),
      workDir_(std::move(workDir)),
      log_(workDir_ / "kv2.log") {}

Supervisor::~Supervisor() { FormClose(); }

bool Supervisor::WriteLog(const std::string& text) { return log_.WriteLog(text); }

bool Supervisor::FormShow(const std::vector<std::string>& args) {
  console_.SetAvailablePorts(cPort::AvailablePorts(store_));

  st_.autoTotalsPeriod = 0;
  st_.autoTotalsCountdown = 0;
  if (!args.empty() && args.front() == "-o") {
    st_.oldBoardMode = true;
    console_.SetEnabled(Control::TabellaTara1, false);
  }
  st_.versionText = "-----";
  WriteLog("start MB3\r\n");
  // Running on defaults would write them over the installation's settings
  // at the first save: the start stops and the file stays as it is.
  if (const auto& unreadable = store_.ReadError()) {
    WriteLog("configuration unreadable: " + *unreadable + "\r\n");
    operator_.ShowMessage("Configurazione non leggibile (" + *unreadable +
                          "): il programma termina senza modificarla.");
    startStopped_ = true;
    return false;
  }

  store::ApplyConfiguration(config_, store_, st_.oldBoardMode,
                            [this](const std::string& m) { operator_.ShowMessage(m); });
  console_.ApplyLanguage(config_);
  TakeMachineNumber();
  // The refresh interval chosen in the program parameters outlives a restart.
  st_.autoTotalsPeriod = std::clamp(config_.autorefresh, 0, programs::kMaxRefreshSeconds);

  console_.ShowCustomerLogo(workDir_.string());
  store::LoadCompanyHeader(companyHeader_, workDir_, [this](const std::string& m) { operator_.ShowMessage(m); });
  console_.ShowCompanyHeader(companyHeader_);

  console_.ClearTotals();
  console_.SetUnits(config_.totaligrammi == 1);
  console_.SetVisible(Control::Production, false);
  console_.SetText(Control::Production, "");
  console_.SetText(Control::LavorPrec, "");

  store::LoadCosts(costs_, workDir_, [this](const std::string& m) { operator_.ShowMessage(m); });
  ComputeCostAmount();
  ApplyCostsPerMinute();

  CreateLinks();
  if (controller_) {
    controller_->SetAlarm(false);
    controller_->Open();
  }
  console_.SetStatusPanel(3, "0 - Centralina off ");
  if (rejectStation_) rejectStation_->Open();
  console_.SetStatusPanel(4, "0-SCARTI off ");
  StartRejectStation();

  // One connection attempt for the whole start-up: an archive that is down
  // costs the operator one box and one time-out, not one per step.
  const bool archive = DatabaseUsable();
  if (archive) UpgradeArchive();
  if (archive) ProgramLists();
  console_.SetText(Control::Costo, "");
  ReadRestartRecord(archive);
  // Batches ended before a crash or while the archive was down go first.
  OpenJournal();
  ReplayJournal(false);

  st_.startMinutes = ClockMinutes();

  auxThread_ = std::make_unique<tPolling>(static_cast<std::uint8_t>(std::clamp(config_.porta_aux, 0, 255)), store_);
  auxThread_->Start();

  console_.PrepareBatchEntry();
  return true;
}

void Supervisor::CreateLinks() {
  const std::uint32_t baud = st_.oldBoardMode ? 9600 : 19200;
  // Port 0 is "non abilitata" in the installation: no link at all.
  if (config_.porta_com > 0 && config_.porta_com < kNoPort)
    controller_ = std::make_unique<cMB90>(static_cast<std::uint8_t>(std::max(config_.porta_com, 0)), baud,
                                          store_, reporter_, linkTick_);
  if (config_.porta_scarti > 0 && config_.porta_scarti < kNoPort)
    rejectStation_ = std::make_unique<cSrd12>(static_cast<std::uint8_t>(std::max(config_.porta_scarti, 0)), store_);
}

void Supervisor::StartRejectStation() {
  if (rejectStation_ && RefreshRejectTimes()) SwitchRejectCycleOn();
}

bool Supervisor::RefreshRejectTimes() {
  RejectTimes times;
  if (rejectStation_->ReadTimes(times) != 1) return false;
  st_.rejectCycleOn = times.cycleOn;
  st_.rejectState = times.state;
  // The end of batch waits for the station's unload time (tenths of a second) and one second more.
  const int interval = static_cast<int>(std::nearbyint(times.time2 * 100)) + 1000;
  st_.timer2Interval = interval;
  return true;
}

void Supervisor::SwitchRejectCycleOn() {
  if (st_.rejectCycleOn == 0 && rejectStation_->CycleOn() != 1) operator_.ShowMessage("errore ciclo on scarti");
}

void Supervisor::ComputeCostAmount() {
  double perMinute = 0;
  for (std::size_t i = 0; i < costs_.persons.size(); ++i)
    perMinute += TextToNumber(costs_.persons[i]) * TextToNumber(costs_.hourlyCost[i]) / 60;
  // Rounds to nearest, ties to even, as the cost figures always have.
  st_.costAmount = static_cast<std::int64_t>(std::nearbyint(perMinute));
}

bool Supervisor::DatabaseUsable() {
  if (!database_) return false;
  if (database_->IsConnected()) return true;
  std::string error;
  if (database_->Connect(&error)) return true;
  ShowDatabaseError(error);
  return false;
}

void Supervisor::ShowDatabaseError(const std::string& text, bool periodic) {
  WriteLog("database error: " + text + "\r\n");
  if (periodic) {
    const auto now = std::chrono::steady_clock::now();
    if (text == lastPeriodicDbError_ && now - lastPeriodicDbErrorShown_ < std::chrono::minutes(1)) return;
    lastPeriodicDbError_ = text;
    lastPeriodicDbErrorShown_ = now;
  }
  operator_.ShowMessage(text);
}

void Supervisor::TakeMachineNumber() {
  if (database_) database_->SetMachine(config_.macchina);
  console_.SetCaption(MachineCaption());
}

std::string Supervisor::MachineCaption() const {
  return st_.baseCaption + " - Macchina " + std::to_string(config_.macchina);
}

void Supervisor::UpgradeArchive() {
  try {
    for (const std::string& change : database_->UpgradeSchema()) WriteLog("archive upgraded: " + change + "\r\n");
  } catch (const store::DbError& e) {
    ShowDatabaseError(e.what());
  }
}

void Supervisor::ReadRestartRecord(bool archive) {
  store::CurrentSelection selection;
  bool found = false;
  if (archive) {
    try {
      found = database_->LoadCurrentSelection(selection);
      if (!found) operator_.ShowMessage("Bolla temporanea non presente!");
    } catch (const store::DbError& e) {
      ShowDatabaseError(e.what());
    }
  }
  st_.savedProgram = found ? static_cast<int>(selection.programNumber) : 0;
  st_.savedProducer = found ? selection.producer : "00000";
  // Until F3 says otherwise the batch belongs to the producer of the last
  // run, so an exit without new data keeps it in the restart record.
  if (found) processing_.codice = selection.producer;
}

void Supervisor::fine2() {
  if (operator_.AskYesNo("Vuoi esportare i dati verso AS400 ?")) DailyExport();
  if (st_.controllerOn) TotaliClick();
  SaveRestartRecord();
}

void Supervisor::SaveRestartRecord() {
  if (st_.boardProgram <= 0 || st_.boardProgram == 9999) return;
  st_.savedProgram = st_.boardProgram;
  if (!DatabaseUsable()) return;
  try {
    // The producer of the batch being worked, as "Dati Bolla" holds it;
    // a code that is not a whole number is refused, shown and logged.
    // After an end of batch the data are cleared: the batch just ended
    // names the producer.
    const std::string& producer = processing_.codice.empty() ? st_.savedProducer : processing_.codice;
    database_->SaveCurrentSelection(std::to_string(st_.savedProgram), producer);
  } catch (const store::DbError& e) {
    ShowDatabaseError(e.what());
  }
}

void Supervisor::UnexpectedError(const std::string& what) {
  WriteLog("unexpected error: " + what + "\r\n");
  if (failed_) return;
  failed_ = true;
  // A box the watch held would now only delay the closing.
  for (const std::string& text : holding_.TakeHeldTexts()) WriteLog("not shown: " + text + "\r\n");
  try {
    SaveRestartRecord();
  } catch (const std::exception& e) {
    WriteLog("restart record not written: " + std::string(e.what()) + "\r\n");
  }
  operator_.ShowMessage("Errore imprevisto: " + what + ". Il programma viene chiuso.");
}

void Supervisor::FormClose() {
  if (closed_) return;
  closed_ = true;
  for (const std::string& text : holding_.TakeHeldTexts()) WriteLog("not shown: " + text + "\r\n");
  // Service windows: no board is left in a test mode. A board that fails
  // here must not keep the ports open.
  try {
    EndServiceSession();
  } catch (const std::exception& e) {
    WriteLog("unexpected error: " + std::string(e.what()) + "\r\n");
  }
  if (auxThread_) auxThread_->Terminate();
  console_.SetStatusPanel(3, "0 - Centralina off ");
  WriteLog("Stop Mb3\r\n");
  if (rejectStation_) {
    rejectStation_->Close();
    rejectStation_.reset();
  }
  if (controller_) {
    controller_->Close();
    controller_.reset();
  }
  auxThread_.reset();
}

void Supervisor::Tick() {
  if (startStopped_) return;
  // The box the watch held them for has closed: the routine that waited is over.
  holding_.ShowHeld();
  Timer1Timer();
  if (st_.timer2Due && std::chrono::steady_clock::now() >= *st_.timer2Due) {
    st_.timer2Due.reset();
    Timer2Timer();
  }
  if (journal_ && std::chrono::steady_clock::now() >= st_.nextReplay) {
    st_.nextReplay = std::chrono::steady_clock::now() + std::chrono::minutes(1);
    ReplayJournal();
  }
}

void Supervisor::StartTimer2() {
  st_.timer2Due = std::chrono::steady_clock::now() + std::chrono::milliseconds(st_.timer2Interval);
}

void Supervisor::Timer2Timer() { EndOfBatch(); }

void Supervisor::SetPendingCalibration(const std::string& constants) {
  st_.pendingParen = constants;
  st_.parenPending = true;
}

void Supervisor::AggiornaTempiScarti() {
  if (!rejectStation_) return;
  RefreshRejectTimes();
  SwitchRejectCycleOn();
}

}  // namespace kv7::supervisor
