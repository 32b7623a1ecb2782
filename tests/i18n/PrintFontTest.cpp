// The print font's style text and the local print settings file.
#include <gtest/gtest.h>

#include <fstream>

#include "i18n/PrintFont.h"
#include "support/FileText.h"
#include "support/TempDir.h"

namespace {

using kv7::i18n::FontStyles;

TEST(PrintFont, StyleTextListsTheStylesPresentAndEndsWithAPoint) {
  const struct {
    FontStyles styles;
    const char* text;
  } cases[] = {
      {{true, false, false, false}, "fsBold."},
      {{false, true, false, false}, ",fsItalic."},
      {{true, false, true, false}, "fsBold,fsUnderline."},
      {{true, true, true, true}, "fsBold,fsItalic,fsUnderline,fsStrikeout."},
      {{false, false, false, false}, "."},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(kv7::i18n::StyleText(c.styles), c.text);
    EXPECT_EQ(kv7::i18n::ParseStyleText(c.text), c.styles) << c.text;
  }
  // Bold and italic count only in their own places.
  EXPECT_EQ(kv7::i18n::ParseStyleText("fsItalic,fsBold,fsStrikeout."), (FontStyles{false, false, false, true}));
}

TEST(PrintFont, SettingsGoToTheLocalFileWhenItExistsKeepingItsOtherKeys) {
  kv7::test::TempDir work, config;
  kv7::i18n::PrintSettings s;
  s.fontName = "DejaVu Sans";
  s.fontSize = 10;
  s.styles = {false, true, false, false};
  s.autorefresh = 15;

  ASSERT_TRUE(kv7::i18n::SavePrintFontIni(s, work.path(), config.path()));
  const std::string central = kv7::test::Slurp(config / "mb3.ini");
  EXPECT_EQ(central,
            "[print]\r\nfont_name=DejaVu Sans\r\nfont_size=10\r\nfont_set=,fsItalic.\r\n\r\n"
            "[custom]\r\nautorefresh=15\r\n");

  {
    std::ofstream local(work / "mb3l.ini");
    local << "[print]\r\nfont_size=7\r\ncopies=2\r\n\r\n[other]\r\nx=1\r\n";
  }
  s.styles = {true, false, true, false};
  ASSERT_TRUE(kv7::i18n::SavePrintFontIni(s, work.path(), config.path()));
  EXPECT_EQ(
      kv7::test::Slurp(work / "mb3l.ini"),
      "[print]\r\nfont_size=10\r\ncopies=2\r\nfont_name=DejaVu Sans\r\nfont_set=fsBold,fsUnderline.\r\n\r\n"
      "[other]\r\nx=1\r\n\r\n[custom]\r\nautorefresh=15\r\n");
  EXPECT_EQ(kv7::test::Slurp(config / "mb3.ini"), central);
}

}  // namespace
