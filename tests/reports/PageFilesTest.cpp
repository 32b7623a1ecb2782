// Printed pages as files of their own: a page printed without a printer
// never replaces an earlier one, and the house copy of the end-of-batch
// ticket is kept as the configuration asks.

#include <gtest/gtest.h>

#include <algorithm>

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
}

}  // namespace
