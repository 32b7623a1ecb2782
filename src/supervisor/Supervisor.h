#pragma once
// The console's logic without its windows: start-up and shutdown, the 100 ms
// main cycle and the event log. It owns the links to the controller board,
// the reject station and the barcode thread, and reaches the screen through
// Console and the person at the machine through Operator.

#include <chrono>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "audit/AuditTrail.h"
#include "batches/BatchJournal.h"
#include "batches/BatchWorkingSet.h"
#include "batches/ProcessingData.h"
#include "installation/Maintenance.h"
#include "installation/PasswordThrottle.h"
#include "live/LiveRow.h"
#include "programs/ProgramArchive.h"
#include "reports/PageData.h"
#include "stats/SeasonStatistics.h"
#include "store/Configuration.h"
#include "store/SideFiles.h"
#include "supervisor/Console.h"
#include "supervisor/BatchWindows.h"
#include "supervisor/BoardBaseline.h"
#include "supervisor/EventLog.h"
#include "supervisor/HoldingOperator.h"
#include "supervisor/InstallationWindows.h"
#include "supervisor/OperatorReporter.h"
#include "supervisor/PriceWindows.h"
#include "supervisor/ProgramWindows.h"
#include "supervisor/ReportWindows.h"
#include "supervisor/ServiceWindows.h"
#include "supervisor/SupervisorState.h"
#include "supervisor/Totals.h"

namespace kv7 {
class cMB90;
class cSrd12;
class tPolling;
namespace store {
class ConfigStore;
class Database;
}  // namespace store
}  // namespace kv7

namespace kv7::supervisor {

class Supervisor {
 public:
  // `database` may be null (no archive at all); a database that cannot be
  // reached is told to the operator and the console runs without it.
  // Construct it anywhere; from FormShow on, call it from one thread only
  // (the machine thread).
  Supervisor(Console& console, Operator& op, store::ConfigStore& store, store::Database* database,
             std::filesystem::path workDir = ".");
  ~Supervisor();
  Supervisor(const Supervisor&) = delete;
  Supervisor& operator=(const Supervisor&) = delete;

  // Start-up sequence, run once when the main window is first shown.
  // `args` are the command-line words after the program name. False when
  // the start stopped (the configuration exists but cannot be read): the
  // operator has been told, nothing was opened or written, and the caller
  // ends the program.
  bool FormShow(const std::vector<std::string>& args);
  // What the machine thread runs every 100 ms: messages held by the watch,
  // the cycle, then the end-of-batch timer when it is due.
  void Tick();
  // What the machine thread runs every 100 ms instead of Tick while a
  // routine waits for the operator (a message, a question, a modal window):
  // the status poll at its usual pace with the board's identification and
  // the state panels, the reject station's watch and the bar codes into
  // Memo1. Nothing that starts work (downloads, the end of batch, totals,
  // the board's initialisation, service modes); while the waiting routine
  // holds the board (serviceMode set, a download going) only the bar codes.
  // A box it would raise is held until the next Tick. Safe to call again
  // from inside itself (it does nothing then).
  void WatchWhileWaiting();
  // The last resort for an exception nothing else caught: logged, the
  // restart record written as the exit command does, the operator told
  // once. The caller then stops the machine thread, which runs FormClose.
  void UnexpectedError(const std::string& what);
  // One 100 ms tick.
  void Timer1Timer();
  // Arms the one-shot end-of-batch timer with its current interval.
  void StartTimer2();
  // The one-shot end-of-batch timer fired.
  void Timer2Timer();
  // The exit command: export question, final totals, restart record. The
  // window closes afterwards, which runs FormClose.
  void fine2();
  // The restart record: the program on the board and the batch's producer.
  void SaveRestartRecord();
  // Shutdown; safe to call more than once.
  void FormClose();

  bool WriteLog(const std::string& text);

  // Hides the quality alarm and clears the board link's alarm flag.
  void Image2Click();

