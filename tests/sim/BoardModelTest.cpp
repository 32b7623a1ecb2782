#include <gtest/gtest.h>

#include <numeric>

#include "BoardModel.h"
#include "sim/SimFixtures.h"

using kv7::sim::BoardModel;
using kv7::sim::WeightDistribution;
using namespace kv7::simtest;

namespace {

BoardModel::Settings Quiet(WeightDistribution w = WeightDistribution::Fixed(150)) {
  BoardModel::Settings s;
  s.weights = w;
  s.rejectShare = 0;
  return s;
}

void LoadProgram(BoardModel& b, int program, double now, const int (&limits)[16] = kEvenLimits) {
  for (int l = 0; l < 6; ++l) b.Execute(ProgramBlock(program, l, limits), now);
}

std::uint64_t SumBlock(const std::string& reply) {
  std::uint64_t sum = 0;
  for (int k = 0; k < 15; ++k) sum += std::stoull(reply.substr(8 * static_cast<std::size_t>(k), 8));
  return sum;
}

}  // namespace

TEST(BoardModelStates, PowerUpWaitsForInstallationThenRunsToProcessingWithAProgram) {
  BoardModel b(Quiet());
  EXPECT_EQ(b.Execute("A0", 0)[0], '0');
  b.AdvanceTo(10000);
  EXPECT_EQ(b.State(), '0') << "no installation yet";
  LoadProgram(b, 7, 10000);
  EXPECT_EQ(b.State(), '0') << "a program alone does not initialise the board";
  b.Execute(InstallCommand(), 10000);
  // Installation with a program kept: 2 at once, 3 after the encoder wait, 4 after the tare.
  for (auto [after, state] : {std::pair{0, '2'}, {1499, '2'}, {1500, '3'}, {3500, '4'}}) {
    b.AdvanceTo(10000 + after);
    EXPECT_EQ(b.State(), state) << after;
  }
  EXPECT_EQ(b.ProgramNumber(), 7);
  EXPECT_EQ(b.Execute("A1", 10000 + 3500).substr(0, 6), "407100");
  EXPECT_TRUE(b.Alarm());
}

TEST(BoardModelStates, StandByWithoutProgramUntilBlocksArrive) {
  BoardModel b(Quiet());
  b.Execute(InstallCommand(), 0);
  b.AdvanceTo(60000);
  EXPECT_EQ(b.State(), '1');
  EXPECT_EQ(b.FruitCount(), 0u);
  LoadProgram(b, 3, 60000);
  EXPECT_EQ(b.State(), '2');
  b.AdvanceTo(63500);
  EXPECT_EQ(b.State(), '4');
}

TEST(BoardModelStates, PowerCycleLosesInstallationAndProgramButKeepsCounts) {
  BoardModel b(Quiet());
  b.Execute(InstallCommand(), 0);
  LoadProgram(b, 5, 0);
  b.AdvanceTo(13500);  // 10 s of processing at 10 cups/s on 2 lines
  auto before = b.LineTotal(0);
  EXPECT_EQ(before, 100u * 150u);
  b.PowerCycle(13500);
  EXPECT_EQ(b.State(), '0');
  EXPECT_EQ(b.ProgramNumber(), 0);
  EXPECT_FALSE(b.Install().received);
  EXPECT_EQ(b.LineTotal(0), before);
  b.AdvanceTo(30000);
  EXPECT_EQ(b.LineTotal(0), before) << "no fruit graded while switched off";
  b.Execute(InstallCommand(), 30000);
  b.AdvanceTo(40000);
  EXPECT_EQ(b.State(), '1') << "the lost program must be downloaded again";
}

TEST(BoardModelStates, ForcedStatesHoldOrRunOn) {
  BoardModel b(Quiet());
  b.Execute(InstallCommand(), 0);
  LoadProgram(b, 1, 0);
  b.AdvanceTo(5000);
  b.ForceState(5, 5000);
  b.AdvanceTo(9000);
  EXPECT_EQ(b.State(), '5');
  auto frozen = b.LineTotal(0);
  b.AdvanceTo(12000);
  EXPECT_EQ(b.LineTotal(0), frozen) << "no fruit at the end of a batch";
  b.Execute("V1", 12000);
  EXPECT_EQ(b.State(), '4') << "zeroing the totals starts the next batch";
  b.ForceState(2, 12000);
  b.AdvanceTo(15500);
  EXPECT_EQ(b.State(), '4');
}

TEST(BoardModelGrading, ClassesFollowTheLineLimitsWithSharedBoundariesInTheUpperClass) {
  kv7::sim::LineProgram p;
  p.loaded = true;
  for (int k = 0; k < 16; ++k) p.limits[k] = kEvenLimits[k];
  // A program using five classes: the unused limits are zero and catch nothing.
  kv7::sim::LineProgram five = p, none;
  for (int k = 6; k < 16; ++k) five.limits[k] = 0;
  for (auto [program, grams, cls] : {std::tuple{&p, 99, -1},
                                     {&p, 100, 0},
                                     {&p, 119, 0},
                                     {&p, 120, 1},
                                     {&p, 399, 14},
                                     {&p, 400, -1},
                                     {&five, 205, -1},
                                     {&five, 199, 4},
                                     {&none, 150, -1}})
    EXPECT_EQ(BoardModel::Classify(*program, grams), cls) << grams;
}

