// Printed pages as files of their own: names by kind, number and time, a
// page printed without a printer never replacing an earlier one, and the
// house copy of the end-of-batch ticket as the configuration asks.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <fstream>

#include "reports/PageOutput.h"
#include "support/FileText.h"
#include "support/TempDir.h"
#include "ui/QtTestApp.h"

namespace {

namespace fs = std::filesystem;
using namespace kv7::reports;

std::vector<fs::path> Files(const fs::path& folder) {
  std::vector<fs::path> out;
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(folder, ec)) out.push_back(e.path());
  std::sort(out.begin(), out.end());
  return out;
}

BatchPage Ticket(const char* title, const char* numero, const char* registration) {
  BatchPage page;
  page.title = title;
  page.numero = numero;
  page.registration = registration;
  return page;
}

TEST(PageFileStem, KindNumberAndLocalTime) {
  ::setenv("TZ", "UTC", 1);
  ::tzset();
  const std::time_t when = 1714558530;  // 2024-05-01 10:15:30 UTC
  ProgramPage program;
  program.number = "05";
  const struct {
    Page page;
    const char* stem;
  } cases[] = {
      {Ticket(kEndOfBatchTitle, "1234", "7"), "lavorazione-1234-20240501-101530"},
      {Ticket(kEndOfBatchTitle, "", "7"), "lavorazione-7-20240501-101530"},
      {Ticket(kBatchTitle, "12/B ../", "40"), "bolla-12B-20240501-101530"},
      {program, "programma-05-20240501-101530"},
      {InstallationPage{}, "installazione-20240501-101530"},
      {ProducerListPage{}, "produttori-20240501-101530"},
  };
  for (const auto& k : cases) EXPECT_EQ(PageFileStem(k.page, when), k.stem);
}

// Two tickets in a row without a printer: two files, the first as it was.
TEST(PrintPage, WithoutAPrinterEveryPageIsANewPdf) {
  kv7::test::TestApp();
  if (PrinterInstalled()) GTEST_SKIP() << "a printer is installed here: pages go to its dialog";
  kv7::test::TempDir work;
  const Page ticket = Ticket(kEndOfBatchTitle, "1234", "7");
  std::string error;
  ASSERT_TRUE(PrintPage(nullptr, ticket, {}, work.path(), &error)) << error;
  const auto first = Files(work / kPrintFolder);
  ASSERT_EQ(first.size(), 1u);
  const std::string firstBytes = kv7::test::Slurp(first[0]);
  EXPECT_EQ(firstBytes.substr(0, 5), "%PDF-");

  ASSERT_TRUE(PrintPage(nullptr, ticket, {}, work.path(), &error)) << error;
  auto both = Files(work / kPrintFolder);
  ASSERT_EQ(both.size(), 2u);
  EXPECT_EQ(kv7::test::Slurp(first[0]), firstBytes);
  std::erase(both, first[0]);
  ASSERT_EQ(both.size(), 1u) << "the first file is gone";
  EXPECT_EQ(both[0].filename().string().rfind("lavorazione-1234-", 0), 0u) << both[0];
}

// Same page, same second: the second file takes the next free name.
TEST(WriteNewPdf, ATakenNameIsNeverReplaced) {
  kv7::test::TestApp();
  kv7::test::TempDir work;
  std::ofstream(work / "bolla-9-20240501-101530.pdf") << "earlier ticket";
  ::setenv("TZ", "UTC", 1);
  ::tzset();
  const auto written = WriteNewPdf(Ticket(kBatchTitle, "9", ""), work.path(), {}, 1714558530);
  ASSERT_TRUE(written.has_value());
  EXPECT_EQ(written->filename(), "bolla-9-20240501-101530-2.pdf");
  EXPECT_EQ(kv7::test::Slurp(work / "bolla-9-20240501-101530.pdf"), "earlier ticket");
}

TEST(KeepTicketCopy, OnlyTheEndOfBatchTicketAndOnlyWhenAsked) {
  kv7::test::TestApp();
  const struct {
    const char* name;
    Page page;
    bool keep;
    std::size_t copies;
  } cases[] = {
      {"end of batch, copy on", Ticket(kEndOfBatchTitle, "55", "3"), true, 1},
      {"end of batch, copy off", Ticket(kEndOfBatchTitle, "55", "3"), false, 0},
      {"processing report", Ticket(kBatchTitle, "55", "3"), true, 0},
      {"program page", ProgramPage{}, true, 0},
  };
  for (const auto& k : cases) {
    kv7::test::TempDir work;
    std::string error;
    EXPECT_TRUE(KeepTicketCopy(k.page, k.keep, work.path(), {}, &error)) << k.name << ": " << error;
    const auto copies = Files(work / kTicketCopyFolder);
    ASSERT_EQ(copies.size(), k.copies) << k.name;
    if (k.copies == 1) {
      EXPECT_EQ(kv7::test::Slurp(copies[0]).substr(0, 5), "%PDF-") << k.name;
    }
  }
  // A copy that cannot be written is a failure with its reason.
  kv7::test::TempDir work;
  std::ofstream(work / kTicketCopyFolder) << "a file where the folder goes";
  std::string error;
  EXPECT_FALSE(KeepTicketCopy(Ticket(kEndOfBatchTitle, "55", "3"), true, work.path(), {}, &error));
  EXPECT_NE(error.find(kTicketCopyFolder), std::string::npos) << error;
}

}  // namespace
