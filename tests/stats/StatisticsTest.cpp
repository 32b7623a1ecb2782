// The season statistics on a seeded archive, checked against sums the test
// makes itself in plain SQL: per producer, per ISO week (across the turn of
// the year), over an empty period, the machine of rows without one, and
// kv7ctl stats printing the same figures.

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>

#include <cmath>

#include "prices/PriceArchive.h"
#include "stats/SeasonStatistics.h"
#include "stats/StatsTable.h"
#include "store/TestDatabase.h"
#include "support/Shell.h"

namespace {

using namespace kv7::stats;
using kv7::store::DbDateTime;
using kv7::store::ToInteger;
using kv7::store::ToText;

// Only these columns are seeded, so the test's grand total is their sum.
constexpr const char* kGrand = "(tot3q1 + tot7q2 + tot1q4 + totq5)";

struct Seed {
  int num;
  const char* data;
  const char* produttore;
  const char* programma;
  int declaredKg;  // 0: none declared
  int c3q1, c7q2, c1q4, reject;
};

// 2025-12-29 and 2026-01-04 are both in ISO week 1 of 2026.
const Seed kSeed[] = {
    {1, "2025-12-29 08:00:00", "3", "05", 1200, 40000, 30000, 20000, 10000},
    {2, "2026-01-04 17:30:00", "12", "05", 0, 25000, 5000, 0, 2500},
    {3, "2026-01-05 06:00:00", "3", "07", 800, 10000, 0, 30000, 0},
    {4, "2026-01-07 12:00:00", "12", "07", 500, 0, 0, 0, 0},  // declared, nothing sampled
    {5, "2026-01-09 09:15:00", " 3", "05", 950, 12345, 6789, 1011, 1213},
    {6, "2026-02-01 10:00:00", "7", "05", 0, 1000, 1000, 1000, 1000},
};

class SeasonStatistics : public kv7::test::TestDatabase {
 protected:
  void SetUp() override {
    TestDatabase::SetUp();
    for (const Seed& s : kSeed)
      Sql().Execute(
          "INSERT INTO bolle (num, data, produttore, programma, totpartita, tot3q1, tot7q2, tot1q4, totq5) "
          "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)",
          {std::int64_t{s.num}, *DbDateTime::Parse(s.data), std::string(s.produttore), std::string(s.programma),
           s.declaredKg ? kv7::store::DbValue(std::int64_t{s.declaredKg}) : kv7::store::DbValue(),
           std::int64_t{s.c3q1}, std::int64_t{s.c7q2}, std::int64_t{s.c1q4}, std::int64_t{s.reject}});
  }

  // The test's own figures per group: count, declared kg, sampled grams and
  // the weighted grams of class 7 of quality 2 and of the reject.
  struct Expected {
    std::int64_t batches, declared, sampled;
    double c7q2, reject, weighted;
  };
  // Floating point, as the weights are: decimal division would keep only four decimals.
  std::map<std::string, Expected> ExpectedBy(const std::string& key, const std::string& where) {
    const std::string f = std::string("IF(totpartita > 0 AND ") + kGrand + " > 0, totpartita * 1e3 / " + kGrand +
                          ", 1e0)";
    std::map<std::string, Expected> out;
    for (const auto& r : Sql().Query("SELECT " + key + ", COUNT(*), COALESCE(SUM(totpartita), 0), SUM(" + kGrand +
                                     "), SUM(tot7q2 * " + f + "), SUM(totq5 * " + f + "), SUM(" + kGrand + " * " + f +
                                     ") FROM bolle " + where + " GROUP BY 1"))
      out[ToText(r[0])] = {ToInteger(r[1]), ToInteger(r[2]), ToInteger(r[3]), std::stod(ToText(r[4])),
                           std::stod(ToText(r[5])), std::stod(ToText(r[6]))};
    return out;
  }