TEST(BoardModelGrading, EachLineUsesItsOwnBlockAndTotalsReachTheVReplies) {
  BoardModel b(Quiet(WeightDistribution::Fixed(250)));
  b.Execute(InstallCommand(2), 0);
  int shifted[16];
  for (int k = 0; k < 16; ++k) shifted[k] = 200 + 10 * k;  // 250 falls in class 6 here
  b.Execute(ProgramBlock(4, 0, kEvenLimits), 0);
  b.Execute(ProgramBlock(4, 1, shifted), 0);
  b.AdvanceTo(3500 + 2000);  // 2 s of processing: 20 cups per line
  std::string v1 = b.Execute("V20", 5500), v2 = b.Execute("V21", 5500);
  ASSERT_EQ(v1.size(), 121u);
  EXPECT_EQ(v1.back(), '\r');
  EXPECT_EQ(v1.substr(7 * 8, 8), "00005000") << "line 1: 250 g in class 8 (240..260)";
  EXPECT_EQ(v2.substr(5 * 8, 8), "00005000") << "line 2: 250 g in class 6 (250..260)";
  EXPECT_EQ(SumBlock(b.Execute("V22", 5500)), 0u) << "line 3 is not installed";
  b.Execute("V1", 5500);
  EXPECT_EQ(SumBlock(b.Execute("V20", 5500)), 0u);
}

TEST(BoardModelGrading, VBlocksAddUpToTheModelTotalsAndEveryFruitIsAccounted) {
  auto s = Quiet(WeightDistribution::Normal(220, 90));
  s.rejectShare = 0.1;
  s.seed = 99;
  BoardModel b(s);
  b.Execute(InstallCommand(6), 0);
  LoadProgram(b, 12, 0);
  b.AdvanceTo(3500 + 30000);
  std::uint64_t graded = 0, unclassed = 0;
  for (int l = 0; l < 6; ++l) {
    std::string block = b.Execute("V2" + std::to_string(l), 33500);
    EXPECT_EQ(SumBlock(block), b.LineTotal(l)) << "line " << l + 1;
    for (int c = 0; c < 15; ++c)
      EXPECT_EQ(std::stoull(block.substr(8 * static_cast<std::size_t>(c), 8)), b.ClassTotals()[l][c]);
    graded += b.LineTotal(l);
    unclassed += b.Unclassed()[l];
  }
  EXPECT_EQ(b.FruitCount(), 6u * 300u);
  EXPECT_GT(unclassed, 0u) << "a wide spread leaves fruit outside 100..400 g";
  EXPECT_GT(b.RejectedGramsTotal(), 0u);
  EXPECT_EQ(b.TakeRejectedGrams(), static_cast<std::int64_t>(b.RejectedGramsTotal()));
  EXPECT_EQ(b.TakeRejectedGrams(), 0);
  EXPECT_GT(graded, 0u);
}

TEST(BoardModelGrading, BadBlocksAreIgnored) {
  BoardModel b(Quiet());
  const std::string good = ProgramBlock(7, 0, kEvenLimits);
  b.Execute(good.substr(0, good.size() - 1), 0);       // 50 characters
  b.Execute(std::string(good).replace(3, 1, "6"), 0);  // line index 6 does not exist
  b.Execute(std::string(good).replace(10, 1, "x"), 0);
  EXPECT_EQ(b.ProgramNumber(), 0);
  EXPECT_FALSE(b.Program(0).loaded);
  EXPECT_EQ(b.IgnoredCommands(), 3u);
}

TEST(BoardModelReplies, StatusLayoutsShortAndLong) {
  auto s = Quiet();
  s.cupRate = 8.7;
  BoardModel b(s);
  b.Execute(InstallCommand(1), 0);
  LoadProgram(b, 12, 0);
  b.AdvanceTo(3500 + 1000);
  const std::string a = b.Execute("A0", 4500);
  ASSERT_EQ(a.size(), 15u);
  EXPECT_EQ(a.substr(0, 6), "412087");
  EXPECT_EQ(a.substr(7, 3), "008") << "8 cups after 1 s at 8.7 cups/s";
  b.SetPhotocells(true);
  std::string l = b.Execute("A0", 4500);
  ASSERT_EQ(l.size(), 30u);
  EXPECT_GT(static_cast<unsigned char>(l[14]), 13u);
  EXPECT_EQ(l.substr(0, 14), a.substr(0, 14));
}

