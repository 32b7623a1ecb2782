#include <gtest/gtest.h>

#include "store/ConfigStore.h"
#include "support/TempDir.h"

using kv7::store::ConfigStore;
using kv7::store::StoredValue;
using kv7::store::ValueType;

namespace {

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
