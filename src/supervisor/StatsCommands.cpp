// The statistics window's figures: one aggregate query on the machine
// thread, the answer handed to the window as a value.

#include "store/Database.h"
#include "store/DbError.h"
#include "supervisor/Supervisor.h"

namespace kv7::supervisor {

std::optional<stats::Statistics> Supervisor::Statistiche(const stats::StatsQuery& query) {
  if (!DatabaseUsable()) return std::nullopt;
  try {
    auto s = stats::LoadStatistics(database_->Connection(), query);
    stats::FillProducerNames(*database_, s);
    stats::FillValues(*database_, s);
    s.machine = config_.macchina;
    return s;
  } catch (const store::DbError& e) {
    ShowDatabaseError(e.what());
    return std::nullopt;
  }
}

}  // namespace kv7::supervisor
