#include <gtest/gtest.h>

#include "BarcodeReader.h"
#include "RejectModel.h"

using kv7::sim::BarcodeReader;
using kv7::sim::RejectModel;

TEST(RejectModel, RepliesHaveTheStationLayouts) {
  RejectModel r({});
  EXPECT_EQ(r.Execute("D", 0), "---3\r");
  EXPECT_EQ(r.Execute("P", 0),
            "---030050"
            "00\r")
      << "cycle off, state 0, 5 s unload";
  EXPECT_EQ(r.Execute("M", 0), "---\r");
  EXPECT_EQ(r.Execute("P", 0).substr(9, 2), "10");
  EXPECT_EQ(r.Execute("T", 0),
            "---"
            "00000000"
            "00000000\r");
  EXPECT_TRUE(r.Execute("X", 0).empty());
  EXPECT_TRUE(r.Execute("DD", 0).empty());
  EXPECT_EQ(RejectModel({.timeFactor = 10}).Execute("P", 0).substr(6, 3), "005")
      << "unload time in wall-clock tenths: 5 s of machine time pass in 0.5 s";
}

TEST(RejectModel, WeightGrowsOnlyWithTheCycleOnAndZeroes) {
  RejectModel r({});
  r.AddRejected(500);
  EXPECT_EQ(r.TotalGrams(), 0) << "a station with its cycle off collects nothing";
  r.Execute("M", 0);
  r.AddRejected(1234);
  EXPECT_EQ(r.Execute("T", 0),
            "---"
            "00001234"
            "00001234\r");
  r.Execute("Z", 0);
  EXPECT_EQ(r.TotalGrams(), 0);
  RejectModel kg({.decimals = 1});
  kg.Execute("M", 0);
  kg.AddRejected(12345);
  EXPECT_EQ(kg.Execute("T", 0).substr(11, 8), "00000123") << "tenths of a kilogram";
}

TEST(RejectModel, UnloadRunsThroughItsStatesAndEmptiesTheHopper) {
  RejectModel r({});
  r.Execute("M", 0);
  r.AddRejected(800);
  EXPECT_EQ(r.Execute("V", 1000), "---\r");
  std::string seen;
  for (double t = 1000; t <= 6100; t += 100) {
    const char s = r.Execute("P", t)[10];
    if (seen.empty() || seen.back() != s) seen += s;
  }
  EXPECT_EQ(seen, "123450");
  EXPECT_EQ(r.HopperGrams(), 0);
  EXPECT_EQ(r.TotalGrams(), 800) << "unloading empties the hopper, not the batch's reject total";
}

TEST(RejectModel, ErrorsOnDemandThenNormalReplies) {
  RejectModel r({});
  r.InjectError(5, 2);
  EXPECT_EQ(r.Execute("M", 0), "E05\r");
  EXPECT_EQ(r.Execute("D", 0), "E05\r");
  EXPECT_EQ(r.Execute("D", 0), "---3\r");
  EXPECT_FALSE(r.CycleOn()) << "a command answered with an error did nothing";
}

TEST(BarcodeReader, PeriodicCodesHaveValidCheckDigits) {
  BarcodeReader b;
  EXPECT_TRUE(b.AdvanceTo(100000).empty()) << "off by default";
  b.SetInterval(2000, 0);
  const std::string out = b.AdvanceTo(4500);
  ASSERT_EQ(out.size(), 2u * 15u);
  EXPECT_EQ(out.substr(13, 2), "\r\n");
  EXPECT_EQ(out[12], BarcodeReader::CheckDigit(out.substr(0, 12)));
  EXPECT_EQ(BarcodeReader::CheckDigit("400638133393"), '1');  // a known article number
  EXPECT_NE(out.substr(0, 13), out.substr(15, 13));
}
