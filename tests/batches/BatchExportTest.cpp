// Host export lines against lines built here with printf widths from the
// contract in docs/exports.md, record names, and the record writer's
// collision and missing-directory handling on a real directory.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>

#include "batches/BatchExport.h"
#include "store/FileIo.h"
#include "support/FileText.h"
#include "support/TempDir.h"

namespace {

using namespace kv7::batches;
namespace fs = std::filesystem;

// tot1q1 = 1 g, reject 2 g, 1000 kg declared: 33.33 % / 333.30 kg and
// 66.67 % / 666.70 kg, every other class 0.
kv7::store::BatchRow Third(const std::string& bolla) {
  kv7::store::BatchRow r;
  r.bolla = bolla;
  r.programma = "05";
  r.codicebarre = "8001234";
  r.produttore = "P1";
  r.totpartita = 1000;
  r.tot[0][0] = 1;
  r.totq5 = 2;
  return r;
}

std::string Expected(const std::string& bolla, const char* share, const char* zero, const char* reject,
                     const char* pct, const char* zpct, const char* rpct, const char* end) {
  char buf[512];
  std::string s;
  std::snprintf(buf, sizeof buf, "%8s,%3s,%18s,%5s,%11s,%9s,", bolla.c_str(), "05", "8001234", "P1", "1000",
                share);
  s = buf;
  for (int i = 0; i < 10; ++i)
    s += (std::snprintf(buf, sizeof buf, "%9s,", zero), buf);  // ttot2..10q1, ttot1q3
  s += (std::snprintf(buf, sizeof buf, "%9s,%6s,", reject, pct), buf);
  for (int i = 0; i < 10; ++i) s += (std::snprintf(buf, sizeof buf, "%6s,", zpct), buf);
  s += (std::snprintf(buf, sizeof buf, "%6s", rpct), buf);
  return s + end;
}

TEST(HostExport, FixedWidthLines) {
  struct Case {
    std::string bolla;
    char decimal;
    bool daily;
  } cases[] = {{"77", '.', false}, {"1234567890", '.', false}, {"1234567890", '.', true}, {"8", ',', false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bolla + c.decimal + (c.daily ? " daily" : " end of batch"));
    const auto row = Third(c.bolla);
    const ExportFormat f{c.decimal};
    const std::string got = c.daily ? DailyLine(row, f) : EndOfBatchLine(row, f);
    const bool dot = c.decimal == '.';
    EXPECT_EQ(got, Expected(c.bolla, dot ? "333.30" : "333,30", dot ? "0.00" : "0,00",
                            dot ? "666.70" : "666,70", dot ? "33.33" : "33,33", dot ? "0.00" : "0,00",
                            dot ? "66.67" : "66,67", c.daily ? "\r\n" : ",\r\n"));
  }
}

TEST(HostExport, RangeHeaderAndLine) {
  const std::string header = RangeHeader();
  const std::string head =
      "\"lotto\",\"programma\",\"codicebarre\",\"produttore\",\"totpartita\","
      "\"operatore\",\"numpedane\",\"numcasse\",\"note\",\"codicec1q1\",\"ttot1q1\",";
  EXPECT_EQ(header.substr(0, head.size()), head);
  EXPECT_NE(header.find(",\"codicec13q1\",\"Table3ttot13q1\",\"codicec14q1\","), std::string::npos);
  EXPECT_NE(header.find(",\"ttot13q2\","), std::string::npos);
  const std::string tail = ",\"codicec15q4\",\"ttot15q4\",\"codiceq5\",\"ttotq5\"\r\n";
  EXPECT_EQ(header.substr(header.size() - tail.size()), tail);
  EXPECT_EQ(std::count(header.begin(), header.end(), ','), 130);

  auto row = Third("9");
  row.lotto = "L7";
  row.operatore = "OP";
  row.numeropedane = 3;
  row.numerocasse = 40;
  row.note = "uno, \"due\"";
  kv7::store::ProgramRecord program;
  program.classCode[0][0] = "A11";
  program.rejectCode = "SC";
  std::string expected = "L7,05,8001234,P1,1000,OP,3,40,\"uno, 'due'\"";
  for (int i = 0; i < 60; ++i) expected += i == 0 ? ",A11,333.30" : ",,0.00";
  EXPECT_EQ(RangeLine(row, program, {}), expected + ",SC,666.70\r\n");
  const std::string unknown = RangeLine(row, std::nullopt, {});
  EXPECT_NE(unknown.find("'due'\",,333.30,,0.00,"), std::string::npos);
  EXPECT_EQ(unknown.substr(unknown.size() - 10), ",,666.70\r\n");
}

TEST(HostExport, Names) {
  using kv7::store::DbDateTime;
  EXPECT_EQ(DailyFileName({2026, 3, 5, 0, 0, 0}), "05_03_2026.txt");
  EXPECT_EQ(RecordStem({2026, 3, 5, 14, 30, 7}), "05143007");
  const std::pair<DbDateTime, DbDateTime> next[] = {{{2026, 3, 5, 14, 30, 7}, {2026, 3, 5, 14, 30, 8}},
                                                    {{2024, 2, 28, 23, 59, 59}, {2024, 2, 29, 0, 0, 0}},
                                                    {{2026, 12, 31, 23, 59, 59}, {2027, 1, 1, 0, 0, 0}}};
  for (const auto& [from, to] : next) EXPECT_EQ(NextSecond(from), to) << from.ToString();
}

TEST(HostExport, RecordCollisionAndMissingDirectory) {
  kv7::test::TempDir temp;
  const fs::path dir = temp / "exp";
  const kv7::store::DbDateTime at{2026, 3, 5, 14, 30, 7};
  auto missing = WriteEndOfBatchRecord(dir, at, "a\r\n");
  EXPECT_FALSE(missing.ok);
  EXPECT_NE(missing.error.find(dir.string()), std::string::npos);
  fs::create_directories(dir);
  auto first = WriteEndOfBatchRecord(dir, at, "a\r\n");
  auto second = WriteEndOfBatchRecord(dir, at, "b\r\n");
  ASSERT_TRUE(first.ok && second.ok) << first.error << second.error;
  EXPECT_EQ(first.path, dir / "05143007.txt");
  EXPECT_EQ(second.path, dir / "05143008.txt");
  EXPECT_EQ(kv7::test::Slurp(first.path) + kv7::test::Slurp(second.path), "a\r\nb\r\n");
  int files = 0;
  for (const auto& e : fs::directory_iterator(dir)) {
    ++files;
    EXPECT_EQ(e.path().extension(), ".txt");
  }
  EXPECT_EQ(files, 2);
}

TEST(HostExport, ALinkPlantedAsTheTemporaryNameIsNotFollowed) {
  const kv7::store::DbDateTime at{2026, 3, 5, 14, 30, 7};
  using Writer = std::function<fs::path(const fs::path& dir)>;
  const struct {
    const char* what;
    const char* temporary;  // the name the writer makes its file under first
    Writer write;           // the file written, empty on failure
  } cases[] = {
      {"end-of-batch record", "05143007.t",
       [&](const fs::path& dir) {
         auto w = WriteEndOfBatchRecord(dir, at, "new\r\n");
         return w.ok ? w.path : fs::path();
       }},
      {"daily export", "05_03_2026.t",
       [](const fs::path& dir) {
         auto w = WriteExportFile(dir / "05_03_2026.txt", "new\r\n");
         return w.ok ? w.path : fs::path();
       }},
      {"side file", "w83.cst.tmp",
       [](const fs::path& dir) {
         return kv7::store::WriteFileDurably(dir / "w83.cst", "new\r\n") ? fs::path() : dir / "w83.cst";
       }},
  };
  for (const auto& c : cases) {
    for (const bool victimExists : {true, false}) {
      kv7::test::TempDir temp;
      const fs::path dir = temp / "exp", victim = temp / "elsewhere";
      fs::create_directories(dir);
      if (victimExists) std::ofstream(victim) << "not the console's";
      fs::create_symlink(victim, dir / c.temporary);

      const fs::path written = c.write(dir);
      ASSERT_FALSE(written.empty()) << c.what;
      EXPECT_EQ(written.parent_path(), dir) << c.what;
      EXPECT_FALSE(fs::is_symlink(written)) << c.what;
      EXPECT_EQ(kv7::test::Slurp(written), "new\r\n") << c.what;
      EXPECT_EQ(fs::exists(victim), victimExists) << c.what;
      if (victimExists) {
        EXPECT_EQ(kv7::test::Slurp(victim), "not the console's") << c.what;
      }
    }
  }
}

}  // namespace

