#include "store/SideFiles.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/FileText.h"
#include "support/TempDir.h"

using kv7::store::CompanyHeader;
using kv7::store::ProcessingCosts;
using kv7::test::Slurp;

namespace {

struct SideFiles : ::testing::Test {
  kv7::test::TempDir dir;
  std::vector<std::string> reports;
  kv7::store::ReportSink sink = [this](const std::string& m) { reports.push_back(m); };
};

TEST_F(SideFiles, CompanyLinesAreCutOrPaddedTo24Characters) {
  CompanyHeader h;
  h.lines = {"123456789012345678901234567890", "Sede", "", "exactly 24 characters.."};
  ASSERT_EQ(h.lines[3].size(), 23u);
  h.lines[3] += "!";
  ASSERT_TRUE(SaveCompanyHeader(h, dir.path(), sink));
  const std::string file = Slurp(dir / "mb3.az");
  EXPECT_EQ(file, "123456789012345678901234Sede" + std::string(44, ' ') + "exactly 24 characters..!");
  ASSERT_EQ(file.size(), 96u);

  CompanyHeader loaded;
  ASSERT_TRUE(LoadCompanyHeader(loaded, dir.path(), sink));
  EXPECT_EQ(loaded.lines[0], "123456789012345678901234");
  EXPECT_EQ(loaded.lines[1], "Sede" + std::string(20, ' '));

  // A line of 5 characters gets 19 trailing blanks.
  h.lines[1] = "Forli";
  ASSERT_TRUE(SaveCompanyHeader(h, dir.path(), sink));
  EXPECT_EQ(Slurp(dir / "mb3.az").substr(24, 24), "Forli" + std::string(19, ' '));
  EXPECT_TRUE(reports.empty());
}

TEST_F(SideFiles, MissingHeaderGivesTheBuiltInLinesAndAShortOneChangesNothing) {
  CompanyHeader h;
  h.lines[0] = "changed";
  ASSERT_TRUE(LoadCompanyHeader(h, dir.path(), sink));
  EXPECT_EQ(h.lines, CompanyHeader{}.lines);
  EXPECT_FALSE(h.lines[0].empty());

  std::ofstream(dir / "mb3.az", std::ios::binary) << std::string(95, 'a');
  h.lines[0] = "kept";
  EXPECT_FALSE(LoadCompanyHeader(h, dir.path(), sink));
  EXPECT_EQ(h.lines[0], "kept");
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_NE(reports[0].find("mb3.az"), std::string::npos);
}

TEST_F(SideFiles, CostsAreRightAlignedInTheir24Bytes) {
  ProcessingCosts c;
  ASSERT_TRUE(LoadCosts(c, dir.path(), sink));  // missing file
  EXPECT_EQ(c.persons[2], "00");
  EXPECT_EQ(c.hourlyCost[0], "000000");

  c.persons = {"3", "12", ""};
  c.hourlyCost = {"15.50", "123456", "9"};
  ASSERT_TRUE(SaveCosts(c, dir.path(), sink));
  // Persons in 2 places and hourly cost in 6, three times over.
  const std::string saved = std::string(" 3 15.50") + "12123456" + "       9";
  EXPECT_EQ(Slurp(dir / "w83.cst"), saved);

  ProcessingCosts back;
  ASSERT_TRUE(LoadCosts(back, dir.path(), sink));
  EXPECT_EQ(back.persons[0], " 3");
  EXPECT_EQ(back.hourlyCost[0], " 15.50");
  EXPECT_EQ(back.persons[1], "12");
  EXPECT_EQ(back.hourlyCost[2], "     9");
  EXPECT_TRUE(reports.empty());

  // A value too wide for its field would shift the ones after it.
  c.hourlyCost[1] = "1234567";
  EXPECT_FALSE(SaveCosts(c, dir.path(), sink));
  EXPECT_EQ(Slurp(dir / "w83.cst"), saved);
  EXPECT_EQ(reports.size(), 1u);
}

TEST_F(SideFiles, WritesKeepTheOldFileWhenTheyFailAndBytesBeyondTheirEnd) {
  // Saving into a directory that does not exist fails and says which file.
  EXPECT_FALSE(SaveCosts(ProcessingCosts{}, dir / "missing", sink));
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_NE(reports[0].find("w83.cst"), std::string::npos);

  std::ofstream(dir / "w83.cst", std::ios::binary) << std::string(24, '7') << "tail";
  ASSERT_TRUE(SaveCosts(ProcessingCosts{}, dir.path(), sink));
  EXPECT_EQ(Slurp(dir / "w83.cst"), std::string(24, '0') + "tail");
  // No temporary file is left behind.
  int files = 0;
  for (const auto& e : std::filesystem::directory_iterator(dir.path())) files += e.is_regular_file();
  EXPECT_EQ(files, 1);

  // A directory in place of the file is an error, not a replacement.
  std::filesystem::create_directory(dir / "mb3.az");
  EXPECT_FALSE(SaveCompanyHeader(CompanyHeader{}, dir.path(), sink));
  EXPECT_TRUE(std::filesystem::is_directory(dir / "mb3.az"));
}

}  // namespace
