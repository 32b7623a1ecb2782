#pragma once
// Builds the page values on the machine side: a stored batch, the running
// batch (processing report and end of batch), a program, the installation
// and the producer list. Plain C++ on the archive; database failures throw
// store::DbError.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "batches/BatchArchive.h"
#include "prices/PriceList.h"
#include "reports/ReportPages.h"
#include "store/Configuration.h"
#include "store/Database.h"
#include "store/ProgramRecord.h"

namespace kv7::reports {

// What a batch page is made of, wherever the figures come from.
struct BatchPageInput {
  batches::BatchWorkingSet ws;
  std::string registration;
  batches::ProgramClasses classes;
  std::string programDescription;
  bool inGrams = true;       // `totaligrammi` 1
  bool partita = false;      // figures on the declared weight
  bool printWeights = true;  // the "Peso" column
  std::string title = kBatchTitle;
  std::optional<CostLine> cost;
  std::optional<prices::PriceList> priceList;  // the list in force on the batch's day
  int machine = 1;  // the machine that sampled the batch
};

BatchPage MakeBatchPage(const BatchPageInput& in);


// A decimal number written as text (blanks around allowed, "." as mark);
// nullopt for anything else.
std::optional<double> ReadDecimal(std::string_view text);

// The classes of a program record as the batch editor holds them; limits
// that are not numbers read 0.
batches::ProgramClasses ClassesOf(const store::ProgramRecord& record);

// A stored batch: nullopt page with `found` false when there is no batch n,
// with `programMissing` set when its program is no longer in the archive.
struct StoredBatchPage {
  std::optional<BatchPage> page;
  bool found = false;
  std::string programMissing;  // the program the batch names
};
StoredBatchPage LoadBatchPage(store::Database& db, std::int64_t n, bool partita, const store::Configuration& config);

// The program with code `code` ("STAMPA PROGRAMMA"), printed for the
// database's machine as the producer list is; nullopt when none.
std::optional<ProgramPage> LoadProgramPage(store::Database& db, const std::string& code);
ProgramPage MakeProgramPage(const std::string& number, const store::ProgramRecord& record);

InstallationPage MakeInstallationPage(const store::Configuration& config);

ProducerListPage LoadProducerListPage(store::Database& db);

}  // namespace kv7::reports
