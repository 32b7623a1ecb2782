#include "support/FileText.h"
#include "supervisor/EventLog.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "support/TempDir.h"

using kv7::supervisor::EventLog;

namespace {

std::chrono::system_clock::time_point LocalMoment(int y, int mo, int d, int h, int mi, int s) {
  std::tm tm{};
  tm.tm_year = y - 1900;
  tm.tm_mon = mo - 1;
  tm.tm_mday = d;
  tm.tm_hour = h;
  tm.tm_min = mi;
  tm.tm_sec = s;
  tm.tm_isdst = -1;
  return std::chrono::system_clock::from_time_t(std::mktime(&tm));
}

using kv7::test::Slurp;

TEST(EventLog, LinesAreAppendedWithDateTimeAndNeverTruncated) {
  kv7::test::TempDir dir;
  auto file = dir / "kv2.log";
  std::ofstream(file, std::ios::binary) << "earlier entry\r\n";
  EventLog log(file, [] { return LocalMoment(2026, 3, 7, 9, 5, 2); });
  ASSERT_TRUE(log.WriteLog("start MB3\r\n"));
  ASSERT_TRUE(log.WriteLog("Stop Mb3\r\n"));
  EXPECT_EQ(Slurp(file), "earlier entry\r\n07/03/2026 09:05:02 | start MB3\r\n07/03/2026 09:05:02 | Stop Mb3\r\n");
}

TEST(EventLog, LongEntryIsCutAt255AndKeepsItsLineEnd) {
  auto when = LocalMoment(2026, 12, 31, 23, 59, 59);
  std::string exact(255 - 22 - 2, 'x');  // 22 characters of date, time and " | "
  EXPECT_EQ(EventLog::FormatLine(when, exact + "\r\n").size(), 255u);

  std::string line = EventLog::FormatLine(when, std::string(400, 'y') + "\r\n");
  ASSERT_EQ(line.size(), 255u);
  EXPECT_EQ(line.substr(0, 22), "31/12/2026 23:59:59 | ");
  EXPECT_EQ(line.substr(253), "\r\n");
  EXPECT_EQ(line.substr(22, 231), std::string(231, 'y'));

  // Text without a line end is cut plainly.
  EXPECT_EQ(EventLog::FormatLine(when, std::string(300, 'z')), "31/12/2026 23:59:59 | " + std::string(233, 'z'));
}

TEST(EventLog, UnwritableFileIsReportedAsFailure) {
  kv7::test::TempDir dir;
  EventLog log(dir / "missing-dir" / "kv2.log");
  EXPECT_FALSE(log.WriteLog("start MB3\r\n"));
}

}  // namespace
