// The texts the Qt-free layers show: all of them in the catalogue, and
// translated whole, with the parts they carry, in the language in force.
#include <gtest/gtest.h>

#include <QString>

#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "i18n/LanguageModules.h"
#include "i18n/MessageCatalogue.h"
#include "i18n/Numbers.h"
#include "support/FileText.h"
#include "support/TempDir.h"
#include "ui/QtTestApp.h"

namespace {

namespace fs = std::filesystem;

// The code without comments; string and character literals kept.
std::string WithoutComments(const std::string& code) {
  std::string out;
  for (std::size_t i = 0; i < code.size(); ++i) {
    if (code.compare(i, 2, "//") == 0) {
      i = code.find('\n', i);
      if (i == std::string::npos) break;
      out += '\n';
    } else if (code.compare(i, 2, "/*") == 0) {
      i = code.find("*/", i);
      if (i == std::string::npos) break;
      ++i;
    } else if (code[i] == '"' || code[i] == '\'') {
      const char quote = code[i];
      std::size_t j = i + 1;
      while (j < code.size() && code[j] != quote) j += code[j] == '\\' ? 2 : 1;
      out += code.substr(i, j - i + 1);
      i = j;
    } else {
      out += code[i];
    }
  }
  return out;
}

// From `at`, the extent of a call's arguments (or else of a braced body or
// a statement), and the string literals inside it, escapes decoded.
std::vector<std::string> LiteralsFrom(const std::string& code, std::size_t at, bool call) {
  const std::size_t open = code.find_first_of(call ? "(" : "{;", at);
  if (open == std::string::npos) return {};
  const char close = code[open] == '(' ? ')' : code[open] == '{' ? '}' : ';';
  std::vector<std::string> literals;
  int depth = 0;
  for (std::size_t i = code[open] == ';' ? at : open; i < code.size(); ++i) {
    const char c = code[i];
    if (c == '"' || c == '\'') {
      std::string text;
      std::size_t j = i + 1;
      for (; j < code.size() && code[j] != c; ++j) {
        if (code[j] != '\\') {
          text += code[j];
          continue;
        }
        const char e = code[++j];
        text += e == 'r' ? '\r' : e == 'n' ? '\n' : e == 't' ? '\t' : e;
      }
      if (c == '"') literals.push_back(text);
      i = j;
    } else if (close == ';' && c == ';') {
      break;
    } else if (c == code[open] && close != ';') {
      ++depth;
    } else if (c == close && --depth == 0) {
      break;
    }
  }
  return literals;
}

bool HasLetters(const std::string& s) {
  for (unsigned char c : s)
    if (std::isalpha(c) || c >= 0x80) return true;
  return false;
}

std::string Trimmed(const std::string& s) {
  const auto first = s.find_first_not_of(" \t\r\n");
  return first == std::string::npos ? "" : s.substr(first, s.find_last_not_of(" \t\r\n") - first + 1);
}

TEST(MessageCatalogue, HoldsEveryTextTheQtFreeLayersShow) {
  // Calls that put a text in front of the operator, and the tables and
  // members that hold such texts.
  const std::regex shown(
      R"(\b(ShowMessage|AskYesNo|SetStatusPanel|SetCaption|SetText|Fail|StopHeld|Report)\s*\(|)"
      R"(\bStateText\s*\(int\b|\bProcessingStateText\s*\(const\b|\bkRejectErrorsShown\b|)"
      R"(\bkRejectErrorGroupTitle\b|\bdownloadLabel\s*=)");
  int checked = 0;
  for (const char* layer : {"link", "store", "supervisor"}) {
    for (const auto& entry : fs::recursive_directory_iterator(fs::path(KV7_SOURCE_DIR) / "src" / layer)) {
      const auto ext = entry.path().extension();
      if (ext != ".cpp" && ext != ".h") continue;
      const std::string code = WithoutComments(kv7::test::Slurp(entry.path()));
      for (auto it = std::sregex_iterator(code.begin(), code.end(), shown); it != std::sregex_iterator();
           ++it) {
        for (const std::string& literal :
             LiteralsFrom(code, static_cast<std::size_t>(it->position()), (*it)[1].matched)) {
          const std::string text = Trimmed(literal);
          if (!HasLetters(text)) continue;
          ++checked;
          // Whole, or a piece of a text the layer puts together.
          bool listed = kv7::i18n::IsCatalogueText(QString::fromStdString(text));
          for (const char* entry : kv7::i18n::CatalogueTexts())
            listed = listed || std::string(entry).find(text) != std::string::npos;
          EXPECT_TRUE(listed) << entry.path().filename() << ": \"" << text
                              << "\" is not in src/i18n/MessageCatalogue.cpp";
        }
      }
    }
  }
  EXPECT_GT(checked, 40);  // the scan found the layers' texts at all
}

class InEnglish : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { kv7::test::TestApp(); }
  void SetUp() override {
    kv7::i18n::SetModuleSearchPath({KV7_MODULE_DIR});
    ASSERT_TRUE(kv7::i18n::LoadLanguageModule(2057));
  }
  void TearDown() override {
    kv7::i18n::LoadLanguageModule(1040);
    kv7::i18n::SetModuleSearchPath({});
  }
};

TEST_F(InEnglish, MessagesAreTranslatedWithThePartsTheyCarry) {
  const struct {
    const char* italian;
    const char* english;
  } cases[] = {
      {"Il comando V1 non è andato a buon fine", "Command V1 failed"},
      {"Il comando di Set rotazione non è stato trasmesso correttamente",
       "The set rotation command was not sent correctly"},
      {"Il comando T non ha ricevuto una risposta corretta=\rT0012\r",
       "Command T did not get a valid reply=\rT0012\r"},
      {"Trasf.  Programma Mb3 =  48 %", "Sending Program to Mb3 =  48 %"},
      {"0 - Centralina off ", "0 - Controller off "},
      {"12,3tz/s", "12.3 cups/s"},
      {"KV7 Campionatrice", "KV7 Sampler"},
      {"7 - Ass. e Accum.", "7 - Settle & accum."},
      {"a text of nobody's", "a text of nobody's"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(kv7::i18n::TranslateMessage(QString::fromUtf8(c.italian)), QString::fromUtf8(c.english))
        << c.italian;
}

TEST_F(InEnglish, NumbersFollowTheLanguageAndTypedNumbersTakeEitherMark) {
  EXPECT_EQ(kv7::i18n::FormatNumber(1250.0, 1), "1,250.0");
  ASSERT_TRUE(kv7::i18n::LoadLanguageModule(1040));
  EXPECT_EQ(kv7::i18n::FormatNumber(1250.0, 1), "1.250,0");
  EXPECT_EQ(kv7::i18n::FormatNumber(12.34, 1), "12,3");

  const struct {
    const char* typed;
    std::optional<double> value;
  } cases[] = {{"12,5", 12.5},           {"12.5", 12.5},      {" 7 ", 7.0},
               {"1.250,5", 1250.5},      {"1,250.5", 1250.5}, {"-0,25", -0.25},
               {"12,5kg", std::nullopt}, {"", std::nullopt}};
  for (const auto& c : cases) EXPECT_EQ(kv7::i18n::ParseNumber(c.typed), c.value) << c.typed;
}

}  // namespace
