#include "stats/SeasonStatistics.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "store/DbConnection.h"

namespace kv7::stats {
namespace {

constexpr const char* kWords[] = {"producer", "program", "machine", "week"};

std::string ClassColumn(int q, int c) {
  return "tot" + std::to_string(c + 1) + "q" + std::to_string(q + 1);
}

}  // namespace

std::string KeyExpression(Grouping g) {
  switch (g) {
    case Grouping::Program: return "TRIM(COALESCE(b.`programma`, ''))";
    // Rows written before the column existed came from the only machine.
    case Grouping::Machine: return "COALESCE(b.`macchina`, 1)";
    // Mode 3: weeks start on Monday, week 1 holds the year's first Thursday.
    case Grouping::Week: return "YEARWEEK(b.`data`, 3)";
    case Grouping::Producer: break;
  }
  return "TRIM(COALESCE(b.`produttore`, ''))";
}

namespace {

std::string WeekKey(std::int64_t yearWeek) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-W%02d", static_cast<int>(yearWeek / 100), static_cast<int>(yearWeek % 100));
  return text;
}

bool AllDigits(const std::string& s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](unsigned char ch) { return ch >= '0' && ch <= '9'; });
}

// Producer and program codes are numbers typed as text: "3" before "12".
bool KeyBefore(const std::string& a, const std::string& b) {
  if (AllDigits(a) && AllDigits(b) && a.size() != b.size()) return a.size() < b.size();
  return a < b;
}

double Share(double part, double whole) {
  return whole > 0 ? part * 100.0 / whole : 0.0;
}

}  // namespace

const char* GroupingWord(Grouping g) {
  return kWords[static_cast<int>(g)];
}

std::optional<Grouping> ParseGrouping(const std::string& word) {
  for (int i = 0; i < 4; ++i)
    if (word == kWords[i]) return static_cast<Grouping>(i);
  return std::nullopt;
}

StatsQuery SeasonQuery(const store::DbDateTime& now) {
  StatsQuery q;
  q.from = store::DbDateTime{now.year, 1, 1, 0, 0, 0};
  return q;
}

double GroupFigures::WeightedGrams() const {
  double sum = 0;
  for (double g : qualityGrams) sum += g;
  return sum;
}

double GroupFigures::QualityShare(int index) const {
  return Share(qualityGrams[std::size_t(index)], WeightedGrams());
}

double GroupFigures::ClassShare(int q, int c) const {
  return Share(classGrams[std::size_t(q)][std::size_t(c)], WeightedGrams());
}

void GroupFigures::Add(const GroupFigures& o) {
  batches += o.batches;
  declaredKg += o.declaredKg;
  sampledGrams += o.sampledGrams;
  for (std::size_t q = 0; q < kQualities; ++q)
    for (std::size_t c = 0; c < kClasses; ++c) classGrams[q][c] += o.classGrams[q][c];
  for (std::size_t i = 0; i < kShares; ++i) qualityGrams[i] += o.qualityGrams[i];
  valuedGrams += o.valuedGrams;
  if (o.value) value = value.value_or(0) + *o.value;
  if (value && valuedGrams > 0) valuePerKg = *value * 1000.0 / static_cast<double>(valuedGrams);
}

bool Statistics::HasValues() const {
  return std::any_of(groups.begin(), groups.end(), [](const GroupFigures& g) { return g.value.has_value(); });
}

std::string StatisticsSql(const StatsQuery& query) {
  // The inner query gives each batch of the period its declared weight `d`
  // and grand total `t`, the middle one its weighting factor `f`, each once.
  // Their LIMIT (the largest there is: every row) keeps the server from
  // folding them into the outer query, where `t` and `f` would be worked out
  // again for each of the 61 weighted sums (twenty times slower on a season);
  // the small table they leave is joined back to the batches.
  std::string total;
  for (int q = 0; q < kQualities; ++q)
    for (int c = 0; c < kClasses; ++c) total += "COALESCE(`" + ClassColumn(q, c) + "`, 0) + ";
  std::string inner = "SELECT `num`, IF(`totpartita` > 0, `totpartita`, 0) AS d, " + total +
                      "COALESCE(`totq5`, 0) AS t FROM `bolle` WHERE 1 = 1";
  inner += PeriodConditions(query) + " LIMIT 18446744073709551615";
  // Declared kilograms over sampled grams; a batch without a declaration
  // (or without a sample) counts as sampled.
  const std::string middle = "SELECT `num`, d, t, IF(d > 0 AND t > 0, d * 1e3 / t, 1e0) AS f FROM (" + inner +
                             ") x LIMIT 18446744073709551615";
  const std::string f = "w.f";
  std::string sql = "SELECT " + KeyExpression(query.by) + " AS g, COUNT(*), SUM(w.d), SUM(w.t)";
  for (int q = 0; q < kQualities; ++q)
    for (int c = 0; c < kClasses; ++c) sql += ", SUM(COALESCE(b.`" + ClassColumn(q, c) + "`, 0) * " + f + ")";
  sql += ", SUM(COALESCE(b.`totq5`, 0) * " + f + ") FROM `bolle` b JOIN (" + middle +
         ") w ON w.`num` = b.`num` GROUP BY g ORDER BY g";
  return sql;
}

std::string PeriodConditions(const StatsQuery& query) {
  std::string where;
  if (query.from) where += " AND `data` >= ?";
  if (query.to) where += " AND `data` <= ?";
  if (!query.producer.empty()) where += " AND TRIM(`produttore`) = ?";
  return where;
}

std::string KeyText(const store::DbValue& key, Grouping g) {
  return g == Grouping::Week ? WeekKey(store::ToInteger(key)) : store::ToText(key);
}

std::vector<store::DbValue> StatisticsParams(const StatsQuery& query) {
  std::vector<store::DbValue> params;
  if (query.from) params.emplace_back(*query.from);
  if (query.to) params.emplace_back(*query.to);
  if (!query.producer.empty()) params.emplace_back(query.producer);
  return params;
}

namespace {

double Real(const store::DbValue& v) {
  if (const auto* d = std::get_if<double>(&v)) return *d;
  if (const auto* s = std::get_if<std::string>(&v)) return std::strtod(s->c_str(), nullptr);
  return static_cast<double>(store::ToInteger(v));
}

GroupFigures FromRow(const store::DbRow& row, Grouping by) {
  GroupFigures g;
  g.key = KeyText(row[0], by);
  g.batches = store::ToInteger(row[1]);
  g.declaredKg = static_cast<std::int64_t>(Real(row[2]));
  g.sampledGrams = static_cast<std::int64_t>(Real(row[3]));
  std::size_t i = 4;
  for (std::size_t q = 0; q < kQualities; ++q) {
    for (std::size_t c = 0; c < kClasses; ++c) {
      g.classGrams[q][c] = Real(row[i++]);
      g.qualityGrams[q] += g.classGrams[q][c];
    }
  }
  g.qualityGrams[kQualities] = Real(row[i]);
  return g;
}

}  // namespace

Statistics LoadStatistics(store::DbConnection& db, const StatsQuery& query) {
  Statistics out;
  out.query = query;
  for (const auto& row : db.Query(StatisticsSql(query), StatisticsParams(query)))
    out.groups.push_back(FromRow(row, query.by));
  std::stable_sort(out.groups.begin(), out.groups.end(),
                   [](const GroupFigures& a, const GroupFigures& b) { return KeyBefore(a.key, b.key); });
  for (const auto& g : out.groups) out.total.Add(g);
  return out;
}

}  // namespace kv7::stats
