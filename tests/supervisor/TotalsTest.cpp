// The totals arithmetic with worked examples: sums per quality in 64 bits,
// cells in grams and kilograms, shares, hourly production, the run's cost
// and the quality alarm.

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

#include "supervisor/BoardBaseline.h"
#include "supervisor/Totals.h"
#include "support/TempDir.h"

namespace kv7::supervisor {
namespace {

rcRichiestaTotali Block(std::initializer_list<std::string> values) {
  rcRichiestaTotali b;
  std::size_t i = 0;
  for (const auto& v : values) b.Tot[i++] = v;
  return b;
}

TEST(Totals, LinesAddIntoTheirQualitiesInSixtyFourBits) {
  struct Case {
    const char* what;
    std::vector<std::pair<int, rcRichiestaTotali>> lines;  // quality, block
    int multiplier;
    std::int64_t class1q1, class2q2, reject, grand;
  } cases[] = {
      {"two lines on one quality add up", {{0, Block({"00000100"})}, {0, Block({"00000023"})}}, 0, 123, 0, 0, 123},
      {"multiplier 1 or more multiplies", {{0, Block({"00000100"})}, {1, Block({"", "00000005"})}}, 3, 300, 15, 0, 315},
      {"the reject line only counts in the reject",
       {{4, Block({"00001000"})}, {0, Block({"00000010"})}}, 1, 10, 0, 1000, 1010},
      {"blanks and text that does not convert",
       {{0, Block({"     250", "abc", "12 34"})}}, 0, 250, 0, 0, 250},
      {"eight digits times ten over six lines passes 2^31",
       {{0, Block({"99999999"})}, {0, Block({"99999999"})}, {0, Block({"99999999"})},
        {0, Block({"99999999"})}, {0, Block({"99999999"})}, {4, Block({"99999999"})}},
       10, 4999999950, 0, 999999990, 5999999940},
  };
  for (const auto& c : cases) {
    ClassSums sums;
    for (const auto& [q, block] : c.lines) AddLineBlock(sums, block, q, c.multiplier);
    EXPECT_EQ(sums.classTotal[0][0], c.class1q1) << c.what;
    EXPECT_EQ(sums.classTotal[1][1], c.class2q2) << c.what;
    EXPECT_EQ(sums.reject, c.reject) << c.what;
    EXPECT_EQ(GrandTotal(sums), c.grand) << c.what;
  }
}

TEST(Totals, OnlyAWholeReplyCountsAsTheLinesTotal) {
  rcRichiestaTotali whole;
  whole.Tot.fill("00000000");
  whole.Tot[3] = "     250";
  EXPECT_TRUE(WellFormedTotals(whole));
  for (const char* field : {"", "0000", "   12 34", "0000000x", "        ", "-0000001", "000000001"}) {
    rcRichiestaTotali bad = whole;
    bad.Tot[14] = field;
    EXPECT_FALSE(WellFormedTotals(bad)) << '"' << field << '"';
  }
  LineFigures figures;
  figures.answered = {true, true, false, true, true, true};
  EXPECT_EQ(FirstMissingLine(figures, 2), 0) << "lines past the configured ones do not count";
  EXPECT_EQ(FirstMissingLine(figures, 6), 3);
}

// The board was not reset after a stored batch: the next batch is what the
// board counted since, and a figure below the baseline drops it.
TEST(Totals, ABatchStoredWithoutAResetIsTakenOffTheNextOne) {
  LineFigures stored;
  stored.answered.fill(true);
  stored.counts[0][0] = 1000;  // line 1, quality 1
  stored.counts[1][0] = 500;   // line 2, the reject
  const LineQualities qualities{0, 4, 0, 0, 0, 0};
  const BoardBaseline base = BaselineOf(stored, 500 * 2, "S-1");

  LineFigures now = stored;
  now.counts[0][0] = 1300;
  now.counts[0][1] = 40;
  auto since = SumsSince(base, now, 700 * 2, qualities, 2);
  ASSERT_TRUE(since);
  EXPECT_EQ(since->classTotal[0][0], 600);
  EXPECT_EQ(since->classTotal[0][1], 80);
  EXPECT_EQ(since->reject, 400);
  EXPECT_EQ(GrandTotal(*since), 1080);

  now.counts[0][0] = 200;  // reset some other way, then counted again
  EXPECT_FALSE(SumsSince(base, now, 1400, qualities, 2));
  EXPECT_FALSE(SumsSince(base, stored, 0, qualities, 2)) << "the reject below its baseline";

  test::TempDir dir;
  const auto file = BaselineFile(dir.path());
  EXPECT_FALSE(LoadBaseline(file));
  ASSERT_EQ(SaveBaseline(file, base), "");
  EXPECT_EQ(LoadBaseline(file), base);
  ASSERT_EQ(SaveBaseline(file, std::nullopt), "");
  EXPECT_FALSE(LoadBaseline(file));
  std::ofstream(file) << "batch S-1\nreject";
  EXPECT_THROW(LoadBaseline(file), std::runtime_error) << "a damaged file is never read as no baseline";
}

TEST(Totals, CellsInGramsAndKilogramsAndTheirShares) {
  ClassSums sums;
  sums.classTotal[0][0] = 12345;
  sums.classTotal[2][14] = 7655;
  sums.reject = 5000;
  struct Case {
    bool grams;
    const char *class1, *class15q3, *reject, *grand;
  } cases[] = {
      {true, "   12345", "    7655", "    5000", "   25000"},
      {false, "  12.3", "   7.7", "   5.0", "  25.0"},
  };
  for (const auto& c : cases) {
    const TotalsView v = MakeTotalsView(sums, c.grams);
    EXPECT_EQ(PlainText(v.classTotal[0][0]), c.class1);
    EXPECT_EQ(PlainText(v.classTotal[2][14]), c.class15q3);
    EXPECT_EQ(PlainText(v.qualityTotal[4]), c.reject);
    EXPECT_EQ(PlainText(v.grandTotal), c.grand);
    EXPECT_EQ(PlainText(v.classShare[0][0]), "49.38");
    EXPECT_EQ(PlainText(v.qualityShare[2]), "30.62");
    EXPECT_EQ(PlainText(v.qualityShare[4]), "20.00");
    EXPECT_EQ(PlainText(v.classShare[1][0]), "0.00");
  }
}

TEST(Totals, NothingProcessedShowsZeroAndLeavesEveryShareEmpty) {
  for (const auto& [grams, zero] : {std::pair{true, "       0"}, std::pair{false, "   0.0"}}) {
    const TotalsView v = MakeTotalsView(ClassSums{}, grams);
    EXPECT_EQ(PlainText(v.grandTotal), zero);
    EXPECT_EQ(PlainText(v.classTotal[3][7]), zero);
    EXPECT_EQ(PlainText(v.qualityTotal[4]), zero);
    for (const auto& quality : v.classShare)
      for (const Figure& f : quality) EXPECT_TRUE(f.empty);
    for (const Figure& f : v.qualityShare) EXPECT_TRUE(f.empty);
  }
  EXPECT_EQ(QualityPercent(ClassSums{}), (std::array<double, 4>{}));
}

TEST(Totals, HourlyProductionInQuintals) {
  struct Case {
    std::int64_t now, ref;
    double minutes;
    std::int64_t rate;
  } cases[] = {
      {2000001, 1, 60, 20},        // 2 000 000 g in an hour
      {2000001, 1, 30, 40},        // the same in half an hour
      {1000, 1000, 60, 0},         // nothing added
      {5000000, 1, 0, 0},          // no time passed
      {1, 5000000, 60, 0},         // the board counted back
      {9999999999LL, 1, 600, 10000},  // sums past 32 bits
  };
  for (const auto& c : cases) EXPECT_EQ(ProductionRate(c.now, c.ref, c.minutes), c.rate) << c.now << " " << c.minutes;
}

TEST(Totals, RunCostAndCostPerKilogram) {
  struct Case {
    double minutes, perMinute;
    std::int64_t now, ref;
    std::int64_t amount;
    const char *perKg, *perKgCurrency;
  } cases[] = {
      {60, 645, 2000001, 1, 38700, "    19", " 0.010"},  // 38 700 L. over 2 000 kg
      {0.5, 645, 1, 1, 322, "0", "0.000"},                // nothing processed yet
      {10, 0.04, 1001, 1, 0, "     0", " 0.000"},
  };
  for (const auto& c : cases) {
    const RunCost r = ComputeRunCost(c.minutes, c.perMinute, c.now, c.ref);
    EXPECT_EQ(r.amount, c.amount);
    EXPECT_EQ(r.perKgText, c.perKg);
    EXPECT_EQ(r.perKgCurrencyText, c.perKgCurrency);
  }
}

TEST(Totals, AlarmWhenAnyShareOfQualitiesTwoToFivePassesItsLimit) {
  ClassSums sums;
  sums.classTotal[0][0] = 600;
  sums.classTotal[1][0] = 200;
  sums.classTotal[3][0] = 100;
  sums.reject = 100;
  const auto percent = QualityPercent(sums);
  EXPECT_EQ(percent, (std::array<double, 4>{20, 0, 10, 10}));
  struct Case {
    std::array<std::int32_t, 4> limits;
    bool alarm;
  } cases[] = {
      {{20, 0, 10, 10}, false},  // equal to the limit is still fine
      {{19, 0, 10, 10}, true},
      {{100, 100, 100, 9}, true},
      {{0, 0, 0, 0}, true},
  };
  for (const auto& c : cases) EXPECT_EQ(QualityAlarm(percent, c.limits), c.alarm) << c.limits[0] << c.limits[3];
}

}  // namespace
}  // namespace kv7::supervisor