  // Commands that later work fills in; for now each does what can be done
  // with the parts that exist.
  // Totals request: the per-line "V" blocks of the active lines.
  void TotaliClick();
  // Reads program n (the integer value of its code) from the archive, builds
  // its six blocks and, once the board is past state "0", starts sending
  // them; false when there is no such program.
  bool LoadProgram(int n);
  // Looks program n up in the archive and shows its classes.
  void ShowProgramClasses(int n);
  // Redraws the totals from the last request.
  void RefreshTotalsDisplay();
  // The end-of-batch routine.
  void EndOfBatch();
  // The daily export for the host system.
  void DailyExport();
  // Menu "Aggiorna Tempi Scarti".
  void AggiornaTempiScarti();

  // ---- Grading programs ----
  // The windows the program commands show; without them (tests of other
  // parts) those commands do nothing.
  void SetProgramWindows(ProgramWindows* windows) { programWindows_ = windows; }
  // F2: the program list, then LoadProgram with the chosen code's number.
  void Programma1Click();
  // F6: the editor on the program on the board; saved, shown and sent again.
  void ModificaPU1Click();
  // Menu "Programmi": new, modify, delete.
  void Nuovo1Click();
  void Modifica1Click();
  void Cancella1Click();
  // Menu "Installazione" -> "Programma": the program parameters.
  void Programma2Click();
  // The program LoadProgram last put on the board, as the batches and the
  // reports look it up.
  const std::optional<programs::LoadedProgram>& CurrentProgram() const { return currentProgram_; }
  // The processing data of the batch being worked ("Dati Bolla", F3):
  // machine thread only; windows get copies.
  batches::ProcessingData& Processing() { return processing_; }
  const batches::ProcessingData& Processing() const { return processing_; }
  // Hook for the batch editor's unit labels after the parameters changed.
  void SetUnitsChangedHook(std::function<void(bool grams)> hook) { unitsChangedHook_ = std::move(hook); }

  // The line calibration leaves new constants for the board here.
  void SetPendingCalibration(const std::string& constants);

  SupervisorState& State() { return st_; }
  const SupervisorState& State() const { return st_; }
  store::Configuration& Config() { return config_; }
  const store::Configuration& Config() const { return config_; }
  cMB90* controller() { return controller_.get(); }
  cSrd12* rejectStation() { return rejectStation_.get(); }
  tPolling* auxThread() { return auxThread_.get(); }
  const store::CompanyHeader& CompanyHeader() const { return companyHeader_; }
  const store::ProcessingCosts& Costs() const { return costs_; }
  const std::filesystem::path& WorkDir() const { return workDir_; }

 private:
  // Start-up steps.
  void CreateLinks();
  void StartRejectStation();
  void ReadRestartRecord(bool archive);
  // The machine number in force for the archive and in the caption.
  void TakeMachineNumber();
  // The designed caption with the machine number; the board's version follows it.
  std::string MachineCaption() const;
  // Tables of an older archive brought up to date, every change logged.
  void UpgradeArchive();
  void ComputeCostAmount();
  bool DatabaseUsable();
  // Every failure goes to the event log and to the operator. `periodic`
  // marks work the cycle repeats on its own: the same failure again within
  // a minute is only logged, so a database that is down does not stop the
  // operator with a box every few seconds.
  void ShowDatabaseError(const std::string& text, bool periodic = false);

  // Cycle steps.
  void ShowControllerMenus();
  // The poll's part the watch shares: the board's answer, identification
  // and set-up, the state panel; false when the board did not answer.
  bool PollAndShowState();
  // Cup rate, cups and the state number from the last good poll.
  void ShowPollFigures();
  void StatusPoll();
  void IdentifyBoard();
  void SetUpBoard();
  void ShowProcessingState();
  void WatchProgramOnBoard();
  void InitialiseBoard();
  void DownloadStep();
  void ServeBarcode();
  void ServeRejectStation();
  // "P": cycle flag, state and the end-of-batch delay; false when unanswered.
  bool RefreshRejectTimes();
  // "M" when the station's cycle is off.
  void SwitchRejectCycleOn();
  void ReopenLostController();

