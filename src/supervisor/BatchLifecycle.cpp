// The end of a batch and what follows it: F9 and the end-of-batch routine,
// the reset of the board, the journal of ended batches (stored and exported
// as soon as the database and the export folder allow, never twice) and the
// exports of stored batches for the host.

#include "batches/BatchArchive.h"
#include "batches/BatchExport.h"
#include "batches/BatchRules.h"
#include "batches/HostExport.h"
#include "batches/KillPoint.h"
#include "link/cSrd12.h"
#include "store/Database.h"
#include "store/DbError.h"
#include "store/NoBatchMarker.h"
#include "supervisor/NumberText.h"
#include "supervisor/Supervisor.h"

namespace kv7::supervisor {
namespace {

constexpr const char* kBoardOff = "La centralina è spenta, accenderla per favore!";
constexpr auto kReplayEvery = std::chrono::minutes(1);

// The program number as the batch stores it: two characters, "05" for 5.
std::string ProgramText(int n) {
  std::string text = n >= 0 && n < 10 ? "0" : "";
  text += std::to_string(n);
  return text;
}

// The cleared processing data, as the next batch starts from them.
const std::string kNoTotal = "0";
const std::string kNoCount = "00";
const std::string kNoLot = "0000000";

// What the sixth panel shows while ended batches wait: the batches not yet
// archived first (the record of a batch rarely waits alone); short, so the
// panel fits beside the others on the smallest screen.
std::string WaitingText(const batches::ReplaySummary& s) {
  if (s.waitingBatches > 0) return std::to_string(s.waitingBatches) + " bolle in attesa";
  if (s.waitingRecords > 0) return std::to_string(s.waitingRecords) + " record in attesa";
  if (s.refusedBatches > 0) return std::to_string(s.refusedBatches) + " bolle rifiutate";
  return {};
}

}  // namespace

void Supervisor::Partita1Click() {
  const std::string& stato = st_.machineState.Stato;
  if (stato != "4" && stato != "5") return;
  if (st_.checkStpTotP && TextToNumber(st_.totPartita) < 1) {
    operator_.ShowMessage("Totale partita deve essere maggiore di zero!");
    return;
  }
  if (config_.fine_part_auto == 0) {
    st_.endRequest = true;  // the next tick arms Timer2
    return;
  }
  if (config_.scarti_enab < 1) {
    EndOfBatch();
    return;
  }
  // The reject station unloads first; the batch ends when it has had time to.
  operator_.ShowMessage("azzione scarti!");
  if (rejectStation_ && rejectStation_->Unload() > 0) StartTimer2();
}

void Supervisor::EndOfBatch() {
  if (!st_.controllerOn) {
    operator_.ShowMessage(kBoardOff);
    return;
  }
  if (!st_.numBolla.empty()) processing_.numero = st_.numBolla;
  if (!st_.totPartita.empty()) processing_.totPartita = st_.totPartita;
  ShowProgramClasses(st_.boardProgram);
  TotaliCKClick();
  if (st_.boardProgram == 0) {
    operator_.ShowMessage("nessun programma caricato");
    return;
  }
  // A line that gave no whole reply would be stored without its grams, and
  // the reset that follows would clear them from the board for good.
  if (const int line = FirstMissingLine(totals_.lines, config_.numlinee)) {
    WriteLog("Fine partita sospesa: linea " + std::to_string(line) + " senza totali\r\n");
    operator_.ShowMessage("La linea " + std::to_string(line) +
                          " non ha dato i totali: la bolla non è stata archiviata. Premere F9 quando la linea risponde.");
    return;
  }
  console_.SetText(Control::LavorPrec, "");
  // The host picks records by the moment they were written; the batch
  // itself carries the forced date when there is one.
  const store::DbDateTime now = store::DbDateTime::LocalNow();
  const batches::BatchWorkingSet ws = EndedBatch(processing_.forceDate ? processing_.date1 : now);
  if (config_.archiviazione == 1) {
    if (!StoreEndedBatch(ws, now)) return;
  } else {
    BatchEnded();
    KeepBaseline(ws.numero);
  }
  TakeFirstBarcode();
  if (config_.stampa == 1) {
    WriteLog("print cmd =P" + std::to_string(st_.archiveCounter) + "\r\n");
    PrintEndOfBatch(ws, std::to_string(st_.runCounter + 1));
  }
  ++st_.runCounter;
  batches::KillPoint("printed");
  ClearProcessingData();
  // The routine's own reset clears the board for the next delivery; that
  // batch counts once the operator resets the totals for it (F8).
  ResetTotals();
  store::WriteNoBatchMarker(workDir_);
}

void Supervisor::BatchEnded() {
  st_.batchCounting = false;
  if (journal_) journal_->SetCountingBatch("");
}

batches::BatchWorkingSet Supervisor::EndedBatch(const store::DbDateTime& dated) {
  batches::BatchWorkingSet ws = RunningWorkingSet();
  ws.program = ProgramText(st_.boardProgram);
  ws.date = dated;
  // The code stays in Memo1 until its batch is safe (TakeFirstBarcode).
  if (!memoLines_.empty()) ws.codBar = memoLines_.front();
  return ws;
}

void Supervisor::TakeFirstBarcode() {
  if (memoLines_.empty()) return;
  memoLines_.pop_front();
  console_.RemoveFirstMemoLine();
}

void Supervisor::AcceptBarcodeLine(std::string line) {
  // A reader that keeps sending (a stuck trigger) must not grow the list
  // without end; the deliveries already waiting keep their codes.
  if (memoLines_.size() >= kMaxMemoLines) {
    WriteLog("Barcode scartato, lista piena: " + line + "\r\n");
    return;
  }
  memoLines_.push_back(std::move(line));
  console_.AppendMemo(memoLines_.back());
}

bool Supervisor::StoreEndedBatch(const batches::BatchWorkingSet& ws, const store::DbDateTime& ended) {
  // A header text that is not a number is stored as 0 and kept in the log:
  // the grower's figures must not wait for a typing slip.
  if (const auto bad = batches::CheckBatchTexts(ws))
    WriteLog("Bolla " + ws.numero + ": " + bad->field + " \"" + bad->text + "\" non numerico, archiviato come 0\r\n");
  if (!journal_) OpenJournal();
  batches::JournalEntry entry;
  try {
    if (!journal_) throw batches::JournalError("giornale non disponibile");
    entry = journal_->Add(batches::BatchRowFromWorkingSet(0, ws, config_.macchina), ended);
    BatchEnded();
    // At once: from here on the batch will be stored whatever happens, and
    // the board still counts it until the reset.
    KeepBaseline(ws.numero);
  } catch (const batches::JournalError& e) {
    WriteLog(std::string("journal error: ") + e.what() + "\r\n");
    operator_.ShowMessage("La bolla " + ws.numero + " non è stata salvata: " + e.what() +
                          ". I totali restano nella centralina.");
    return false;
  }
  batches::KillPoint("journaled");
  ++st_.archiveCounter;
  ReplayJournal();
  for (const auto& e : journal_->Entries()) {
    if (e.id != entry.id) continue;
    if (!e.stored) operator_.ShowMessage("La bolla " + ws.numero + " è in attesa: sarà archiviata appena il database risponde.");
    if (!e.exported)
      operator_.ShowMessage("Il record della bolla " + ws.numero + " è in attesa: la cartella " + ExportDir().string() +
                            " non è scrivibile.");
  }
  return true;
}

// ---- What the board still holds of stored batches ----

std::optional<ClassSums> Supervisor::SumsSinceBaseline() const {
  LineQualities qualities{};
  for (int line = 1; line <= kWeighingLines; ++line)
    qualities[static_cast<std::size_t>(line - 1)] = config_.qualitaL[line];
  return SumsSince(*baseline_, totals_.lines, totals_.sums.reject, qualities, config_.xmoltiply);
}

ClassSums Supervisor::BatchSums() const {
  if (!baseline_) return totals_.sums;
  return SumsSinceBaseline().value_or(totals_.sums);
}

void Supervisor::KeepBaseline(const std::string& batch) {
  baseline_ = BaselineOf(totals_.lines, totals_.sums.reject, batch);
  PersistBaseline();
  ShowBaselineNotice();
}

void Supervisor::DropBaseline(const std::string& why) {
  if (!baseline_) return;
  WriteLog("Totali della bolla " + baseline_->batch + " non più in centralina: " + why + "\r\n");
  baseline_.reset();
  PersistBaseline();
  console_.SetText(Control::LavorPrec, "");
}

void Supervisor::PersistBaseline() {
  const auto error = SaveBaseline(BaselineFile(batches::BatchJournal::DirectoryIn(workDir_)), baseline_);
  if (!error.empty()) WriteLog("baseline error: " + error + "\r\n");
}

void Supervisor::CheckBaseline() {
  if (baseline_ && !SumsSinceBaseline()) DropBaseline("centralina azzerata");
}

void Supervisor::ShowBaselineNotice() {
  if (baseline_)
    console_.SetText(Control::LavorPrec, "Totali con la bolla archiviata n: " + baseline_->batch + " (azzerare F8)");
}

void Supervisor::LoadKeptBaseline() {
  try {
    baseline_ = LoadBaseline(BaselineFile(batches::BatchJournal::DirectoryIn(workDir_)));
  } catch (const std::exception& e) {
    // Kept as it is for a technician; the totals then count from the board.
    WriteLog(std::string("baseline error: ") + e.what() + "\r\n");
  }
  ShowBaselineNotice();
}

void Supervisor::ClearProcessingData() {
  if (!processing_.codice.empty()) st_.savedProducer = processing_.codice;
  processing_.codice.clear();
  processing_.descrizione.clear();
  processing_.totPartita = kNoTotal;
  processing_.numCasse = kNoCount;
  processing_.numPedane = kNoCount;
  processing_.lotto = kNoLot;
  processing_.note.clear();
  processing_.numero.clear();
  processing_.forceDate = false;  // a forced date is one batch's
  st_.numBolla.clear();
  st_.totPartita = kNoTotal;
  console_.SetText(Control::numBolla, "");
  console_.SetText(Control::totPartita, kNoTotal);
}

void Supervisor::ResetCentralina1Click() {
  if (!operator_.AskYesNo("Verificare che la macchina sia vuota, premere Yes per eseguire la calibrazione.")) return;
  WriteLog("Reset da operatore\r\n");
  st_.extraInitCommand = true;
  st_.reinitRequest = true;
  st_.controllerOn = false;
  st_.boardProgram = 9999;
}

void Supervisor::numBollaEdited(const std::string& text) { st_.numBolla = text; }

void Supervisor::totPartitaEdited(const std::string& text) { st_.totPartita = text; }

void Supervisor::CheckStpTotPClick(bool checked) { st_.checkStpTotP = checked; }

// ---- The journal ----

void Supervisor::OpenJournal() {
  try {
    journal_ = std::make_unique<batches::BatchJournal>(batches::BatchJournal::DirectoryIn(workDir_), ArchiveLog());
  } catch (const std::exception& e) {
    WriteLog(std::string("journal error: ") + e.what() + "\r\n");
    operator_.ShowMessage(std::string("Giornale delle bolle non disponibile: ") + e.what());
    return;
  }
  if (const auto counting = journal_->CountingBatch())
    console_.SetText(Control::LavorPrec, "Lavorazione precedente n: " + *counting);
  else
    store::WriteNoBatchMarker(workDir_);
  LoadKeptBaseline();
  st_.nextReplay = std::chrono::steady_clock::now() + kReplayEvery;
}

batches::ReplaySummary Supervisor::ReplayJournal(bool connect) {
  batches::ReplaySummary s;
  if (!journal_) return s;
  const auto waiting = journal_->Entries();
  // The replay connects when it must; `connect` false spares a second
  // time-out when the caller has just found the archive down.
  if (!waiting.empty() && database_ && (connect || database_->IsConnected())) {
    s = journal_->Replay(*database_, ExportDir(), batches::ExportFormatFrom(store_));
  } else {
    for (const auto& e : waiting) {
      s.waitingBatches += e.stored ? 0 : 1;
      s.waitingRecords += e.exported ? 0 : 1;
    }
    s.refusedBatches = static_cast<int>(journal_->Refused().size());
  }
  // Told once, when the archive refuses it; the later batches go on.
  for (const auto& r : s.refused)
    operator_.ShowMessage("La bolla " + r.bolla + " è stata rifiutata dall'archivio: " + r.message +
                          ". Resta nel giornale tra le bolle rifiutate.");
  st_.waitingBatches = s.waitingBatches;
  const std::string text = WaitingText(s);
  console_.SetStatusPanel(5, text);
  return s;
}

void Supervisor::KeepCountingBatch() {
  st_.batchCounting = true;
  store::RemoveNoBatchMarker(workDir_);
  // An empty number still marks a batch counting.
  const std::string& number = st_.numBolla.empty() ? processing_.numero : st_.numBolla;
  if (journal_) journal_->SetCountingBatch(number.empty() ? "-" : number);
}

std::filesystem::path Supervisor::ExportDir() const { return batches::ExportDirectory(config_.direxp); }

// ---- Exports of stored batches ----

void Supervisor::ExportDone(const batches::ExportWritten& written) {
  if (written.ok)
    WriteLog("export " + written.path.string() + "\r\n");
  else
    operator_.ShowMessage("Esportazione non scritta: " + written.error);
}

void Supervisor::exportfrom1Click() {
  if (!batchWindows_) return;
  const auto range = batchWindows_->ChooseExportRange();
  if (!range || !DatabaseUsable()) return;
  try {
    ExportDone(batches::ExportRange(*database_, ExportDir(), range->from, range->to, range->header,
                                    store::DbDateTime::LocalNow(), batches::ExportFormatFrom(store_)));
  } catch (const store::DbError& e) {
    ShowDatabaseError(e.what());
  }
}

void Supervisor::esportagiornaliero1Click() { DailyExport(); }

void Supervisor::DailyExport() {
  if (!DatabaseUsable()) return;
  try {
    ExportDone(
        batches::ExportDaily(*database_, ExportDir(), store::DbDateTime::LocalNow(), batches::ExportFormatFrom(store_)));
  } catch (const store::DbError& e) {
    ShowDatabaseError(e.what());
  }
}

}  // namespace kv7::supervisor
