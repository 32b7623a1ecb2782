#pragma once
// The windows the batch and producer commands show to the person: the
// processing data ("Dati Bolla"), the batch picker and editor, the producer
// list and the producer window. Each call shows its window modally and
// returns what the person chose; the machine thread waits for it like for a
// question. No widget type appears here.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "batches/BatchArchive.h"
#include "batches/ProcessingData.h"
#include "batches/ProducerArchive.h"

namespace kv7::supervisor {

// How "Dati Bolla" closed. The data are the window's fields either way: on
// Cancel the code, description, note and number are back as they were, the
// other fields keep what was typed.
struct ProcessingOutcome {
  bool accepted = false;
  batches::ProcessingData data;
};

// What the producer window hands back on "Salva".
struct EditedProducer {
  std::int64_t number = 0;
  std::string description;
};

// What "Esporta Bolle con filtro per DATA" hands back on "ESPORTA".
struct ExportRangeChoice {
  store::DbDateTime from;
  store::DbDateTime to;
  bool header = false;  // "Nomi campi"
};

class BatchWindows {
 public:
  virtual ~BatchWindows() = default;
  // "Dati Bolla" on `data`, with the producers "Cambia" offers; nullopt when
  // the window could not be shown (the console is closing).
  virtual std::optional<ProcessingOutcome> EditProcessing(const batches::ProcessingData& data,
                                                          const std::vector<batches::Producer>& producers) = 0;
  // The batch picker; the number kept with the chosen entry, nullopt on Cancel.
  virtual std::optional<std::int64_t> ChooseBatch(const batches::BatchList& list) = 0;
  // The batch editor on `input` (a batch whose program is not stored first
  // gets one chosen); the working set to save on OK.
  virtual std::optional<batches::BatchWorkingSet> EditBatch(const batches::BatchEditorInput& input) = 0;
  // The producer list; the chosen row, nullopt on Cancel.
  virtual std::optional<batches::Producer> ChooseProducer(const std::vector<batches::Producer>& list) = 0;
  // The producer window with a code and a description; what to store on OK.
  virtual std::optional<EditedProducer> EditProducer(const std::string& code, const std::string& description) = 0;
  // The date filter of the date-range export; nullopt on Cancel.
  virtual std::optional<ExportRangeChoice> ChooseExportRange() = 0;
};

}  // namespace kv7::supervisor