  // Program commands' steps.
  bool ControllerOnOrSay();
  std::optional<programs::ProgramLists> ProgramLists();
  void StartDownload();
  // The editor on `texts`, its caption naming `code`; what it showed is
  // remembered for the next new program.
  std::optional<EditedProgram> ShowProgramEditor(const programs::ProgramEditorTexts& texts,
                                                 const std::string& code);
  // Saves, shows and (when it is the program on the board) sends again.
  void SaveEditedProgram(const EditedProgram& edited);

  Console& console_;
  HoldingOperator holding_;
  Operator& operator_;
  OperatorReporter reporter_;
  store::ConfigStore& store_;
  store::Database* database_;
  std::filesystem::path workDir_;
  EventLog log_;
  store::Configuration config_;
  store::CompanyHeader companyHeader_;
  store::ProcessingCosts costs_;
  SupervisorState st_;

  std::unique_ptr<cMB90> controller_;
  std::unique_ptr<cSrd12> rejectStation_;
  std::unique_ptr<tPolling> auxThread_;
  ProgramWindows* programWindows_ = nullptr;
  std::optional<programs::LoadedProgram> currentProgram_;
  // The program last put in the editor (loaded for the board, opened or
  // saved there): a new program starts from its class and reject codes.
  programs::ProgramEditorTexts editorTexts_;
  batches::ProcessingData processing_;
  programs::ProgramCodes programCodes_;
  std::function<void(bool)> unitsChangedHook_;
  std::string lastPeriodicDbError_;
  std::chrono::steady_clock::time_point lastPeriodicDbErrorShown_;
  bool closed_ = false;
  bool watching_ = false;
  bool failed_ = false;
  bool startStopped_ = false;  // FormShow stopped: no cycle runs
  int reopenCountdown_ = 0;

  // ---- Live totals, production, cost and the quality alarm (TotalsCommands.cpp) ----
 public:
  // Totals request, then the snapshot again and the quality alarm (end of batch).
  void TotaliCKClick();
  // The display step alone, from the last request.
  void ShowTotals();
  // Reset of totals (F8): question, reject station zeroed, "V1", totals read
  // zero; the batch then counts.
  void Start1();
  // The program name panel 0 shows; while a line does not answer, panel 0
  // tells so instead.
  void SetProgramPanel(const std::string& text);
  // The cost window saved "w83.cst": take its figures and refresh the totals.
  void ReloadCosts();
  // The cost window's "Salva": "w83.cst" written, its audit row, then taken.
  void SaveCosts(const store::ProcessingCosts& costs);
  const TotalsState& Totals() const { return totals_; }
  TotalsState& Totals() { return totals_; }
  // Where the live row goes at each totals refresh and each status poll
  // (none: nothing is offered). The sink never makes the caller wait.
  void SetLiveSink(live::LiveSink* sink) { liveSink_ = sink; }
  // The live row as the console shows it now.
  live::LiveRow LiveSnapshot() const;

 private:
  // The reset of totals itself; false when not done (No, or the board off).
  bool ResetTotals();
  // Asks every line for its block and adds the answers; false when none answered.
  bool RequestLineTotals();
  // The row of `totali_temp` the reports read, in grams.
  void WriteSnapshot(const ClassSums& sums);
  void MeasureProductionAndCost();
  void ApplyCostsPerMinute();
  void OfferLive();

  TotalsState totals_;
  live::LiveSink* liveSink_ = nullptr;
  programs::ProgramClassView liveClasses_;  // the program's classes as last shown

  // ---- Batches, producers and the processing data (BatchCommands.cpp) ----
 public:
  // The windows these commands show; without them (tests of other parts)
  // the commands do nothing.
  void SetBatchWindows(BatchWindows* windows) { batchWindows_ = windows; }
  // F3 "Dati Bolla": the window's data become the processing data (Cancel
  // has restored code, description, note and number); on OK the main
  // window's batch number and batch total follow.
  void Dati1Click();
  // Enter in the main window's batch number and batch total.
  void numBollaEnter(const std::string& text);
  void totPartitaEnter(const std::string& text);
  // "&Bolle": new, modify, delete.
  void Nuova1Click();
  void Modifica2Click();
  void Cancella2Click();
  // "Pro&duttori": new, modify, delete.
  void nuova2Click();
  void Modifica3Click();
  void cancella3Click();

