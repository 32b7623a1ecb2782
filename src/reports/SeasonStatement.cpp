#include "reports/SeasonStatement.h"

#include "batches/ProducerArchive.h"
#include "prices/PriceArchive.h"
#include "store/DbSchema.h"

namespace kv7::reports {
namespace {

// Grams of each quality (the reject at 4) on the weight the batch is
// valued on: the declared weight shared out, or what was sampled.
std::array<double, 5> QualityWeights(const store::BatchRow& row, const store::BatchFigures& f) {
  std::array<double, 5> w{};
  for (std::size_t q = 0; q < kQualities; ++q) w[q] = static_cast<double>(f.totaleq[q]);
  w[4] = static_cast<double>(row.totq5);
  if (row.totpartita > 0) {
    const double scale = f.totale_gen > 0 ? static_cast<double>(row.totpartita) * 1000.0 / f.totale_gen : 0.0;
    for (double& g : w) g *= scale;
  }
  return w;
}

}  // namespace

SeasonStatementPage MakeSeasonStatement(const std::vector<store::BatchRow>& rows, const prices::PriceBook& book) {
  SeasonStatementPage page;
  std::array<double, 5> weights{};
  std::int64_t valuedGrams = 0;
  for (const store::BatchRow& row : rows) {
    const store::BatchFigures f = store::ComputeBatchFigures(row);
    StatementLine line;
    line.date = row.data.value_or(store::DbDateTime{});
    line.num = row.num;
    line.bolla = row.bolla;
    line.declaredKg = row.totpartita;
    for (std::size_t i = 0; i < 5; ++i) line.shares[i] = static_cast<double>(f.percq[i].hundredths) / 100.0;
    if (const prices::PriceList* list = row.data ? book.InForce(row.programma, *row.data) : nullptr) {
      const prices::BatchValue v = prices::ValueBatch(prices::WeightsOf(row), *list);
      line.value = v.value;
      page.value += v.value;
      valuedGrams += v.grams;
    }
    page.declaredKg += row.totpartita;
    const auto w = QualityWeights(row, f);
    for (std::size_t i = 0; i < 5; ++i) weights[i] += w[i];
    page.lines.push_back(std::move(line));
  }
  double all = 0;
  for (double w : weights) all += w;
  if (all > 0)
    for (std::size_t i = 0; i < 5; ++i) page.shares[i] = weights[i] * 100.0 / all;
  if (valuedGrams > 0) page.perKg = store::RoundHalfAway(static_cast<__int128>(page.value) * 100000, valuedGrams);
  return page;
}

SeasonStatementPage LoadSeasonStatement(store::Database& db, const std::string& producer,
                                        const store::DbDateTime& from, const store::DbDateTime& to) {
  std::vector<store::BatchRow> rows;
  if (db.TableExists(store::table::kBatches))
    for (const auto& r : db.Connection().Query(
             "SELECT * FROM `bolle` WHERE `produttore` = ? AND `data` >= ? AND `data` < ? + INTERVAL 1 DAY "
             "ORDER BY `data`, `num`",
             {producer, prices::DayText(from), prices::DayText(to)}))
      rows.push_back(store::Database::BatchFromRow(r));
  SeasonStatementPage page = MakeSeasonStatement(rows, prices::LoadPriceBook(db));
  page.machine = db.Machine();
  page.producerCode = producer;
  page.producerName = batches::LookupProducerByCode(db, producer).value_or(std::string());
  page.from = store::DbDateTime{from.year, from.month, from.day};
  page.to = store::DbDateTime{to.year, to.month, to.day};
  return page;
}

}  // namespace kv7::reports
