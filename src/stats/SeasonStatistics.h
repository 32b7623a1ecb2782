#pragma once
// The season's figures from the batch archive, grouped by producer, program,
// machine or ISO week: one aggregate query in the server, the shares
// computed here from its sums.
//
// How a batch counts, as the growers are paid: each class and quality (and
// the reject) weighs the declared weight x its share of the sample (the
// report's Partita rule). A batch without a declared weight (0 or NULL)
// counts with its sampled grams instead, so it is neither lost from the
// distribution nor blown up. Quality and reject shares are taken from the
// same weighted amounts, so they add up with the class distribution.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "store/BatchFigures.h"
#include "store/DbValue.h"

namespace kv7::store {
class Database;
class DbConnection;
}

namespace kv7::stats {

using store::kClasses;
using store::kQualities;
inline constexpr int kShares = kQualities + 1;  // the reject last

enum class Grouping { Producer, Program, Machine, Week };

// "producer", "program", "machine", "week" (kv7ctl's words).
const char* GroupingWord(Grouping g);
std::optional<Grouping> ParseGrouping(const std::string& word);

struct StatsQuery {
  std::optional<store::DbDateTime> from, to;  // inclusive; none: open
  Grouping by = Grouping::Producer;
  std::string producer;  // only this producer's batches when set
  bool operator==(const StatsQuery&) const = default;
};

// This season as of `now`: from the first moment of its year, open ended,
// so the year's first batch opens it.
StatsQuery SeasonQuery(const store::DbDateTime& now);

struct GroupFigures {
  std::string key;    // producer or program code, machine number, "2026-W05"
  std::string label;  // the producer's name, empty for the other groupings
  std::int64_t batches = 0;
  std::int64_t declaredKg = 0;  // batches with a declared weight only
  std::int64_t sampledGrams = 0;
  // Weighted grams (see above): [q - 1][c - 1], and per quality with the
  // reject at index 4.
  std::array<std::array<double, kClasses>, kQualities> classGrams{};
  std::array<double, kShares> qualityGrams{};
  // Filled only where a price list applies; hidden otherwise. The value is
  // the sum of the batches' values as their pages show them; per kilogram
  // it is over the weight of the batches that have one (`valuedGrams`).
  std::optional<double> value;
  std::optional<double> valuePerKg;
  std::int64_t valuedGrams = 0;

  double WeightedGrams() const;
  // Percent of the weighted total; 0 when it is 0.
  double QualityShare(int index) const;  // 0..3 qualities, 4 the reject
  double ClassShare(int q, int c) const;  // q 0..3, c 0..14
  double SampledKg() const { return static_cast<double>(sampledGrams) / 1000.0; }
  // Adds another group's sums (the totals line).
  void Add(const GroupFigures& other);
};

struct Statistics {
  StatsQuery query;
  std::vector<GroupFigures> groups;  // in key order (numbers by value)
  GroupFigures total;                // key empty
  int machine = 1;                   // the console that asked, on its printed page
  bool HasValues() const;
};

// The server-side query for `query`, its values as '?' parameters in order
// (dates, producer). Exposed so the bench can hand the client the same text.
std::string StatisticsSql(const StatsQuery& query);
std::vector<store::DbValue> StatisticsParams(const StatsQuery& query);
// The period and producer conditions of `query` on `bolle`, each " AND ...",
// with StatisticsParams' parameters.
std::string PeriodConditions(const StatsQuery& query);
// The group's key expression on `bolle` aliased `b`, and a key as shown.
std::string KeyExpression(Grouping g);
std::string KeyText(const store::DbValue& key, Grouping g);

// Runs the aggregate on `db` (table `bolle`); throws store::DbError.
// Producer names are not filled here (see FillProducerNames).
Statistics LoadStatistics(store::DbConnection& db, const StatsQuery& query);

// Producer groups get the producer's name from the archive ("" for a code
// no longer listed).
void FillProducerNames(store::Database& db, Statistics& s);

// The value and value per kilogram of each group and of the total, each
// batch valued on the list in force on its day; nothing when the archive
// holds no price list.
void FillValues(store::Database& db, Statistics& s);

}  // namespace kv7::stats
