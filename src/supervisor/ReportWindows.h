#pragma once
// The windows the report commands show: the batch picker for printing, the
// program picker for printing, the page output (preview or print dialog,
// as the console's "Preview stampa" box says) and the company header
// window. Each call runs modally on the window thread while the machine
// thread waits. No widget type appears here.

#include <cstdint>
#include <optional>

#include "batches/BatchArchive.h"
#include "programs/ProgramCodes.h"
#include "reports/ReportPages.h"
#include "store/Configuration.h"
#include "store/SideFiles.h"

namespace kv7::supervisor {

struct BatchPrintChoice {
  std::int64_t number = 0;
  bool partita = false;  // the picker's "Partita" box
};

class ReportWindows {
 public:
  virtual ~ReportWindows() = default;
  // The batch picker with its "Partita" box cleared; nullopt on Cancel.
  virtual std::optional<BatchPrintChoice> ChooseBatchForPrint(const batches::BatchList& list) = 0;
  // The program list captioned for printing: the chosen code.
  virtual std::optional<std::string> ChooseProgramForPrint(const programs::ProgramLists& lists) = 0;
  // The console's "Stampa con totale partita" box.
  virtual bool PartitaOnRunningTotals() = 0;
  // The page in the preview or through the print dialog, in the print font
  // of `config`; false when nothing was printed.
  virtual bool OutputPage(const reports::Page& page, const store::Configuration& config) = 0;
  // "Impostazione Azienda": the lines to store on "Salva".
  virtual std::optional<store::CompanyHeader> EditCompanyHeader(const store::CompanyHeader& header) = 0;
};

}  // namespace kv7::supervisor
