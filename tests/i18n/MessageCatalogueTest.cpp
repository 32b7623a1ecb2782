// The texts the Qt-free layers show: all of them in the catalogue, and
// translated whole, with the parts they carry, in the language in force.
#include <gtest/gtest.h>

#include <QString>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <functional>
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

std::size_t LiteralEnd(const std::string& s, std::size_t at) {
  std::size_t j = at + 1;
  while (j < s.size() && s[j] != s[at]) j += s[j] == '\\' ? 2 : 1;
  return std::min(j, s.size() - 1);
}

// The index of the bracket closing the one at `open`.
std::size_t Closing(const std::string& s, std::size_t open) {
  int depth = 0;
  for (std::size_t i = open; i < s.size(); ++i) {
    if (s[i] == '"' || s[i] == '\'') {
      i = LiteralEnd(s, i);
    } else if (std::strchr("([{", s[i])) {
      ++depth;
    } else if (std::strchr(")]}", s[i]) && --depth == 0) {
      return i;
    }
  }
  return s.size();
}

// `s` cut at `separator` where no bracket or literal is open ("+=", "++" kept).
std::vector<std::string> Cut(const std::string& s, char separator) {
  std::vector<std::string> parts(1);
  for (std::size_t i = 0; i < s.size(); ++i) {
    const bool quote = s[i] == '"' || s[i] == '\'';
    if (quote || std::strchr("([{", s[i])) {
      const std::size_t end = std::min(quote ? LiteralEnd(s, i) : Closing(s, i), s.size() - 1);
      parts.back() += s.substr(i, end - i + 1);
      i = end;
    } else if (s[i] == separator && s.compare(i, 2, "+=") && s.compare(i, 2, "++") && (!i || s[i - 1] != '+')) {
      parts.emplace_back();
    } else {
      parts.back() += s[i];
    }
  }
  return parts;
}

// An argument as the text it gives: its literals as written and "%N" for
// each part that comes at run time (literals inside such parts: `nested`).
std::string Assembled(const std::string& argument, std::vector<std::string>& nested) {
  static const std::regex literalsOnly(R"re(\s*(std::string\s*\()?(\s*"([^"\\]|\\.)*")+\s*\)?\s*)re");
  std::string text;
  int parts = 0;
  for (const std::string& piece : Cut(argument, '+')) {
    const std::vector<std::string> literals = LiteralsFrom("(" + piece + ")", 0, true);
    if (std::regex_match(piece, literalsOnly)) {
      for (const std::string& l : literals) text += l;
    } else {
      text += "%" + std::to_string(++parts);
      nested.insert(nested.end(), literals.begin(), literals.end());
    }
  }
  return text;
}

// The texts one argument of a screen call gives, through a one-line helper
// of the file or a named constant where it is defined.
void ShownTexts(const std::string& code, const std::string& argument,
                const std::function<void(const std::string&)>& check) {
  std::vector<std::string> nested;
  check(Assembled(argument, nested));
  for (const std::string& n : nested) check(n);
  static const std::regex helper(R"(\s*([A-Za-z_]\w*)\s*\([^"]*\)\s*)");
  static const std::regex constant(R"(\s*(k[A-Z]\w*)\s*)");
  std::smatch m, d;
  if (std::regex_match(argument, m, helper)) {
    if (std::regex_search(code, d, std::regex("\\b" + m[1].str() + R"(\s*\([^;{)]*\)\s*(const\s*)?\{\s*return\b([^;]*);)")))
      ShownTexts(code, d[2].str(), check);
  } else if (std::regex_match(argument, m, constant)) {
    if (std::regex_search(code, d, std::regex("\\b" + m[1].str() + R"((\[\])?\s*=([^;]*);)")))
      ShownTexts(code, d[2].str(), check);
  }
}

// Every source file of the layers that hand texts to the screen, without comments.
void ForEachLayerFile(const std::function<void(const fs::path&, const std::string&)>& visit) {
  for (const char* layer : {"link", "store", "supervisor"}) {
    for (const auto& entry : fs::recursive_directory_iterator(fs::path(KV7_SOURCE_DIR) / "src" / layer)) {
      const auto ext = entry.path().extension();
      if (ext == ".cpp" || ext == ".h") visit(entry.path(), WithoutComments(kv7::test::Slurp(entry.path())));
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
  static const std::regex runTimePart("%[1-9]");
  int checked = 0;
  ForEachLayerFile([&](const fs::path& path, const std::string& code) {
    // Whole, or with its run-time parts where a pattern of the catalogue takes parts.
    const auto check = [&](const std::string& text) {
      if (!HasLetters(text)) return;
      ++checked;
      EXPECT_TRUE(kv7::i18n::IsCatalogueText(QString::fromStdString(std::regex_replace(text, runTimePart, "\x01"))))
          << path.filename() << ": \"" << text << "\" is not in src/i18n/MessageCatalogue.cpp";
    };
    for (auto it = std::sregex_iterator(code.begin(), code.end(), shown); it != std::sregex_iterator(); ++it) {
      const auto at = static_cast<std::size_t>(it->position());
      if (!(*it)[1].matched) {
        for (const std::string& literal : LiteralsFrom(code, at, false)) check(literal);
        continue;
      }
      const std::size_t open = code.find('(', at);
      for (const std::string& argument : Cut(code.substr(open + 1, Closing(code, open) - open - 1), ','))
        ShownTexts(code, argument, check);
    }
  });
  EXPECT_GT(checked, 40);  // the scan found the layers' texts at all
}

// Words formatted by printf make a text no catalogue pattern reaches; the
// layers format figures only (and the name of a dump file).
TEST(MessageCatalogue, QtFreeLayersFormatNoWords) {
  const std::regex formatting(R"(\b(snprintf|sprintf|std::format)\s*\()");
  const std::regex conversion(R"(%[-+ #0]*(\*|\d+)?(\.(\*|\d+))?(hh|h|ll|l|z|j|t|L)?[a-zA-Z%])");
  ForEachLayerFile([&](const fs::path& path, const std::string& code) {
    if (path.filename() == "ArchiveDump.cpp") return;
    for (auto it = std::sregex_iterator(code.begin(), code.end(), formatting); it != std::sregex_iterator(); ++it) {
      for (const std::string& format : LiteralsFrom(code, static_cast<std::size_t>(it->position()), true))
        EXPECT_FALSE(HasLetters(std::regex_replace(format, conversion, ""))) << path.filename() << ": " << format;
    }
  });
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
      {"KV7 Campionatrice - Macchina 12 / 2.13 : MB6", "KV7 Sampler - Machine 12 / 2.13 : MB6"},
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
