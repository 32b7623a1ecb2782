// The statistics' value columns. Each batch is valued by the same function
// as its page (prices::ValueBatch), so a group's value is the sum of what
// its batches' tickets show and can be checked batch by batch.

#include <map>

#include "prices/PriceArchive.h"
#include "prices/PriceList.h"
#include "stats/SeasonStatistics.h"
#include "store/Database.h"

namespace kv7::stats {
namespace {

// The key, program, day, declared weight, reject and class grams of each
// batch of the period, in the order Weights() reads them.
std::string BatchesSql(const StatsQuery& query) {
  std::string sql = "SELECT " + KeyExpression(query.by) + ", b.`programma`, b.`data`, b.`totpartita`, b.`totq5`";
  for (int q = 1; q <= kQualities; ++q)
    for (int c = 1; c <= kClasses; ++c) sql += ", b.`tot" + std::to_string(c) + "q" + std::to_string(q) + "`";
  return sql + " FROM `bolle` b WHERE 1 = 1" + PeriodConditions(query);
}

prices::BatchWeights Weights(const store::DbRow& row) {
  prices::BatchWeights w;
  w.declaredKg = store::ToInteger(row[3]);
  w.reject = store::ToInteger(row[4]);
  std::size_t i = 5;
  for (auto& quality : w.grams)
    for (auto& grams : quality) grams = store::ToInteger(row[i++]);
  return w;
}

}  // namespace

void FillValues(store::Database& db, Statistics& s) {
  const prices::PriceBook book = prices::LoadPriceBook(db);
  if (book.Empty() || s.groups.empty()) return;
  std::map<std::string, GroupFigures*> byKey;
  for (auto& g : s.groups) byKey[g.key] = &g;
  for (const auto& row : db.Connection().Query(BatchesSql(s.query), StatisticsParams(s.query))) {
    const auto* day = std::get_if<store::DbDateTime>(&row[2]);
    if (!day) continue;
    const prices::PriceList* list = book.InForce(store::ToText(row[1]), *day);
    const auto group = byKey.find(KeyText(row[0], s.query.by));
    if (!list || group == byKey.end()) continue;
    const prices::BatchValue v = prices::ValueBatch(Weights(row), *list);
    GroupFigures& g = *group->second;
    g.value = g.value.value_or(0) + static_cast<double>(v.value) / 100.0;
    g.valuedGrams += v.grams;
  }
  s.total = {};
  for (auto& g : s.groups) {
    if (g.value && g.valuedGrams > 0) g.valuePerKg = *g.value * 1000.0 / static_cast<double>(g.valuedGrams);
    s.total.Add(g);
  }
}

}  // namespace kv7::stats
