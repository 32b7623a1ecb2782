// The technician's worked examples that need no board (the windows' own are
// in ServiceWindowsTest): weights shown, empty-cup limits, kappas for the
// board, the tare table request, the trace coverage, series and frame file.

#include <gtest/gtest.h>

#include "link/cMB90.h"
#include "service/ServiceRules.h"
#include "service/TraceView.h"

namespace kv7::service {
namespace {

TEST(ServiceRules, WeightsLimitsAndTheTareRequest) {
  EXPECT_EQ(ShownWeight(" 123", 1), " 123");
  EXPECT_EQ(ShownWeight(" 123", 3), "0369");
  EXPECT_EQ(ShownWeight("bad", 2), "0000");
  EXPECT_EQ(EmptyCupLimitText(10, 2), "020");
  EXPECT_EQ(EmptyCupBoardLimit("020", 2), "010");
  EXPECT_EQ(EmptyCupLimitText(10, 0), "010");
  EXPECT_EQ(EmptyCupBoardLimit("015", 0), "015");
  EXPECT_EQ(MagnetTestData(true, 7), "107");
  EXPECT_EQ(MagnetTestData(false, 12), "212");

  EXPECT_EQ(CalibrationConstants({1130, 700, 998, 1000, 5, 1010}), "113007000998100000051010");

  const TareRequest r = TareTableRequest(300);
  EXPECT_EQ(r.argument, "001300");
  EXPECT_NEAR(std::chrono::duration<double>(cMB90::kTick * r.timeoutTicks).count(), 38.9, 0.05);
  EXPECT_EQ(TareTableRequest(511).timeoutTicks, 65535);  // the longest wait the link counts
}

TraceFrame Frame(int cup, int level) {
  TraceFrame f;
  f.head = {ZeroFill(cup, 4), "0010", "0900"};
  for (int i = 1; i <= 101; ++i) f.samples.push_back(ZeroFill(level + i, 4));
  return f;
}

TEST(TraceView, CoverageSeriesAndGross) {
  TraceView view;
  view.Reset(120);
  for (int cup = 1; cup <= 30; ++cup) view.Take(Frame(cup, 0));
  view.Take(Frame(7, 0));
  view.Take(Frame(400, 0));  // not on this chain
  EXPECT_EQ(view.Coverage(), "  30 /  120");
  view.ClearCups();
  EXPECT_EQ(view.Coverage(), "   0 /  120");

  // Sample k is k: point i shows sample i + offset - 1, wrapped round the 100.
  const TraceView::Series s = view.Draw(20, 80, 5);
  EXPECT_EQ(s.weighed[19], 24);
  EXPECT_EQ(s.weighed[18], 0);
  EXPECT_EQ(s.rest[19], 24);  // both ends belong to both series
  EXPECT_EQ(s.rest[20], 0);
  EXPECT_EQ(s.rest[99], 4);
  EXPECT_EQ(view.Draw(20, 80, -30).rest[0], 70);
  EXPECT_EQ(view.Draw(20, 80, 0).rest[0], 1);
  EXPECT_EQ(view.Gross(1, 4), 3);  // (1 + 2 + 3 + 4) / 4 rounded
}

TEST(TraceView, FrameFileBlock) {
  const std::string block = FrameFileBlock(Frame(17, 0));
  EXPECT_EQ(block.substr(0, 6), "T=17\r\n");
  EXPECT_EQ(block.substr(6, 6), "1,2,3,");
  EXPECT_EQ(block.substr(block.size() - 9), ",99,100\r\n");
  EXPECT_EQ(FrameFileName(4), "ondal4.osc");
}

}  // namespace
}  // namespace kv7::service