 private:
  batches::LogSink ArchiveLog();
  // The person at this console, changing stored data from `window`.
  audit::Actor Who(const char* window) const;
  // The audit row of a file this console has just written; a failure to
  // record it goes to the log, the file stays as written.
  void AuditFileChange(const char* window, const audit::Change& change);
  // The settings that differ from `before`, as one row on the store's file.
  void AuditConfiguration(const char* window, const char* action, const std::string& key,
                          const std::vector<std::pair<std::string, std::string>>& before);
  std::optional<std::vector<batches::Producer>> ProducerList();
  std::optional<std::int64_t> PickBatch();
  std::optional<batches::Producer> PickProducer();
  // The editor until the batch is saved or the editor cancelled.
  void EditAndSaveBatch(batches::BatchEditorInput input);
  // Tells the person what a save of the editor came to; true when the
  // editor must come back with what was typed.
  bool ReportBatchSave(const batches::SaveResult& saved, std::int64_t shownNumber);

  BatchWindows* batchWindows_ = nullptr;
  // The editor's working copy: its header texts carry over to the next batch.
  batches::BatchWorkingSet batchWorkingSet_;

  // ---- Printed pages and the company header (ReportCommands.cpp) ----
 public:
  // The windows the report commands show; without them they do nothing.
  void SetReportWindows(ReportWindows* windows) { reportWindows_ = windows; }
  // F7: totals refreshed, the cost line, the page of the running batch.
  void Stampa3Click();
  // "&Bolle" -> "&Stampa": a stored batch's page.
  void Stampa2Click();
  // "&Programmi" -> "&Stampa": a program's page.
  void Stampa1Click();
  // "Pro&duttori" -> "&Stampa": the producer list.
  void stampa4Click();
  // "&Installazione" -> "&Azienda": the company header lines.
  void Azienda1Click();
  // The end-of-batch page ("LAVORAZIONE") of the batch as it was stored.
  void PrintEndOfBatch(const batches::BatchWorkingSet& ended, const std::string& processingNumber);

 private:
  // The running totals and the processing data as a batch, dated now.
  batches::BatchWorkingSet RunningWorkingSet() const;
  reports::BatchPage RunningBatchPage(const batches::BatchWorkingSet& ws, const std::string& title,
                                      const std::string& registration, bool printWeights, bool partita);
  // The program on the board (by its number), for the running pages.
  void AddBoardProgram(reports::BatchPageInput& in);
  void AddPriceList(reports::BatchPageInput& in);

  ReportWindows* reportWindows_ = nullptr;

  // ---- Season statistics (StatsCommands.cpp) ----
 public:
  // "&Bolle" -> "Statistiche": the figures for `query`, read here for the
  // window to show; nullopt when the archive cannot answer (the operator is
  // told as for any database failure).
  std::optional<stats::Statistics> Statistiche(const stats::StatsQuery& query);

  // ---- Price lists and the season statement (PriceCommands.cpp) ----
 public:
  // The windows the price commands show; without them they do nothing.
  void SetPriceWindows(PriceWindows* windows) { priceWindows_ = windows; }
  // "&Programmi" -> "&Listino": a program's price list from a day on.
  void Listino1Click();
  // "Pro&duttori" -> "&Estratto conto stagione": a producer's season.
  void EstrattoConto1Click();

 private:
  PriceWindows* priceWindows_ = nullptr;

