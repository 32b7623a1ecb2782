// Files written whole and synced before anyone relies on them: replacing
// or keeping what is there, a file of its own under a taken name, and the
// side files on the same writer.

#include "store/FileIo.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

#include "store/SideFiles.h"
#include "support/FileText.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;
using kv7::store::Existing;
using kv7::test::Slurp;

int Entries(const fs::path& dir) {
  int n = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir)) ++n;
  return n;
}

TEST(WriteFileDurably, ReplacesOrKeepsWhatIsThereAndLeavesNoTemporary) {
  const struct {
    const char* name;
    bool earlier;  // a file is there before the write
    Existing existing;
    bool written;
    const char* after;
  } cases[] = {
      {"new file", false, Existing::Keep, true, "new"},
      {"replaced", true, Existing::Replace, true, "new"},
      {"kept", true, Existing::Keep, false, "old"},
  };
  for (const auto& k : cases) {
    kv7::test::TempDir dir;
    if (k.earlier) std::ofstream(dir / "f") << "old";
    // A temporary left by a crash is simply written over.
    std::ofstream(dir / "f.tmp") << "stale";
    const auto error = kv7::store::WriteFileDurably(dir / "f", "new", 0640, k.existing);
    EXPECT_EQ(!error, k.written) << k.name << ": " << error.message();
    EXPECT_EQ(Slurp(dir / "f"), k.after) << k.name;
    EXPECT_FALSE(fs::exists(dir / "f.tmp")) << k.name;
    struct stat st {};
    ASSERT_EQ(::stat((dir / "f").c_str(), &st), 0);
    if (k.written) {
      EXPECT_EQ(st.st_mode & 0777, 0640u) << k.name;
    }
  }
}

TEST(WriteFileDurably, MissingFolderFailsAndNothingAppears) {
  kv7::test::TempDir dir;
  EXPECT_TRUE(kv7::store::WriteFileDurably(dir / "missing" / "f", "x"));
  EXPECT_EQ(Entries(dir.path()), 0);
}

TEST(WriteNewFile, ATakenNameGetsANumberAndNothingIsReplaced) {
  kv7::test::TempDir dir;
  std::vector<fs::path> written;
  for (const char* bytes : {"first", "second", "third"}) {
    fs::path file;
    ASSERT_FALSE(kv7::store::WriteNewFile(dir.path(), "bolla-12-20240501-101530", ".pdf", bytes, 0644, &file));
    written.push_back(file);
  }
  EXPECT_EQ(written[0], dir / "bolla-12-20240501-101530.pdf");
  EXPECT_EQ(written[1], dir / "bolla-12-20240501-101530-2.pdf");
  EXPECT_EQ(written[2], dir / "bolla-12-20240501-101530-3.pdf");
  EXPECT_EQ(Slurp(written[0]), "first");
  EXPECT_EQ(Slurp(written[2]), "third");
  EXPECT_EQ(Entries(dir.path()), 3);
}

TEST(SideFilesWrite, GoesThroughTheDurableWriterAndKeepsTheOldFileOnFailure) {
  kv7::test::TempDir dir;
  std::vector<std::string> reports;
  const kv7::store::ReportSink sink = [&](const std::string& m) { reports.push_back(m); };
  std::ofstream(dir / "w83.cst.tmp") << "left by a crash";
  ASSERT_TRUE(kv7::store::SaveCosts(kv7::store::ProcessingCosts{}, dir.path(), sink));
  EXPECT_EQ(Slurp(dir / "w83.cst"), std::string(24, '0'));
  EXPECT_FALSE(fs::exists(dir / "w83.cst.tmp"));

  // The temporary name taken by a folder: the write fails, says so, and the
  // file in place is the one written before.
  fs::create_directory(dir / "w83.cst.tmp");
  kv7::store::ProcessingCosts changed;
  changed.persons[0] = "3";
  EXPECT_FALSE(kv7::store::SaveCosts(changed, dir.path(), sink));
  EXPECT_EQ(Slurp(dir / "w83.cst"), std::string(24, '0'));
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_NE(reports[0].find("w83.cst"), std::string::npos);
}

}  // namespace