  static void ExpectSame(const Statistics& s, const std::map<std::string, Expected>& expected) {
    ASSERT_EQ(s.groups.size(), expected.size());
    for (const auto& g : s.groups) {
      SCOPED_TRACE(g.key);
      ASSERT_TRUE(expected.count(g.key));
      const Expected& e = expected.at(g.key);
      EXPECT_EQ(g.batches, e.batches);
      EXPECT_EQ(g.declaredKg, e.declared);
      EXPECT_EQ(g.sampledGrams, e.sampled);
      EXPECT_NEAR(g.classGrams[1][6], e.c7q2, 1e-6);
      EXPECT_NEAR(g.qualityGrams[4], e.reject, 1e-6);
      EXPECT_NEAR(g.WeightedGrams(), e.weighted, 1e-6);
      if (e.weighted > 0) {
        EXPECT_NEAR(g.QualityShare(1), 100.0 * e.c7q2 / e.weighted, 1e-9);
      }
    }
  }
};

TEST_F(SeasonStatistics, ByProducerMatchesTheSumsOfItsBatches) {
  StatsQuery q;
  q.by = Grouping::Producer;
  const Statistics s = LoadStatistics(Sql(), q);
  ExpectSame(s, ExpectedBy("TRIM(produttore)", ""));
  // Codes read as numbers: 3, 7, 12.
  ASSERT_EQ(s.groups.size(), 3u);
  EXPECT_EQ(s.groups[0].key, "3");
  EXPECT_EQ(s.groups[2].key, "12");
  // A declared batch weighs its declaration: 1200 + 800 + 950 kg for "3".
  EXPECT_NEAR(s.groups[0].WeightedGrams(), (1200 + 800 + 950) * 1000.0, 1e-6);
  EXPECT_EQ(s.total.batches, 6);
}

TEST_F(SeasonStatistics, ByIsoWeekAcrossTheTurnOfTheYear) {
  StatsQuery q;
  q.by = Grouping::Week;
  q.from = DbDateTime::Parse("2025-12-01");
  q.to = DbDateTime::Parse("2026-01-31 23:59:59");
  const Statistics s = LoadStatistics(Sql(), q);
  std::map<std::string, Expected> expected;
  for (const auto& [yw, e] : ExpectedBy("YEARWEEK(data, 3)", "WHERE data BETWEEN '2025-12-01' AND '2026-01-31 23:59:59'"))
    expected[yw.substr(0, 4) + "-W" + yw.substr(4)] = e;
  ExpectSame(s, expected);
  ASSERT_EQ(s.groups.size(), 2u);
  EXPECT_EQ(s.groups[0].key, "2026-W01");
  EXPECT_EQ(s.groups[0].batches, 2);
  EXPECT_EQ(s.groups[1].key, "2026-W02");
}

TEST_F(SeasonStatistics, OneProducerAndAnEmptyPeriod) {
  const struct {
    const char* from;
    const char* to;
    const char* producer;
    std::size_t groups;
    std::int64_t batches;
  } cases[] = {
      {"2026-01-01", "2026-12-31 23:59:59", "3", 1, 2},  // " 3" is "3"; W02 holds both
      {"2026-03-01", "2026-03-31 23:59:59", "", 0, 0},
      {"2025-01-01", "2026-12-31 23:59:59", "99", 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.from + std::string(" ") + c.producer);
    StatsQuery q;
    q.by = Grouping::Week;
    q.from = DbDateTime::Parse(c.from);
    q.to = DbDateTime::Parse(c.to);
    q.producer = c.producer;
    const Statistics s = LoadStatistics(Sql(), q);
    EXPECT_EQ(s.total.batches, c.batches);
    EXPECT_EQ(s.groups.size(), c.groups);
    if (c.batches == 0) {
      EXPECT_EQ(s.total.WeightedGrams(), 0.0);
      EXPECT_EQ(s.total.QualityShare(4), 0.0);  // no division by nothing
    }
  }
}

// Program 05 has a list from 2026-01-01: batch 1 is before it, program 07
// has none, class 1 of quality 4 no price. Each batch's value is rounded to
// the cent as its ticket shows it; the group adds the tickets.
TEST_F(SeasonStatistics, ValuesAddTheBatchesOnTheListInForceOnTheirDay) {
  kv7::prices::PriceList list;
  list.programma = "05";
  list.validFrom = *DbDateTime::Parse("2026-01-01 00:00:00");
  list.prices = {{{3, 1}, 10000}, {{7, 2}, 5000}, {kv7::prices::kRejectKey, 1000}};
  kv7::prices::SavePriceList(Db(), list, {});
  StatsQuery q;
  Statistics s = LoadStatistics(Sql(), q);
  FillValues(Db(), s);
  const auto euros = [](double kgTimesPrice) { return std::round(kgTimesPrice * 100) / 100; };
  // Batch 5: 950 kg declared over 21358 g sampled; batches 2 and 6 weigh their samples.
  const double five = euros(950.0 * (12345 * 1.0 + 6789 * 0.5 + 1213 * 0.1) / 21358);
  const double two = euros((25000 * 1.0 + 5000 * 0.5 + 2500 * 0.1) / 1000);
  const double six = euros((1000 * 1.0 + 1000 * 0.5 + 1000 * 0.1) / 1000);
  const std::map<std::string, std::pair<double, double>> expected = {
      {"3", {five, 950}}, {"12", {two, 32.5}}, {"7", {six, 4}}};
  ASSERT_EQ(s.groups.size(), 3u);
  for (const auto& g : s.groups) {
    SCOPED_TRACE(g.key);
    ASSERT_TRUE(g.value && g.valuePerKg);
    EXPECT_NEAR(*g.value, expected.at(g.key).first, 1e-9);
    EXPECT_NEAR(*g.valuePerKg, expected.at(g.key).first / expected.at(g.key).second, 1e-9);
  }
  EXPECT_NEAR(*s.total.value, five + two + six, 1e-9);
  EXPECT_NEAR(*s.total.valuePerKg, (five + two + six) / (950 + 32.5 + 4), 1e-9);
}

TEST_F(SeasonStatistics, RowsWithoutAMachineCountAsMachineOne) {
  Sql().Execute("UPDATE bolle SET macchina = 2 WHERE num IN (2, 6)");
  StatsQuery q;
  q.by = Grouping::Machine;
  const Statistics s = LoadStatistics(Sql(), q);
  ExpectSame(s, ExpectedBy("COALESCE(macchina, 1)", ""));
  ASSERT_EQ(s.groups.size(), 2u);
  EXPECT_EQ(s.groups[0].key, "1");
  EXPECT_EQ(s.groups[0].batches, 4);
}

TEST_F(SeasonStatistics, Kv7ctlPrintsTheSameFiguresTabSeparated) {
  const auto run = [this](const std::string& args) {
    return kv7::test::Shell("KV7_DB_NAME=" + Name() + " " KV7CTL_PATH " stats " + args + " 2>/dev/null");
  };
  StatsQuery q;
  q.by = Grouping::Program;
  q.from = DbDateTime::Parse("2025-01-01");
  const Statistics s = LoadStatistics(Sql(), q);
  const auto out = run("--from 2025-01-01 --by program");
  EXPECT_EQ(out.status, 0);
  EXPECT_EQ(out.out, TableText(s, '\t', '.'));
  // "07" holds batches 3 and 4: 800 + 500 declared kg.
  EXPECT_NE(out.out.find("\n07\t\t2\t1300\t40.0\t"), std::string::npos) << out.out;
  const auto empty = run("--from 2026-03-01 --to 2026-03-02 --csv");
  EXPECT_EQ(empty.status, 0);
  EXPECT_EQ(empty.out, JoinCells(HeaderCells(false), ',') + "\n");
  for (const char* bad : {"--by line", "--from 2026-13-01", "--to", "--producer 3 --producer 4", "extra"})
    EXPECT_EQ(run(bad).status, 2) << bad;
}

}  // namespace
