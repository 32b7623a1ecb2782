#include "store/ConfigStore.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/FileText.h"
#include "support/TempDir.h"

using kv7::store::ConfigStore;
using kv7::store::StoredValue;
using kv7::store::ValueType;
using kv7::test::Slurp;

namespace {

TEST(ConfigStore, DefaultsAndTypedValuesSurviveReopen) {
  kv7::test::TempDir dir;
  {
    ConfigStore store(ConfigStore::kDefaultRoot, dir.path());
    EXPECT_EQ(store.ReadString("kv2", "porta_com", "1"), "1");
    EXPECT_EQ(store.ReadInteger("kv2", "ncopie", 7), 7);
    EXPECT_FALSE(store.SectionExists("kv2"));
    ASSERT_TRUE(store.WriteString("kv2", "delay tara", "  5"));
    ASSERT_TRUE(store.WriteInteger("kv2", "ncopie", -2));
    ASSERT_TRUE(store.WriteString("kv2", "odd \"name\"", "a\\b\r\n\x01z"));
  }
  ConfigStore again(ConfigStore::kDefaultRoot, dir.path());
  EXPECT_EQ(again.ReadString("kv2", "delay tara", ""), "  5");
  EXPECT_EQ(again.ReadInteger("kv2", "delay tara", 0), 5);
  EXPECT_EQ(again.ReadInteger("kv2", "ncopie", 0), -2);
  EXPECT_EQ(again.ReadString("kv2", "ncopie", ""), "-2");
  EXPECT_EQ(again.ReadString("kv2", "odd \"name\"", ""), std::string("a\\b\r\n\x01z"));
  // A text that is not a number reads as the integer default.
  again.WriteString("kv2", "numlinee", "4x");
  EXPECT_EQ(again.ReadInteger("kv2", "numlinee", 2), 2);
}

TEST(ConfigStore, SectionOpenedWithoutCreatingEnumeratesInStoredOrder) {
  kv7::test::TempDir dir;
  ConfigStore store(ConfigStore::kDefaultRoot, dir.path());
  EXPECT_FALSE(store.OpenSection("kv2").has_value());
  store.WriteString("kv2", "b", "1");
  store.WriteInteger("kv2", "a", 2);
  store.WriteString("kv2", "c", "3");
  store.WriteString("kv2", "b", "again");  // overwrite keeps its place
  auto values = store.OpenSection("kv2");
  ASSERT_TRUE(values.has_value());
  ASSERT_EQ(values->size(), 3u);
  EXPECT_EQ((*values)[0].name, "b");
  EXPECT_EQ((*values)[0].text, "again");
  EXPECT_EQ((*values)[1].name, "a");
  EXPECT_EQ((*values)[1].type, ValueType::Dword);
  EXPECT_EQ((*values)[2].name, "c");
  EXPECT_FALSE(store.OpenSection("kv").has_value());
}

TEST(ConfigStore, DamagedLinesAreReportedWithLineNumberAndSkipped) {
  kv7::test::TempDir dir;
  {
    ConfigStore store(ConfigStore::kDefaultRoot, dir.path());
    store.WriteString("kv2", "porta_com", "4");
    store.WriteString("kv2", "numlinee", "3");
  }
  auto file = dir / "Brem elettronica snc.conf";
  std::string text = Slurp(file);
  auto at = text.find("text \"numlinee\"");
  ASSERT_NE(at, std::string::npos);
  text.insert(at, "text \"broken\n dword \"x\" 12z\n");
  std::ofstream(file, std::ios::binary | std::ios::trunc) << text;

  std::vector<std::string> warnings;
  ConfigStore store(ConfigStore::kDefaultRoot, dir.path(),
                    [&](const std::string& w) { warnings.push_back(w); });
  EXPECT_EQ(store.ReadString("kv2", "porta_com", ""), "4");
  EXPECT_EQ(store.ReadString("kv2", "numlinee", ""), "3");
  ASSERT_EQ(warnings.size(), 2u);
  EXPECT_NE(warnings[0].find(file.string() + ":6:"), std::string::npos) << warnings[0];
  EXPECT_NE(warnings[1].find(":7:"), std::string::npos) << warnings[1];
}

TEST(ConfigStore, WritesFromAnotherProcessAreSeenAndKept) {
  kv7::test::TempDir dir;
  ConfigStore console(ConfigStore::kDefaultRoot, dir.path());
  ConfigStore tool(ConfigStore::kDefaultRoot, dir.path());
  console.WriteString("kv2", "porta_com", "5");
  tool.WriteString("ports", "COM5", "/dev/pts/9");
  // The second writer started from the file on disk, not from its stale copy.
  EXPECT_EQ(tool.ReadString("kv2", "porta_com", ""), "5");
  EXPECT_EQ(console.ReadString("ports", "COM5", ""), "/dev/pts/9");
  EXPECT_FALSE(std::filesystem::exists(dir / "Brem elettronica snc.conf.tmp"));
}

TEST(ConfigStore, UnwritableDirectoryFailsWithoutTouchingMemory) {
  kv7::test::TempDir dir;
  std::filesystem::path blocked = dir / "file-not-dir";
  std::ofstream(blocked) << "x";
  ConfigStore store(ConfigStore::kDefaultRoot, blocked);
  EXPECT_FALSE(store.WriteString("kv2", "porta_com", "3"));
  EXPECT_EQ(store.ReadString("kv2", "porta_com", "1"), "1");
}

// A line the store cannot parse is kept, as it was, by every later write,
// and the file as it was goes aside once before the first of them.
TEST(ConfigStore, DamagedLinesSurviveWritesAndTheFileIsCopiedAsideOnce) {
  kv7::test::TempDir dir;
  const auto file = dir / "Brem elettronica snc.conf";
  const std::string original =
      "stray line before any section\n"
      "[kv2]\n"
      "text \"porta_com\" \"4\"\n"
      "text \"numlinee\" 3\n"  // the value lost its quotes
      "[ports\n"
      "text \"COM1\" \"/dev/ttyUSB0\"\n";
  std::ofstream(file, std::ios::binary) << original;
  int warnings = 0;
  ConfigStore store(ConfigStore::kDefaultRoot, dir.path(), [&](const std::string&) { ++warnings; });
  EXPECT_EQ(warnings, 4);
  EXPECT_FALSE(store.ReadError().has_value());

  ASSERT_TRUE(store.WriteString("kv2", "numtazze", "120"));
  ASSERT_TRUE(store.WriteString("kv2", "porta_com", "5"));
  store.Reload();
  EXPECT_EQ(warnings, 4) << "kept lines are reported once";
  const std::string written = Slurp(file);
  for (const char* line : {"stray line before any section\n", "text \"numlinee\" 3\n", "[ports\n",
                           "text \"COM1\" \"/dev/ttyUSB0\"\n"})
    EXPECT_NE(written.find(line), std::string::npos) << line << " missing from\n" << written;

  ConfigStore again(ConfigStore::kDefaultRoot, dir.path());
  EXPECT_EQ(again.ReadString("kv2", "porta_com", ""), "5");
  EXPECT_EQ(again.ReadString("kv2", "numtazze", ""), "120");

  std::vector<std::filesystem::path> copies;
  for (const auto& e : std::filesystem::directory_iterator(dir.path()))
    if (e.path().extension() == ".copy") copies.push_back(e.path());
  ASSERT_EQ(copies.size(), 1u);
  EXPECT_EQ(Slurp(copies[0]), original);
}

StoredValue Text(const std::string& name, const std::string& text) {
  return {name, ValueType::Text, text, 0};
}

TEST(ConfigStoreWriteValues, AllValuesInOneWriteOrNone) {
  kv7::test::TempDir dir;
  ConfigStore store(ConfigStore::kDefaultRoot, dir.path());
  ASSERT_TRUE(store.WriteString("kv2", "a", "old"));
  ASSERT_TRUE(store.WriteValues({{"kv2", Text("b", "1")},
                                 {"kv2", Text("a", "new")},
                                 {"log", {"n", ValueType::Dword, {}, 5}},
                                 {"kv2", Text("b", "2")}}));
  auto kv2 = store.OpenSection("kv2");
  ASSERT_EQ(kv2->size(), 2u);
  EXPECT_EQ((*kv2)[0].name, "a");  // an existing value keeps its place
  EXPECT_EQ((*kv2)[0].text, "new");
  EXPECT_EQ((*kv2)[1].text, "2");  // the later entry wins
  EXPECT_EQ(store.ReadInteger("log", "n", 0), 5);

  // The file cannot be replaced: nothing of the batch is stored.
  std::filesystem::create_directory(store.FilePath().string() + ".tmp");
  EXPECT_FALSE(store.WriteValues({{"kv2", Text("a", "lost")}, {"kv2", Text("c", "lost")}}));
  ConfigStore reread(ConfigStore::kDefaultRoot, dir.path());
  EXPECT_EQ(reread.ReadString("kv2", "a", ""), "new");
  EXPECT_FALSE(reread.Find("kv2", "c").has_value());
  EXPECT_EQ(store.ReadString("kv2", "a", ""), "new");
}

}  // namespace
