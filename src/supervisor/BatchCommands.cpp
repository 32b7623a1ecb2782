// The commands that keep the batch and producer archives and the processing
// data of the running batch: "Dati Bolla" (F3), the Enter keys of the batch
// number and batch total on the main window, new, modify and delete of a
// batch ("&Bolle") and of a producer ("Pro&duttori"). Each window round trip
// runs here on the machine thread: the archive is read, the window shown
// through BatchWindows while this thread waits, and what came back stored.

#include <ctime>

#include "batches/BatchArchive.h"
#include "batches/ProducerArchive.h"
#include "store/Database.h"
#include "store/DbError.h"
#include "supervisor/Supervisor.h"

namespace kv7::supervisor {
batches::LogSink Supervisor::ArchiveLog() {
  return [this](const std::string& s) { WriteLog(s); };
}

std::optional<std::vector<batches::Producer>> Supervisor::ProducerList() {
  if (!DatabaseUsable()) return std::nullopt;
  try {
    return batches::FillProducerList(*database_);
  } catch (const store::DbError& e) {
    ShowDatabaseError(e.what());
    return std::nullopt;
  }
}

void Supervisor::Dati1Click() {
  if (!batchWindows_) return;
  // Without an archive the window still takes the data; "Cambia" lists nothing.
  std::vector<batches::Producer> producers;
  if (database_) producers = ProducerList().value_or(std::vector<batches::Producer>{});
  // The forced date starts at now, so ticking it changes only what must.
  if (!processing_.forceDate) processing_.date1 = store::DbDateTime::LocalNow();
  const auto outcome = batchWindows_->EditProcessing(processing_, producers);
  if (!outcome) return;
  processing_ = outcome->data;
  if (!outcome->accepted) return;
  console_.SetText(Control::numBolla, processing_.numero);
  console_.SetText(Control::totPartita, processing_.totPartita);
  st_.numBolla = processing_.numero;
  st_.totPartita = processing_.totPartita;
  if (st_.batchCounting) KeepCountingBatch();
}

void Supervisor::numBollaEnter(const std::string& text) {
  processing_.numero = st_.numBolla = text;
  if (st_.batchCounting) KeepCountingBatch();
}

void Supervisor::totPartitaEnter(const std::string& text) { processing_.totPartita = st_.totPartita = text; }

void Supervisor::EditAndSaveBatch(batches::BatchEditorInput input) {
  for (;;) {
    const auto result = batchWindows_->EditBatch(input);
    if (!result) return;
    batches::SaveResult saved;
    try {
      saved = input.isNew
                  ? batches::SaveNewBatch(*database_, *result, ArchiveLog(), Who("TNewBolla"))
                  : batches::SaveEditedBatch(*database_, *input.loaded, *result, ArchiveLog(), Who("TNewBolla"));
    } catch (const store::DbError& e) {
      ShowDatabaseError(e.what());
      return;
    }
    batchWorkingSet_ = *result;
    if (!ReportBatchSave(saved, input.number)) return;
    input.ws = *result;
  }
}

bool Supervisor::ReportBatchSave(const batches::SaveResult& saved, std::int64_t shownNumber) {
  using Status = batches::SaveResult::Status;
  const std::string n = std::to_string(saved.number);
  switch (saved.status) {
    case Status::Saved:
      // Another batch (a journal replay) took the number shown meanwhile.
      if (saved.number != shownNumber)
        operator_.ShowMessage("La bolla è stata registrata con il numero " + n + ": il numero " +
                              std::to_string(shownNumber) + " è stato preso nel frattempo da un'altra bolla.");
      return false;
    case Status::Deleted:
      operator_.ShowMessage("La bolla " + n + " è stata cancellata dopo l'apertura: le modifiche non sono state salvate.");
      return false;
    case Status::Changed:
      operator_.ShowMessage("La bolla " + n + " è stata cambiata dopo l'apertura: le modifiche non sono state salvate.");
      return false;
    case Status::BadField:
      // The editor refuses such a figure itself; should one get through, the
      // row stays as it was and the batch comes back as typed.
      operator_.ShowMessage("Il campo " + saved.bad->field + " non contiene un numero intero: \"" + saved.bad->text +
                            "\". La bolla non è stata salvata.");
      return true;
  }
  return false;
}

void Supervisor::Nuova1Click() {
  if (!batchWindows_ || !DatabaseUsable()) return;
  batches::BatchEditorInput input;
  try {
    input = batches::PrepareNewBatch(*database_, batchWorkingSet_, config_.totaligrammi == 1, store::DbDateTime::LocalNow());
  } catch (const store::DbError& e) {
    ShowDatabaseError(e.what());
    return;
  }
  EditAndSaveBatch(std::move(input));
}

std::optional<std::int64_t> Supervisor::PickBatch() {
  if (!batchWindows_ || !DatabaseUsable()) return std::nullopt;
  batches::BatchList list;
  try {
    list = batches::FillBatchList(*database_);
  } catch (const store::DbError& e) {
    ShowDatabaseError(e.what());
    return std::nullopt;
  }
  return batchWindows_->ChooseBatch(list);
}

void Supervisor::Modifica2Click() {
  const auto n = PickBatch();
  if (!n) return;
  batches::BatchEditorInput input;
  try {
    input = batches::PrepareEditBatch(*database_, *n, batchWorkingSet_, config_.totaligrammi == 1);
  } catch (const store::DbError& e) {
    ShowDatabaseError(e.what());
    return;
  }
  // Deleted since the list was read: there is nothing to change.
  if (!input.loaded) {
    operator_.ShowMessage("La bolla " + std::to_string(*n) + " non esiste più.");
    return;
  }
  EditAndSaveBatch(std::move(input));
}

void Supervisor::Cancella2Click() {
  const auto n = PickBatch();
  if (!n) return;
  try {
    batches::DeleteBatch(*database_, *n, ArchiveLog(), Who("TListaBolla"));
  } catch (const store::DbError& e) {
    ShowDatabaseError(e.what());
  }
}

void Supervisor::nuova2Click() {
  if (!batchWindows_) return;
  const auto list = ProducerList();
  if (!list) return;
  const auto edited = batchWindows_->EditProducer(std::to_string(batches::ProposeProducerNumber(*list)), "");
  if (!edited) return;
  try {
    batches::SaveProducer(*database_, edited->number, edited->description, Who("TProduttori"));
  } catch (const store::DbError& e) {
    ShowDatabaseError(e.what());
  }
}

std::optional<batches::Producer> Supervisor::PickProducer() {
  if (!batchWindows_) return std::nullopt;
  const auto list = ProducerList();
  if (!list) return std::nullopt;
  return batchWindows_->ChooseProducer(*list);
}

void Supervisor::Modifica3Click() {
  const auto selected = PickProducer();
  if (!selected) return;
  const auto edited = batchWindows_->EditProducer(selected->codice, selected->descrizione);
  if (!edited) return;
  try {
    batches::ModifyProducer(*database_, *selected, edited->number, edited->description, Who("TProduttori"));
  } catch (const store::DbError& e) {
    ShowDatabaseError(e.what());
  }
}

void Supervisor::cancella3Click() {
  const auto selected = PickProducer();
  if (!selected) return;
  try {
    batches::DeleteProducer(*database_, *selected, ArchiveLog(), Who("TListaProduttori"));
  } catch (const store::DbError& e) {
    ShowDatabaseError(e.what());
  }
}

}  // namespace kv7::supervisor