TEST(BoardModelReplies, IdentificationRotationAndSettings) {
  auto s = Quiet();
  BoardModel b(s);
  EXPECT_EQ(b.Execute(">0", 0), "2.13\r");
  EXPECT_EQ(b.Execute(">1", 0), "12\r") << "type 3: first digit 1, second 2";
  EXPECT_EQ(b.Execute("-1", 0).back(), '\r');
  // The rotation is the last byte before the CR.
  const auto rotation = [&] { return b.Execute("-2", 0).substr(b.Execute("-2", 0).size() - 2); };
  EXPECT_EQ(rotation(), "1\r");
  b.Execute("-0", 0);
  EXPECT_EQ(rotation(), "0\r");
  EXPECT_TRUE(b.Execute("-3015000940"
                        "0",
                        0)
                  .empty());
  EXPECT_EQ(b.TareSettings(), (std::array<int, 4>{15, 0, 94, 0}));
  b.Execute("-41", 0);
  EXPECT_EQ(b.MagnetType(), 1);
  b.Execute("(100010201030104010501060", 0);
  EXPECT_EQ(b.Kappas()[5], 1060);
  b.Execute("U107", 0);
  EXPECT_EQ(b.MagnetTest(), "dynamic:07");
  b.Execute("U000", 0);
  EXPECT_EQ(b.MagnetTest(), "off");
  auto t0 = s;
  t0.type = 0;
  EXPECT_EQ(BoardModel(t0).Execute(">1", 0), "00\r");
}

TEST(BoardModelReplies, ValueRequestsAndTareTable) {
  BoardModel b(Quiet());
  b.Execute(InstallCommand(2), 0);
  LoadProgram(b, 1, 0);
  b.AdvanceTo(5000);
  std::string r = b.Execute("R", 5000);
  ASSERT_EQ(r.size(), 26u);
  EXPECT_EQ(r.substr(0, 9), "R01500150") << "memorised net weights of lines 1 and 2";
  EXPECT_EQ(r.substr(9, 16), "0000000000000000");
  std::string q = b.Execute("Q", 5000);
  ASSERT_EQ(q.size(), 26u);
  EXPECT_EQ(q[0], 'Q');
  EXPECT_GT(std::stoi(q.substr(1, 4)), 150) << "the live reading includes the cup";
  std::string t = b.Execute("R001003", 5000);
  ASSERT_EQ(t.size(), 1u + 6 + 72 + 1);
  EXPECT_EQ(t.substr(0, 7), "R001003");
  // The same cup and line always weighs the same empty.
  EXPECT_EQ(b.Execute("R002001", 5000).substr(7, 24), t.substr(7 + 24, 24));
}

TEST(BoardModelStreams, EachModeStreamsItsLinesUntilAborted) {
  BoardModel b(Quiet());
  b.Execute(InstallCommand(2), 0);
  EXPECT_EQ(b.Execute("S", 0), "S\r");
  b.AdvanceTo(1000);
  std::string out = b.TakeStreamOutput();
  EXPECT_EQ(out.size(), 5u * 2u * 15u) << "one 14-character line per line every 200 ms";
  EXPECT_EQ(out.substr(0, 2), "S1");
  EXPECT_TRUE(b.Execute("A0", 1000).empty()) << "a streaming board listens only for the abort byte";
  b.Abort();
  b.AdvanceTo(3000);
  EXPECT_TRUE(b.TakeStreamOutput().empty());

  std::string t = b.Execute("T", 3000);
  ASSERT_EQ(t.size(), 30u);
  EXPECT_EQ(t[0], 'T');
  b.AdvanceTo(3200);
  std::string line = b.TakeStreamOutput();
  ASSERT_EQ(line.size(), 29u);
  EXPECT_EQ(line.substr(1, 3), t.substr(2, 3)) << "same turn number in start reply and stream";
  b.Abort();

  EXPECT_TRUE(b.Execute("O1000", 3200).empty());
  b.AdvanceTo(3400);
  std::string frame = b.TakeStreamOutput();
  ASSERT_EQ(frame.size(), 1u + 418u) << "lead byte, then one whole frame";
  EXPECT_EQ(frame.substr(0, 2), "\nO");
  b.AdvanceTo(3600);
  EXPECT_EQ(b.TakeStreamOutput().size(), 418u);
  b.Abort();
  EXPECT_TRUE(b.Execute("O2999", 3600).empty());
  b.AdvanceTo(5000);
  EXPECT_TRUE(b.TakeStreamOutput().empty()) << "no cup reaches a 999 g trigger";
  b.Abort();

  b.Execute("P200", 5000);
  b.AdvanceTo(5400);
  std::string p = b.TakeStreamOutput();
  ASSERT_EQ(p.size(), 2u * 2u * 15u);
  EXPECT_EQ(p.substr(0, 6), "P10001");
  EXPECT_EQ(p.substr(30, 6), "P10002") << "passes count up";
}