  // ---- Installation, its backup and the archive resets (InstallationCommands.cpp) ----
 public:
  // The windows these commands show; without them the commands do nothing.
  void SetInstallationWindows(InstallationWindows* windows) { installationWindows_ = windows; }
  // "&Calibratrice": warning and service password (once per run), the
  // installation window, and on "Salva" the new installation taken at once.
  void Impostazione1Click();
  // "&Salva su Penna USB" / "&Ripristina da Penna USB".
  void SalvasuFloppy1Click();
  void RipristinadaFloppy1Click();
  // "&Azzeramento Bolle" / "&Azzera Produttori": reset password, question,
  // a dated SQL copy of the table in the working directory, then the table emptied.
  void AzzeramentoBolle1Click();
  void azzeraProduttori1Click();
  // "&Controllo Aggiornamenti On-line": after the service password, true
  // when the update program started, and the console then ends through its
  // exit command.
  bool ControlloAggiornamentiOnline1Click();
  // The installation password was accepted in this run.
  bool ServiceLock() const { return serviceLock_; }
  // Where the update program is looked for (the installed data folder).
  void SetUpdateFolder(const std::filesystem::path& folder) { updateFolder_ = folder; }
  // How wrong passwords slow the next attempt (a test's clock and wait).
  void SetPasswordThrottle(installation::PasswordThrottle throttle) { passwordThrottle_ = std::move(throttle); }

 private:
  store::ReportSink ToOperator();
  void SaveInstallation(const InstallationResult& result);
  // The record reloaded, the links reopened, the board set up again.
  void TakeNewInstallation();
  void ReopenLinks();
  int ProgramToResend() const;
  // Run by the board initialisation: the program goes out again after the installation.
  void ResendProgramAfterInstallation();
  // The password window once the throttle allows it: whether the typed text
  // is the password `stored` stands for; nullopt when it was closed without one.
  std::optional<bool> PasswordTyped(const std::string& stored);
  // The throttle's pause: the machine stays watched (poll, reject station,
  // barcodes) while the next password is held back.
  void PauseWatching(installation::PasswordThrottle::Clock::duration pause);
  // The service lock, asking the installation password while it is off.
  bool ServicePasswordGiven();
  bool ResetPasswordGiven();
  void EmptyArchiveTable(const char* table, const std::string& done);

  InstallationWindows* installationWindows_ = nullptr;
  bool serviceLock_ = false;
  installation::PasswordThrottle passwordThrottle_{[] { return installation::PasswordThrottle::Clock::now(); },
                                                  [this](auto pause) { PauseWatching(pause); }};
  std::filesystem::path updateFolder_ = installation::InstalledDataFolder();
  bool threeStep_ = false;
  int resendProgram_ = 0;  // the program to send again after the installation

  // ---- The batch from its end to the next one (BatchLifecycle.cpp) ----
 public:
  // F9: only while the board counts (state "4") or ends ("5").
  void Partita1Click();
  // "&Reset Centralina": the board is initialised again at the next poll.
  void ResetCentralina1Click();
  // "&Bolle" exports for the host: a date range, and today's batches.
  void exportfrom1Click();
  void esportagiornaliero1Click();
  // The main window's batch number, batch total and "Stampa con totale
  // partita" as the operator leaves them (no Enter needed).
  void numBollaEdited(const std::string& text);
  void totPartitaEdited(const std::string& text);
  void CheckStpTotPClick(bool checked);
  // One pass over the journal of ended batches: at start-up, every minute
  // and at each end of batch. The sixth panel shows what still waits.
  batches::ReplaySummary ReplayJournal(bool connect = true);

