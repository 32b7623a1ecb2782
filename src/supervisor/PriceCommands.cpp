// The price commands: "&Programmi" -> "&Listino" edits a program's price
// list from a day on, "Pro&duttori" -> "&Estratto conto stagione" prints a
// producer's season with the value of every batch.

#include "batches/BatchRules.h"
#include "prices/PriceArchive.h"
#include "programs/ProgramArchive.h"
#include "reports/PageData.h"
#include "reports/SeasonStatement.h"
#include "store/DbError.h"
#include "supervisor/PriceWindows.h"
#include "supervisor/ReportWindows.h"
#include "supervisor/Supervisor.h"

namespace kv7::supervisor {
namespace {

// The class grid as the program editor shows it, with the program's lists.
prices::PriceListInput PriceInput(store::Database& db, const programs::LoadedProgram& loaded, int multiplier) {
  prices::PriceListInput in;
  in.programCode = programs::LookupCode(loaded.record.code);
  in.description = loaded.record.description;
  batches::ProgramClasses classes = reports::ClassesOf(loaded.record);
  if (multiplier > 0)
    for (auto& limits : classes.limits)
      for (auto& limit : limits) limit *= multiplier;
  in.names = classes.names;
  for (std::size_t q = 0; q < store::kQualities; ++q)
    for (std::size_t c = 0; c < store::kClasses; ++c)
      in.ranges[q][c] = batches::ClassRangeText(static_cast<long>(classes.limits[q][c]),
                                                static_cast<long>(classes.limits[q][c + 1]));
  for (const auto& day : prices::ListDays(db, in.programCode))
    if (auto list = prices::LoadPriceList(db, in.programCode, day)) in.lists.push_back(std::move(*list));
  in.today = store::DbDateTime::LocalNow();
  return in;
}

}  // namespace

void Supervisor::Listino1Click() {
  if (!priceWindows_) return;
  const auto lists = ProgramLists();
  if (!lists) return;
  const auto code = priceWindows_->ChooseProgramForPrices(*lists);
  if (!code) return;
  try {
    const auto loaded = programs::LoadProgramIntoEditor(*database_, *code, 0);
    if (!loaded) {
      operator_.ShowMessage("programma " + *code + " non in archivio");
      return;
    }
    const auto edited = priceWindows_->EditPriceList(PriceInput(*database_, *loaded, config_.xmoltiply));
    if (!edited) return;
    prices::SavePriceList(*database_, *edited, Who("TListino"));
    WriteLog("Listino prezzi programma " + edited->programma + " dal " + prices::DayText(edited->validFrom) +
             " salvato: " + std::to_string(edited->prices.size()) + " prezzi\n");
  } catch (const store::DbError& e) {
    ShowDatabaseError(e.what());
  }
}

void Supervisor::EstrattoConto1Click() {
  if (!priceWindows_ || !reportWindows_ || !DatabaseUsable()) return;
  try {
    const auto today = store::DbDateTime::LocalNow();
    // The season runs from the first of the year unless the person says otherwise.
    const auto choice = priceWindows_->ChooseStatement(batches::FillProducerList(*database_),
                                                       store::DbDateTime{today.year, 1, 1}, today);
    if (!choice) return;
    reportWindows_->OutputPage(reports::LoadSeasonStatement(*database_, choice->producer, choice->from, choice->to),
                               config_);
  } catch (const store::DbError& e) {
    ShowDatabaseError(e.what());
  }
}

}  // namespace kv7::supervisor
