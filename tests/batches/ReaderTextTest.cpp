// The barcode reader's raw lines as the batch keeps them: valid UTF-8
// without control characters, whatever bytes the reader sent.

#include <gtest/gtest.h>

#include "batches/ReaderText.h"

namespace {

TEST(ReaderText, CleanBarcode) {
  const struct {
    const char* what;
    std::string raw;
    std::string clean;
  } cases[] = {
      {"line end", "8001234\r\n", "8001234"},
      {"bare line end", "\r\n", ""},
      {"NUL, tab and DEL inside", std::string("80\0" "0\t1\x7F" "2", 8), "80012"},
      {"UTF-8 kept", "AB\xC3\xA9\xE2\x82\xAC\r", "AB\xC3\xA9\xE2\x82\xAC"},
      {"Latin-1 e acute", "AB\xE9\r\n", "AB\xC3\xA9"},
      {"sequence cut short read as Latin-1, its C1 byte dropped", "A\xE2\x82", "A\xC3\xA2"},
      {"overlong form is not UTF-8", "\xC0\xAF", "\xC3\x80\xC2\xAF"},
      {"UTF-8 C1 control dropped", "A\xC2\x85" "B", "AB"},
  };
  for (const auto& c : cases) EXPECT_EQ(kv7::batches::CleanBarcode(c.raw), c.clean) << c.what;
}

TEST(ReaderText, Utf8OrLatin1KeepsControls) {
  EXPECT_EQ(kv7::batches::Utf8OrLatin1("a\rb\xE8"), "a\rb\xC3\xA8");
  EXPECT_EQ(kv7::batches::Utf8OrLatin1("\xCE\xA9mega"), "\xCE\xA9mega");
}

}  // namespace
