// The texts the Qt-free layers show: all of them in the catalogue, and
// translated whole, with the parts they carry, in the language in force.
#include <gtest/gtest.h>

#include <QString>

#include <filesystem>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "i18n/LanguageModules.h"
#include "i18n/MessageCatalogue.h"
#include "i18n/Numbers.h"
#include "SourceTexts.h"
#include "support/FileText.h"
#include "support/TempDir.h"
#include "ui/QtTestApp.h"

namespace {

namespace fs = std::filesystem;
using kv7::test::Assembled;
using kv7::test::HasLetters;
using kv7::test::Literals;
using kv7::test::MatchingClose;
using kv7::test::SplitTopLevel;

// Whole, or the assembled form of a text whose run-time parts ("%1" ...)
// fall where a catalogue pattern takes parts.
bool Listed(const std::string& text) {
  static const std::regex runTimePart("%[1-9]");
  return kv7::i18n::IsCatalogueText(QString::fromStdString(std::regex_replace(text, runTimePart, "\x01")));
}

struct Scan {
  std::string file;
  std::string code;
  std::vector<std::string> unlisted;
  int checked = 0;

  void Text(const std::string& text, const std::string& how) {
    if (!HasLetters(text)) return;
    ++checked;
    if (!Listed(text)) unlisted.push_back(file + ": " + how + " \"" + text + "\"");
  }
  // One argument of a screen call; a helper of the file or a named
  // constant given there is read where it is defined.
  void Argument(const std::string& argument) {
    const auto assembled = Assembled(argument);
    Text(assembled.text, assembled.runTime ? "put together as" : "");
    for (const std::string& nested : assembled.nested) Text(nested, "");
    std::smatch m;
    static const std::regex helper(R"(\s*([A-Za-z_]\w*)\s*\(([^"]*)\)\s*)");
    static const std::regex constant(R"(\s*(k[A-Z]\w*)\s*)");
    if (std::regex_match(argument, m, helper)) {
      const std::regex definition("\\b" + m[1].str() + R"(\s*\([^;{)]*\)\s*(const\s*)?\{)");
      std::smatch d;
      if (!std::regex_search(code, d, definition)) return;
      const auto open = static_cast<std::size_t>(d.position() + d.length() - 1);
      const std::string body = code.substr(open, MatchingClose(code, open) - open);
      const auto ret = body.find("return ");
      if (ret != std::string::npos) Argument(body.substr(ret + 7, body.find(';', ret) - ret - 7));
    } else if (std::regex_match(argument, m, constant)) {
      std::smatch d;
      if (std::regex_search(code, d, std::regex("\\b" + m[1].str() + R"((\[\])?\s*=([^;]*);)")))
        Argument(d[2].str());
    }
  }
};

// Every source file of the layers that hand texts to the screen.
template <typename Visit>
void ForEachLayerFile(Visit visit) {
  for (const char* layer : {"link", "store", "supervisor"}) {
    for (const auto& entry : fs::recursive_directory_iterator(fs::path(KV7_SOURCE_DIR) / "src" / layer)) {
      const auto ext = entry.path().extension();
      if (ext == ".cpp" || ext == ".h") visit(entry.path());
    }
  }
}

TEST(MessageCatalogue, HoldsEveryTextTheQtFreeLayersShow) {
  // Calls that put a text in front of the operator, and the tables and
  // members that hold such texts.
  const std::regex shown(
      R"(\b(ShowMessage|AskYesNo|SetStatusPanel|SetCaption|SetText|Fail|StopHeld|Report)\s*\(|)"
      R"(\bStateText\s*\(int\b|\bProcessingStateText\s*\(const\b|\bkRejectErrorsShown\b|)"
      R"(\bkRejectErrorGroupTitle\b|\bdownloadLabel\s*=)");
  int checked = 0;
  ForEachLayerFile([&](const fs::path& path) {
    Scan scan{path.filename().string(), kv7::test::WithoutComments(kv7::test::Slurp(path)), {}, 0};
    const std::string& code = scan.code;
    for (auto it = std::sregex_iterator(code.begin(), code.end(), shown); it != std::sregex_iterator(); ++it) {
      const auto at = static_cast<std::size_t>(it->position());
      if ((*it)[1].matched) {
        const std::size_t open = code.find('(', at);
        for (const std::string& argument : SplitTopLevel(code.substr(open + 1, MatchingClose(code, open) - open - 1), ','))
          scan.Argument(argument);
        continue;
      }
      // A table or a body: each of its texts whole.
      const std::size_t end = code.find_first_of("{;", at);
      const std::size_t last = code[end] == '{' ? MatchingClose(code, end) : end;
      for (const std::string& literal : Literals(code.substr(at, last - at))) scan.Text(literal, "");
    }
    checked += scan.checked;
    for (const std::string& u : scan.unlisted) ADD_FAILURE() << u << " is not in src/i18n/MessageCatalogue.cpp";
  });
  EXPECT_GT(checked, 40);  // the scan found the layers' texts at all
}

// A printf format with words builds a text outside the catalogue's patterns,
// where no translation can reach it. File names are the one such use.
TEST(MessageCatalogue, NoWordsAreFormattedWithPrintfInTheQtFreeLayers) {
  const std::set<std::string> fileNames{"ArchiveDump.cpp"};
  const std::regex formatting(R"(\b(snprintf|sprintf|std::format)\s*\()");
  ForEachLayerFile([&](const fs::path& path) {
    if (fileNames.contains(path.filename().string())) return;
    const std::string code = kv7::test::WithoutComments(kv7::test::Slurp(path));
    for (auto it = std::sregex_iterator(code.begin(), code.end(), formatting); it != std::sregex_iterator(); ++it) {
      const std::size_t open = code.find('(', static_cast<std::size_t>(it->position()));
      for (const std::string& format : Literals(code.substr(open, MatchingClose(code, open) - open)))
        EXPECT_FALSE(HasLetters(kv7::test::WithoutConversions(format))) << path.filename() << ": \"" << format << "\"";
    }
  });
}

// The reading of the sources itself, on the forms the layers use.
TEST(MessageCatalogue, AssembledTextsAreReadAsTheirPatterns) {
  const struct {
    const char* argument;
    const char* text;
    bool listed;
  } cases[] = {
      {R"(std::string("Il comando ") + letter + " non è andato a buon fine")", "Il comando %1 non è andato a buon fine",
       true},
      {R"("Il comando T non ha ricevuto una risposta corretta=\r" + reply + "\r")",
       "Il comando T non ha ricevuto una risposta corretta=\r%1\r", true},
      {R"(rate.substr(0, 2) + "," + rate.substr(2, 1) + "tz/s")", "%1,%2tz/s", true},
      {R"("Costo al Kg. L. " + amount + " " + perKg)", "Costo al Kg. L. %1 %2", false},
      {R"("0 - Centralina off ")", "0 - Centralina off ", true},
  };
  for (const auto& c : cases) {
    const auto assembled = Assembled(c.argument);
    EXPECT_EQ(assembled.text, c.text);
    EXPECT_EQ(Listed(assembled.text), c.listed) << c.text;
  }
  EXPECT_EQ(kv7::test::WithoutConversions("%*.*f %6lld %10.3f %02d%%"), "   ");
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
