// The durable writer: a taken name is never replaced, and the side files
// write through it.

#include "store/FileIo.h"

#include <gtest/gtest.h>

#include <fstream>

#include "store/SideFiles.h"
#include "support/FileText.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;
using kv7::test::Slurp;

TEST(WriteNewFile, ATakenNameGetsANumberAndNothingIsReplaced) {
  kv7::test::TempDir dir;
  std::ofstream(dir / "bolla-12.pdf") << "earlier";
  fs::path file;
  ASSERT_FALSE(kv7::store::WriteNewFile(dir.path(), "bolla-12", ".pdf", "later", 0644, &file));
  EXPECT_EQ(file, dir / "bolla-12-2.pdf");
  EXPECT_EQ(Slurp(dir / "bolla-12.pdf"), "earlier");
  EXPECT_EQ(Slurp(file), "later");
}

TEST(SideFilesWrite, GoesThroughTheDurableWriterAndKeepsTheOldFileOnFailure) {
  kv7::test::TempDir dir;
  std::vector<std::string> reports;
  const kv7::store::ReportSink sink = [&](const std::string& m) { reports.push_back(m); };
  std::ofstream(dir / "w83.cst.tmp") << "left by a crash";
  ASSERT_TRUE(kv7::store::SaveCosts(kv7::store::ProcessingCosts{}, dir.path(), sink));
  EXPECT_EQ(Slurp(dir / "w83.cst"), std::string(24, '0'));
  EXPECT_FALSE(fs::exists(dir / "w83.cst.tmp"));

  // The writer's temporary name taken by a folder: the save fails, says
  // so, and the file written before stays.
  fs::create_directory(dir / "w83.cst.tmp");
  kv7::store::ProcessingCosts changed;
  changed.persons[0] = "3";
  EXPECT_FALSE(kv7::store::SaveCosts(changed, dir.path(), sink));
  EXPECT_EQ(Slurp(dir / "w83.cst"), std::string(24, '0'));
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_NE(reports[0].find("w83.cst"), std::string::npos);
}

}  // namespace
