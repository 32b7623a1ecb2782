// The rules of programs that need neither a server nor a window: the "F"
// blocks worked out here digit by digit, the codes New proposes, the class
// ranges the console shows, and the settings kept in the configuration store.

#include <gtest/gtest.h>

#include <cstdio>

#include "programs/ProgramBlocks.h"
#include "programs/ProgramCodes.h"
#include "programs/ProgramParameters.h"
#include "support/TempDir.h"

namespace {

using namespace kv7::programs;

// Stored limit k (1..16) of quality q (1..4) in the examples: distinct for
// every quality and limit, within three digits.
int Stored(int q, int k) {
  return 7 * q + 55 * k;
}

std::string ThreeDigits(int v) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "%03d", v);
  return buf;
}

struct BlockCase {
  int multiplier;
  LineQualities lines;  // 0-based, 4 = the reject quality
  int number;
  std::string typed;  // typed into PesoCalMin5Q2 (limit 5 of quality 2)
  int stored;         // what that limit is sent as
};

TEST(LineProgramBlocks, WorkedExamplesPerMultiplierAndLineQuality) {
  const BlockCase cases[] = {
      {0, {0, 1, 2, 3, 4, 0}, 7, "75", 75},      // "75" goes out as "075"
      {1, {3, 2, 1, 0, 4, 4}, 12, "999", 999},   //
      {3, {1, 1, 4, 2, 0, 3}, 98, "1234", 411},  // 1234 g / 3
      {10, {4, 3, 2, 1, 1, 0}, 5, "1.5", 150},   // 1.5 kg = 1500 g / 10
      {10, {1, 1, 1, 1, 1, 1}, 1, "9999", 999},  // 9999 g / 10
  };
  for (const auto& tc : cases) {
    SCOPED_TRACE("multiplier " + std::to_string(tc.multiplier) + ", typed " + tc.typed);
    ProgramEditorTexts texts;
    const int shownFactor = tc.multiplier > 1 ? tc.multiplier : 1;
    for (int q = 1; q <= 4; ++q)
      for (int c = 1; c <= 15; ++c) {
        texts.minWeight[q - 1][c - 1] = std::to_string(Stored(q, c) * shownFactor);
        texts.maxWeight[q - 1][c - 1] = std::to_string(Stored(q, c + 1) * shownFactor);
      }
    texts.minWeight[1][4] = tc.typed;
    auto blocks = BuildLineProgramBlocks(tc.number, texts, tc.lines, tc.multiplier);
    ASSERT_TRUE(blocks);
    for (int line = 1; line <= 6; ++line) {
      const int configured = tc.lines[line - 1];
      const int q = configured == 4 ? 1 : configured + 1;
      char head[8];
      std::snprintf(head, sizeof head, "%02d%d", tc.number, line - 1);
      std::string expected = head;
      for (int k = 1; k <= 16; ++k) expected += ThreeDigits(q == 2 && k == 5 ? tc.stored : Stored(q, k));
      EXPECT_EQ((*blocks)[line - 1], expected) << "line " << line;
      EXPECT_EQ((*blocks)[line - 1].size(), 51u);
    }
  }
}

TEST(LineProgramBlocks, AWeightThatIsNotANumberGivesNoBlocks) {
  ProgramEditorTexts texts;
  for (auto* side : {&texts.minWeight, &texts.maxWeight})
    for (auto& quality : *side) quality.fill("100");
  for (const char* bad : {"", "1a", "-5", "1.5"}) {
    texts.maxWeight[3][14] = bad;  // limit 16 of quality 4
    EXPECT_FALSE(BuildLineProgramBlocks(1, texts, LineQualities{}, 0)) << bad;
    EXPECT_EQ(ReadEditor(texts, 0).badField.Name(), "PesoCalMax15Q4") << bad;
  }
}

TEST(ProgramCodes, NewProposesTheLowestFreeCodeUpTo98) {
  std::vector<std::string> all;
  for (int n = 1; n <= 98; ++n) all.push_back(ProgramCodeText(n));
  std::vector<std::string> nine(all.begin(), all.begin() + 9);
  const struct {
    std::vector<std::string> codes;
    std::optional<std::string> proposed;
  } cases[] = {
      {{}, "01"},          {{"01", "03"}, "02"},              // after "02" was deleted
      {nine, "10"},        {{"1", "A1", "100", "03"}, "02"},  // "1" is program 1; "100" is off the board
      {all, std::nullopt},
  };
  for (const auto& tc : cases) EXPECT_EQ(ProposeNewCode(ProgramCodes(tc.codes)), tc.proposed);
}

TEST(ProgramCodes, NumbersAndLookupTexts) {
  const struct {
    const char* code;
    std::optional<int> number;
    std::optional<int> board;
    const char* lookup;
  } cases[] = {
      {"07", 7, 7, "07"},  {" 7 ", 7, 7, "07"},     {"7", 7, 7, "07"},    {"99", 99, {}, "99"},
      {"00", 0, {}, "00"}, {"100", 100, {}, "100"}, {"A1", {}, {}, "A1"}, {"-3", {}, {}, "-3"},
      {"", {}, {}, ""},    {"+5", {}, {}, "+5"},
  };
  for (const auto& tc : cases) {
    EXPECT_EQ(ProgramNumber(tc.code), tc.number) << tc.code;
    EXPECT_EQ(BoardProgramNumber(tc.code), tc.board) << tc.code;
    EXPECT_EQ(LookupCode(tc.code), tc.lookup) << tc.code;
  }
}

TEST(ProgramClasses, RangesShowLimitsTimesTheMultiplierInFourDigits) {
  kv7::store::ProgramRecord r;
  for (int k = 1; k <= 16; ++k) r.limit[2][k - 1] = std::to_string(Stored(3, k));
  const struct {
    int multiplier;
    const char* class1;
    const char* class15;
  } cases[] = {{0, "0076-0131", "0846-0901"}, {1, "0076-0131", "0846-0901"}, {10, "0760-1310", "8460-9010"}};
  for (const auto& tc : cases) {
    auto view = ShowProgramClasses(r, tc.multiplier);
    EXPECT_EQ(view.range[2][0], tc.class1);
    EXPECT_EQ(view.range[2][14], tc.class15);
  }
}

TEST(ProgramParameters, RefreshIntervalAndReportFontSurviveARestart) {
  kv7::test::TempDir dir;
  const struct {
    PrintFont font;
    const char* styles;
  } cases[] = {
      {{"Courier", 10, false, true, false, false}, ",fsItalic."},
      {{"Arial", 8, true, false, true, false}, "fsBold,fsUnderline."},
      {{"DejaVu Sans", 12, false, false, false, false}, "."},
  };
  for (const auto& tc : cases) {
    {
      kv7::store::ConfigStore store(kv7::store::ConfigStore::kDefaultRoot, dir.path());
      ASSERT_TRUE(SaveReportFont(store, tc.font));
      ASSERT_TRUE(SaveRefreshInterval(store, tc.font.size + 5));
      EXPECT_EQ(store.ReadString("kv2", "prn_font_set", ""), tc.styles);
    }
    kv7::store::ConfigStore again(kv7::store::ConfigStore::kDefaultRoot, dir.path());
    kv7::store::Configuration config;
    kv7::store::LoadConfiguration(config, again);
    EXPECT_EQ(LoadReportFont(again), tc.font);
    EXPECT_EQ(ParametersFromConfiguration(config).reportFont, tc.font);
    EXPECT_EQ(ParametersFromConfiguration(config).refreshSeconds, tc.font.size + 5);
  }
}

}  // namespace