 private:
  void OpenJournal();
  // The ended batch as the archive stores it: running totals, processing
  // data, program on the board, bar code from Memo1.
  batches::BatchWorkingSet EndedBatch(const store::DbDateTime& dated);
  // Journaled (the batch is safe), then archived and exported as far as
  // the database and the export folder allow; false when it could not even
  // be journaled (the routine stops, the board keeps its totals).
  // `ended` is the real moment, which names the host's record.
  bool StoreEndedBatch(const batches::BatchWorkingSet& ws, const store::DbDateTime& ended);
  // Memo1's first code leaves with its batch, once that batch is safe.
  void TakeFirstBarcode();
  // A clean line from the reader joins Memo1, while the list has room.
  void AcceptBarcodeLine(std::string line);
  // The board's figures stay as a baseline after a stored batch until a
  // reset of totals succeeds (BoardBaseline.h).
  void KeepBaseline(const std::string& batch);
  void DropBaseline(const std::string& why);
  // The baseline as it stands now, beside the journal (none: the file removed).
  void PersistBaseline();
  // After each request: a figure below its baseline means the board was reset.
  void CheckBaseline();
  void ShowBaselineNotice();
  void LoadKeptBaseline();
  // What the running batch counted: the board's figures less the baseline.
  ClassSums BatchSums() const;
  // nullopt when a figure fell below the baseline (baseline_ set).
  std::optional<ClassSums> SumsSinceBaseline() const;
  void ClearProcessingData();
  // F8 started counting a batch / the batch has ended: kept beside the
  // journal for the next start, and "bolle.dat" follows.
  void KeepCountingBatch();
  void BatchEnded();
  std::filesystem::path ExportDir() const;
  // A written export goes to the log; a failed one to the operator.
  void ExportDone(const batches::ExportWritten& written);

  std::unique_ptr<batches::BatchJournal> journal_;
  std::deque<std::string> memoLines_;  // Memo1's bar codes, oldest first
  static constexpr std::size_t kMaxMemoLines = 100;
  std::optional<BoardBaseline> baseline_;

  // ---- Service windows: line calibration, diagnostic tests, tare table,
  //      oscilloscope (ServiceCommands.cpp) ----
 public:
  // The windows the service commands open; without them those commands do nothing.
  void SetServiceWindows(ServiceWindows* windows) { serviceWindows_ = windows; }
  // The tick of the board links opened at start-up; tests shorten it.
  void SetLinkTick(std::chrono::nanoseconds tick) { linkTick_ = tick; }
  // Menu "Assistenza".
  void ControlloCELLE1Click();
  void Memorizzato1Click();
  void Encoder1Click();
  void ControlloTazze1Click();
  void TestMagneti1Click();
  void TabellaTara1Click();
  void Calibrazione1Click();
  void Oscilloscopio1Click();
  // A button of the open service window, or its closing by any means.
  void HandleServiceRequest(const service::ServiceRequest& request);
  service::ServiceWindow OpenServiceWindow() const { return serviceWindow_; }

 private:
  // The cycle's turn for the window that owns it (serviceMode 1..6).
  void ServeServiceMode(int mode);
  bool ServiceCanOpen(bool needsController);
  void OpenService(service::ServiceWindow window, int mode, const service::ServiceOpening& opening);
  void CloseService(const service::ServiceClosed& closed);
  // The board left in no test mode and serviceMode 0 (also when the console closes).
  void EndServiceSession();
  // False when the board's stop reported that no test was running.
  bool StopBoardTest(service::ServiceWindow window);
  void SaveCalibration(const service::ServiceClosed& closed);
  void SaveOscilloscope(const service::ServiceClosed& closed);
  void SendCalibrationConstants();
  void StartEmptyCupTest(const std::string& limit);
  void StartMagnetTest(const service::StartMagnetTest& request);
  void RequestTareTable();
  void CaptureTrace(const service::Capture& request);
  void ServeTrace();
  void AppendFrame(const service::TraceFrame& frame);

  ServiceWindows* serviceWindows_ = nullptr;
  service::ServiceWindow serviceWindow_ = service::ServiceWindow::None;
  std::chrono::nanoseconds linkTick_{864000};
  std::array<std::int32_t, 6> keptKappas_{};
  bool calibrationRan_ = false;
  bool emptyCupsRunning_ = false;
  int magnetTestType_ = 0;  // 0 none, 1 dynamic, 2 static
  int traceLine_ = 1;
  bool saveFrames_ = false;
  int cellsPause_ = 0;  // ticks before the next "Q" after an unanswered one
  // ---- end of the service windows' block ----
};

}  // namespace kv7::supervisor