namespace {

TEST(HostExport, FieldsNeverBreakTheLine) {
  // Each dirty text and what its field must read instead, one character
  // for one so the fixed widths hold.
  const struct {
    const char* what;
    std::string kv7::store::BatchRow::*field;
    std::string text, fixed, range;
  } cases[] = {
      {"CR LF in the barcode", &kv7::store::BatchRow::codicebarre, "80\r\n12", "80  12", "80  12"},
      {"separator and quote in the delivery note", &kv7::store::BatchRow::bolla, "A,B\"C", "A;B'C", ""},
      {"NUL in the producer", &kv7::store::BatchRow::produttore, std::string("P\0" "1", 3), "P 1", "P 1"},
      {"separator kept, quote and CR replaced in the note", &kv7::store::BatchRow::note, "a\rb, \"c\"", "",
       "\"a b, 'c'\""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    auto row = Third("9");
    row.*c.field = c.text;
    const auto fields = FixedWidthFields(row, {});
    const std::size_t widths[] = {exportwidth::kBolla, exportwidth::kProgramma, exportwidth::kCodiceBarre,
                                  exportwidth::kProduttore};
    for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(fields[i].size(), widths[i]) << fields[i];
    const std::string fixed = EndOfBatchLine(row, {});
    if (!c.fixed.empty()) {
      EXPECT_NE(fixed.find(c.fixed), std::string::npos) << fixed;
    }
    const std::string range = RangeLine(row, std::nullopt, {});
    if (!c.range.empty()) {
      EXPECT_NE(range.find(c.range), std::string::npos) << range;
    }
    const std::pair<std::string, long> lines[] = {{fixed, 0}, {DailyLine(row, {}), 0}, {range, 2}};
    for (const auto& [line, quotes] : lines) {
      EXPECT_EQ(line.find_first_of(std::string("\r\n\0", 3)), line.size() - 2) << line;
      EXPECT_EQ(std::count(line.begin(), line.end(), '"'), quotes) << line;
    }
    EXPECT_EQ(std::count(fixed.begin(), fixed.end(), ','), 29);
    EXPECT_EQ(std::count(range.begin(), range.end(), ','), 130 + (c.field == &kv7::store::BatchRow::note ? 1 : 0));
  }
}

}  // namespace
