#include "batches/ProducerArchive.h"
#include "stats/SeasonStatistics.h"
#include "store/Database.h"

namespace kv7::stats {

void FillProducerNames(store::Database& db, Statistics& s) {
  if (s.query.by != Grouping::Producer || s.groups.empty()) return;
  const auto producers = batches::FillProducerList(db);
  for (auto& g : s.groups) g.label = batches::LookupProducerByCode(producers, g.key).value_or("");
}

}  // namespace kv7::stats
