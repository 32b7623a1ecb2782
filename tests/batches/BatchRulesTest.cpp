// The batch editor's rules without a server: note normalisation, class
// ranges, grams and kilograms, the "Partita" recalculation, the save check
// and log lines. The stored figures' rounding is checked with the figures.

#include <gtest/gtest.h>

#include "batches/ArchiveLog.h"
#include "batches/BatchArchive.h"
#include "batches/BatchRules.h"

namespace {

using namespace kv7::batches;

BatchWorkingSet Counted(std::int64_t c1q1, std::int64_t rest, const std::string& weight = "") {
  BatchWorkingSet ws;
  ResetWorkingSet(ws);
  ws.totals[0][0] = std::to_string(c1q1);
  ws.reject = std::to_string(rest);
  ws.totalePart = weight;
  return ws;
}

TEST(BatchRules, TextsOfTheEditor) {
  EXPECT_EQ(NormaliseNote("ab\r\ncd\re"), "abcd\re");
  EXPECT_EQ(NormaliseNote("\r\n\r\n\r"), "\r");
  EXPECT_EQ(NormaliseNote(std::string(35, 'x') + "\r\n"), std::string(30, 'x'));
  EXPECT_EQ(NormaliseNote("àèìòù" + std::string(30, 'y')), "àèìòù" + std::string(25, 'y'));
  EXPECT_EQ(ClassRangeText(90, 110), "0090-0110");
  EXPECT_EQ(ClassRangeText(1250, 7), "1250-0007");
  const struct {
    std::int64_t grams;
    bool inGrams;
    const char* shown;
  } totals[] = {{12500, false, "  12.5"}, {12500, true, "   12500"}, {49, false, "   0.0"},
                {50, false, "   0.1"},   {0, true, "       0"}};
  for (const auto& t : totals) EXPECT_EQ(TotalText(t.grams, t.inGrams), t.shown) << t.grams;
  EXPECT_EQ(KilogramsToGramsText(12.5), "   12500");
  EXPECT_EQ(KilogramsToGramsText(0.0004), "       0");
  for (const char* text : {"12", " 12 ", "+12"}) EXPECT_EQ(ParseInteger(text), 12) << text;
  for (const char* text : {"", "1.5", "12a", "--1", "+-1"}) EXPECT_FALSE(ParseInteger(text)) << text;
}

TEST(BatchRules, RecomputeShowsSharesAndTheRecalculationOnTheDeclaredWeight) {
  auto thirds = RecomputeBatchView(Counted(1, 2), false, true);
  EXPECT_EQ(*thirds.classShares[0][0], "33.33");
  EXPECT_EQ(*thirds.qualityShares[4], "66.67");
  EXPECT_EQ(thirds.grandTotal, "       3");

  auto empty = RecomputeBatchView(Counted(0, 0), false, true);
  EXPECT_FALSE(empty.classShares[0][0]);  // the share fields keep their text
  EXPECT_FALSE(empty.qualityShares[0]);

  // Corr with 100 kg and one class holding everything.
  auto all = RecomputeBatchView(Counted(7300, 0, "100"), true, true);
  EXPECT_TRUE(all.recalculated);
  EXPECT_EQ(all.classTotals[0][0], "     100");
  EXPECT_EQ(all.classTotals[0][1], "       0");
  EXPECT_EQ(all.qualityTotals[0], "     100");
  // No declared weight, or one that is not a number: the counted figures.
  for (const char* weight : {"", "0", "abc"}) {
    auto v = RecomputeBatchView(Counted(12500, 0, weight), true, false);
    EXPECT_FALSE(v.recalculated) << weight;
    EXPECT_EQ(v.classTotals[0][0], "  12.5") << weight;
  }
  // Halves of the declared weight go to the even gram: 1 kg in 3 equal parts.
  BatchWorkingSet three = Counted(1, 1, "1");
  three.totals[1][0] = "1";
  auto v = RecomputeBatchView(three, true, true);
  EXPECT_EQ(v.grandTotal, "       1");
  EXPECT_EQ(v.classTotals[0][0], "       0");  // 333 g shown as whole kg
}

TEST(BatchRules, SaveCheckNamesTheFirstFieldThatIsNoWholeNumber) {
  const struct {
    void (*edit)(BatchWorkingSet&);
    std::optional<BadField> bad;
  } cases[] = {
      {[](BatchWorkingSet&) {}, std::nullopt},
      {[](BatchWorkingSet& w) { w.totals[1][2] = "12.5"; }, BadField{"TotC3Q2", "12.5"}},
      {[](BatchWorkingSet& w) { w.reject = "x"; }, BadField{"LavoratoQ5", "x"}},
      {[](BatchWorkingSet& w) { w.totalePart = "3000000000"; }, BadField{"TotalePart", "3000000000"}},
      {[](BatchWorkingSet& w) { w.numPedane = "2,5"; }, BadField{"numpedane", "2,5"}},
      {[](BatchWorkingSet& w) { w.numCasse = ""; }, std::nullopt},  // empty is 0
  };
  for (const auto& k : cases) {
    BatchWorkingSet ws = Counted(5, 5, "10");
    k.edit(ws);
    EXPECT_EQ(CheckBatchTexts(ws), k.bad);
  }
}

TEST(BatchRules, LogLinesFitTheLogAndKeepEveryCharacter) {
  std::vector<std::pair<std::string, std::string>> fields;
  for (int i = 0; i < 40; ++i) fields.emplace_back("tot" + std::to_string(i), std::to_string(i * 1000));
  fields.emplace_back("note", std::string(450, 'n'));
  auto lines = LogLines("Bolla cancellata", fields);
  std::string joined;
  for (const auto& l : lines) {
    EXPECT_LE(CharCount(l), kLogTextWidth + 2);
    ASSERT_EQ(l.substr(l.size() - 2), "\r\n");
    const auto head = l.find(": ");
    joined += l.substr(head + 2, l.size() - head - 4);
  }
  EXPECT_GT(lines.size(), 3u);
  EXPECT_NE(joined.find("tot39=39000; note=" + std::string(450, 'n')), std::string::npos);
  EXPECT_EQ(joined.find("\r"), std::string::npos);
}

}  // namespace
