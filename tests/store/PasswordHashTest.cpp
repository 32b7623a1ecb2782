#include "store/PasswordHash.h"

#include <gtest/gtest.h>

namespace kv7::store::password_hash {
namespace {

TEST(PasswordHash, HashIsSaltedAndVerifiesOnlyItsPassword) {
  const std::string a = Hash("segreta"), b = Hash("segreta");
  EXPECT_TRUE(IsHash(a));
  EXPECT_NE(a, b);  // a fresh salt each time
  EXPECT_EQ(a.find("segreta"), std::string::npos);
  const struct {
    std::string typed, stored;
    bool right;
  } cases[] = {
      {"segreta", a, true},  {"segreta", b, true},   {"Segreta", a, false}, {"", a, false},
      {"segreta ", a, false},
      // Clear texts as older stores hold them.
      {"0", "0", true},      {"00", "0", false},     {"", "0", false},      {"vok", "vok", true},
      {"$argon2", "$argon2", false},  // a stored text that claims to be a hash is read as one
  };
  for (const auto& c : cases) EXPECT_EQ(Verify(c.typed, c.stored), c.right) << c.typed << " / " << c.stored;
  EXPECT_FALSE(IsHash("0"));
}

}  // namespace
}  // namespace kv7::store::password_hash
