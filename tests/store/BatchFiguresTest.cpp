// The calculated columns of batches and print totals, without a server.

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <vector>

#include "store/BatchFigures.h"

namespace kv7::store {
namespace {

std::map<std::string, std::string> Texts(const BatchRow& row) {
  std::map<std::string, std::string> m;
  for (auto& [k, v] : BatchColumnTexts(row, ComputeBatchFigures(row))) m[k] = v;
  return m;
}

TEST(RoundingTest, HalfEvenAndHalfAway) {
  // numerator, denominator, half-even result, half-away result: 1250.25, 1250.5, 1251.5, ...
  const std::vector<std::array<std::int64_t, 4>> cases = {
      {25005, 20, 1250, 1250}, {25010, 20, 1250, 1251},    {25030, 20, 1252, 1252},
      {25031, 20, 1252, 1252}, {-25010, 20, -1250, -1251}, {-25030, 20, -1252, -1252},
      {25, 10, 2, 3},          {-25, 10, -2, -3},          {24, 10, 2, 2}};
  for (auto [n, d, even, away] : cases) {
    SCOPED_TRACE(std::to_string(n) + "/" + std::to_string(d));
    EXPECT_EQ(RoundHalfEven(n, d), even);
    EXPECT_EQ(RoundHalfAway(n, d), away);
  }
}

TEST(BatchFiguresTest, AllZeroGivesZeroEverywhere) {
  BatchRow row;
  row.totpartita = 1000;
  auto t = Texts(row);
  EXPECT_EQ(t["totale_gen"], "0");
  for (auto& [k, v] : t) {
    if (k.rfind("perc", 0) == 0 || k.rfind("Perc", 0) == 0 || k.rfind("ttot", 0) == 0) {
      EXPECT_EQ(v, "0.00") << k;
    }
  }
}

// The stored texts by column name: worked examples, ties to the even
// hundredth, and weight shares taken from the two-decimal percentages.
TEST(BatchFiguresTest, WorkedExamplesAndTiesToTheEvenHundredth) {
  const struct {
    std::int64_t c1q1, c5q2, c7q3, q5, declared;
    std::vector<std::pair<std::string, std::string>> texts;
  } cases[] = {
      {1, 0, 0, 2, 1000,  // 1000 kg x 33.33 % = 333.30, not 333.33..
       {{"perc1q1", "33.33"}, {"percq5", "66.67"}, {"Percq1", "33.33"}, {"totaleq1", "1"}, {"totale_gen", "3"},
        {"ttot1q1", "333.30"}, {"ttotq1", "333.30"}, {"ttotq5", "666.70"}}},
      {1, 0, 0, 31, 0, {{"perc1q1", "3.12"}}},  // 312.5 hundredths go to the even 312
      // 2501 and 2503 of 20000: 1250.5 -> 12.50 and 1251.5 -> 12.52.
      {0, 2501, 2503, 20000 - 2501 - 2503, 0, {{"perc5q2", "12.50"}, {"perc7q3", "12.52"}, {"percq2", "12.50"}}},
      {2501, 0, 0, 20000 - 2501, 1, {{"ttot1q1", "0.13"}}},  // 1 kg x 12.50 % = 0.125
  };
  for (const auto& k : cases) {
    BatchRow row;
    row.tot[0][0] = k.c1q1;
    row.tot[1][4] = k.c5q2;
    row.tot[2][6] = k.c7q3;
    row.totq5 = k.q5;
    row.totpartita = k.declared;
    auto t = Texts(row);
    for (const auto& [key, text] : k.texts) EXPECT_EQ(t[key], text) << key << " of case " << k.c1q1 << "/" << k.q5;
    EXPECT_EQ(t.count("percq1"), 0u);  // the first quality's column has a capital P
  }
}

TEST(BatchFiguresTest, LargeTotalsNeedSixtyFourBits) {
  BatchRow row;
  for (int c = 0; c < 15; ++c) row.tot[0][c] = 2000000000;  // quality total 3e10, beyond 32 bits
  row.tot[3][14] = 2000000000;
  row.totq5 = 2000000000;
  row.totpartita = 2000000000;
  auto f = ComputeBatchFigures(row);
  EXPECT_EQ(f.totaleq[0], 30000000000LL);
  EXPECT_EQ(f.totale_gen, 34000000000LL);
  // 2e9 x 10000 / 3.4e10 = 588.235.. -> 588
  EXPECT_EQ(f.perc[0][0].hundredths, 588);
  EXPECT_EQ(f.percq[0].hundredths, 8824);  // 3e10 / 3.4e10 = 88.235..%
  // 2e9 kg x 5.88 % = 117600000 kg
  EXPECT_EQ(FormatWeightShare(f.ttot[0][0]), "117600000.00");
}

TEST(BatchFiguresTest, OutputNamesAndOrder) {
  BatchRow row;
  row.num = 12;
  row.data = DbDateTime{2024, 3, 9, 7, 5, 0};
  auto cols = BatchColumnTexts(row, ComputeBatchFigures(row));
  ASSERT_EQ(cols.size(), 74u + 4 + 1 + 5 + 5 + 60 + 60);
  EXPECT_EQ(cols[0].first, "num");
  EXPECT_EQ(cols[1], (std::pair<std::string, std::string>{"data", "2024-03-09 07:05:00"}));
  EXPECT_EQ(cols[3].first, "tot1q1");
  EXPECT_EQ(cols[62].first, "tot15q4");
  EXPECT_EQ(cols[72].first, "operatore");
  EXPECT_EQ(cols[73], (std::pair<std::string, std::string>{"macchina", "1"}));
  EXPECT_EQ(cols[79].first, "Percq1");
  EXPECT_EQ(cols[89].first, "perc1q1");
  EXPECT_EQ(cols[90].first, "perc2q1");
  EXPECT_EQ(cols.back().first, "ttot15q4");
  EXPECT_EQ(row.DateText(), "09/03/2024");
  EXPECT_EQ(row.TimeText(), "07:05:00");
}

TEST(BatchFiguresTest, TwoDecimalTexts) {
  const std::pair<std::int64_t, const char*> cases[] = {
      {0, "0.00"}, {5, "0.05"}, {-5, "-0.05"}, {33330, "333.30"}, {-100, "-1.00"},
      {INT64_MIN, "-92233720368547758.08"}};
  for (auto [h, text] : cases) EXPECT_EQ(FormatWeightShare({0, h}), text) << h;
}

TEST(PrintTotalsFiguresTest, PercentagesAreNotRounded) {
  PrintTotalsRow row;
  row.tot[0][0] = 1;
  row.totq5 = 2;
  auto f = ComputePrintTotalsFigures(row);
  EXPECT_EQ(f.totgen, 3);
  EXPECT_DOUBLE_EQ(f.perc[0][0].value, 100.0 / 3.0);
  EXPECT_DOUBLE_EQ(f.percq[4].value, 200.0 / 3.0);
  EXPECT_EQ(FormatPercentage(f.perc[0][0]), "33.33");
  EXPECT_EQ(FormatPercentage(f.percq[4]), "66.67");

  PrintTotalsRow big;
  big.tot[2][3] = 2000000000;
  big.tot[2][4] = 2000000000;
  auto g = ComputePrintTotalsFigures(big);
  EXPECT_DOUBLE_EQ(g.perc[2][3].value, 50.0);
  EXPECT_DOUBLE_EQ(g.percq[2].value, 100.0);
  EXPECT_DOUBLE_EQ(ComputePrintTotalsFigures(PrintTotalsRow{}).percq[0].value, 0.0);
}

TEST(DbDateTimeTest, ParseAndPrint) {
  auto d = DbDateTime::Parse("2024-02-29 23:59:58");
  ASSERT_TRUE(d);
  EXPECT_EQ(d->ToString(), "2024-02-29 23:59:58");
  EXPECT_TRUE(DbDateTime::Parse("2024-02-29"));
  for (const char* bad : {"2023-02-29", "2024-13-01", "2024-01-01 24:00:00", "01/01/2024"})
    EXPECT_FALSE(DbDateTime::Parse(bad)) << bad;
}

}  // namespace
}  // namespace kv7::store
