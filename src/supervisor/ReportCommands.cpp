// The report commands: the processing report (F7) on the running totals,
// the stored batch's page, the program page, the producer list, the company
// header, and the end-of-batch page the lifecycle prints.

#include <ctime>

#include "batches/BatchRules.h"
#include "prices/PriceArchive.h"
#include "reports/PageData.h"
#include "store/Database.h"
#include "store/DbError.h"
#include "supervisor/Supervisor.h"

namespace kv7::supervisor {
batches::BatchWorkingSet Supervisor::RunningWorkingSet() const {
  batches::BatchWorkingSet ws;
  const ClassSums sums = BatchSums();
  for (std::size_t q = 0; q < store::kQualities; ++q)
    for (std::size_t c = 0; c < store::kClasses; ++c) ws.totals[q][c] = std::to_string(sums.classTotal[q][c]);
  ws.reject = std::to_string(sums.reject);
  const auto& p = processing_;
  ws.numero = p.numero;
  ws.codProd = p.codice;
  ws.nomeProd = p.descrizione;
  ws.note = batches::NormaliseNote(p.note);
  ws.totalePart = p.totPartita;
  ws.lotto = p.lotto;
  ws.numCasse = p.numCasse;
  ws.numPedane = p.numPedane;
  ws.operatore = p.operatore;
  ws.date = store::DbDateTime::LocalNow();
  return ws;
}

reports::BatchPage Supervisor::RunningBatchPage(const batches::BatchWorkingSet& ws, const std::string& title,
                                                const std::string& registration, bool printWeights, bool partita) {
  reports::BatchPageInput in;
  in.title = title;
  in.registration = registration;
  in.inGrams = config_.totaligrammi == 1;
  in.partita = partita;
  in.printWeights = printWeights;
  in.machine = config_.macchina;
  in.ws = ws;
  // The cost as the last request measured it, while a kilogram cost anything.
  if (totals_.cost && totals_.cost->perKg > 0)
    in.cost = reports::CostLine{totals_.cost->amount, totals_.cost->perKg};
  AddBoardProgram(in);
  AddPriceList(in);
  return reports::MakeBatchPage(in);
}

void Supervisor::AddPriceList(reports::BatchPageInput& in) {
  // A page without its value is still the grower's ticket: an archive that
  // is away only leaves the value section out.
  if (in.ws.program.empty() || !database_ || !database_->IsConnected()) return;
  try {
    in.priceList = prices::LoadListInForce(*database_, in.ws.program, in.ws.date);
  } catch (const store::DbError& e) {
    ShowDatabaseError(e.what(), true);
  }
}

void Supervisor::AddBoardProgram(reports::BatchPageInput& in) {
  // The page names the program the board grades with, whoever chose it (F2,
  // the board itself, the restart record); the one last loaded stands in
  // while the archive is away.
  const int n = st_.boardProgram;
  if (n <= 0 || n == 9999) return;
  std::optional<programs::LoadedProgram> loaded;
  if (database_ && database_->IsConnected()) {
    try {
      loaded = programs::LoadProgramByNumber(*database_, n, config_.xmoltiply);
    } catch (const store::DbError& e) {
      ShowDatabaseError(e.what(), true);
    }
  }
  if (!loaded && currentProgram_ && programs::ProgramNumber(currentProgram_->record.code) == n) loaded = currentProgram_;
  if (!loaded) return;
  in.ws.program = loaded->record.code;
  in.classes = reports::ClassesOf(loaded->record);
  // The ranges as the screen shows them.
  if (config_.xmoltiply > 0)
    for (auto& limits : in.classes.limits)
      for (auto& limit : limits) limit *= config_.xmoltiply;
  in.programDescription = loaded->record.description;
}

void Supervisor::Stampa3Click() {
  TotaliClick();
  const auto& cost = totals_.runCost;
  if (cost.amount > 0) console_.ShowCostPerKg({cost.amount, cost.perKg, cost.perKgCurrency});
  if (!reportWindows_) return;
  std::string registration;
  if (DatabaseUsable()) {
    try {
      registration = std::to_string(batches::CountBatches(*database_).maxNumber + 1);
    } catch (const store::DbError& e) {
      ShowDatabaseError(e.what());
    }
  }
  const bool partita = reportWindows_->PartitaOnRunningTotals();
  reportWindows_->OutputPage(RunningBatchPage(RunningWorkingSet(), reports::kBatchTitle, registration, true, partita),
                             config_);
}

void Supervisor::PrintEndOfBatch(const batches::BatchWorkingSet& ended, const std::string& processingNumber) {
  if (!reportWindows_) return;
  const bool partita = reportWindows_->PartitaOnRunningTotals();
  reportWindows_->OutputPage(
      RunningBatchPage(ended, reports::kEndOfBatchTitle, processingNumber, config_.stampagrammi == 1, partita),
      config_);
}

void Supervisor::Stampa2Click() {
  if (!reportWindows_ || !DatabaseUsable()) return;
  try {
    const auto choice = reportWindows_->ChooseBatchForPrint(batches::FillBatchList(*database_));
    if (!choice) return;
    auto stored = reports::LoadBatchPage(*database_, choice->number, choice->partita, config_);
    if (!stored.page) {
      if (stored.found) operator_.ShowMessage("programma " + stored.programMissing + " non in archivio");
      return;
    }
    reportWindows_->OutputPage(*stored.page, config_);
  } catch (const store::DbError& e) {
    ShowDatabaseError(e.what());
  }
}

void Supervisor::Stampa1Click() {
  if (!reportWindows_) return;
  const auto lists = ProgramLists();
  if (!lists) return;
  const auto code = reportWindows_->ChooseProgramForPrint(*lists);
  if (!code) return;
  try {
    const auto page = reports::LoadProgramPage(*database_, *code);
    if (!page) {
      operator_.ShowMessage("programma " + *code + " non in archivio");
      return;
    }
    reportWindows_->OutputPage(*page, config_);
  } catch (const store::DbError& e) {
    ShowDatabaseError(e.what());
  }
}

void Supervisor::stampa4Click() {
  if (!reportWindows_ || !DatabaseUsable()) return;
  try {
    reportWindows_->OutputPage(reports::LoadProducerListPage(*database_), config_);
  } catch (const store::DbError& e) {
    ShowDatabaseError(e.what());
  }
}

}  // namespace kv7::supervisor
