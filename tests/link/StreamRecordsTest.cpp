// Cutting the streamed bytes into lines and decoding each mode's line at its
// fixed positions, without a port.
#include <gtest/gtest.h>

#include "link/StreamRecords.h"

namespace kv7 {
namespace {

std::string Digits4(int v) {
  char t[8];
  std::snprintf(t, sizeof t, "%04d", v);
  return t;
}

// A whole trace frame without its CR: cup, minimum, maximum, 101 samples.
std::string Frame(int cup, int firstSample) {
  std::string f = "O" + Digits4(cup) + Digits4(firstSample) + Digits4(firstSample + 100);
  for (int k = 0; k < 101; ++k) f += Digits4(firstSample + k);
  return f;
}

TEST(StreamLines, TwoLinesInOneChunkComeOutInOrder) {
  StreamLineSplitter s('N', false);
  auto lines = s.Feed("N100120015\rN200130027\r");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "N100120015\r");
  EXPECT_EQ(lines[1], "N200130027\r");
  EXPECT_EQ(s.Pending(), "");
}

TEST(StreamLines, BrokenLineBeforeAGoodOneYieldsOnlyTheGoodOne) {
  StreamLineSplitter s('N', false);
  // The tail of a line whose start was lost, its CR, then a whole line.
  auto lines = s.Feed("0012\rN300140033\r");
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], "N300140033\r");
  // Noise in front of a marker goes with the line.
  lines = s.Feed("xyN4\r");
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], "N4\r");
}

TEST(StreamLines, LinesSplitAcrossChunksAreJoinedAndPartsWaitForTheirCr) {
  StreamLineSplitter s('P', false);
  EXPECT_TRUE(s.Feed("ab").empty());  // no marker, no CR: waits
  EXPECT_TRUE(s.Feed("P1000").empty());
  EXPECT_EQ(s.Pending(), "abP1000");
  auto lines = s.Feed("312000199\rP2");
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], "P1000312000199\r");
  EXPECT_EQ(s.Pending(), "P2");
  // A short line is still a line; another mode's line is noise here.
  lines = s.Feed("\rN100010001\r");
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], "P2\r");
  EXPECT_EQ(s.Pending(), "");
}

TEST(StreamLines, TraceDropsOnlyTheLeadByteEvenWhenTheFirstFrameComesInPieces) {
  StreamLineSplitter s('O', true);
  EXPECT_TRUE(s.Feed("\nO12").empty());  // the lead byte goes, the rest waits
  auto lines = s.Feed("34\rO5\r");       // no byte lost inside the frame
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "O1234\r");
  EXPECT_EQ(lines[1], "O5\r");
  lines = s.Feed("O6\r");  // later chunks are whole
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], "O6\r");

  StreamLineSplitter whole('O', true);
  lines = whole.Feed("\nO78\r");
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], "O78\r");
}

TEST(StreamLines, EndlessNoiseWithoutCrDoesNotGrowTheBuffer) {
  StreamLineSplitter s('N', false);
  for (int i = 0; i < 100; ++i) s.Feed(std::string(600, 'x'));
  EXPECT_LE(s.Pending().size(), StreamLineSplitter::kMaxPending);
  auto lines = s.Feed("\rN1\r");
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], "N1\r");
}

TEST(StreamDecoding, TraceFrameHeaderAnd101SamplesLastSlotEmpty) {
  const rcTracciaGrafica r = DecodeTracciaGrafica(Frame(17, 20));
  EXPECT_EQ(r.Head[0], "0017");
  EXPECT_EQ(r.Head[1], "0020");
  EXPECT_EQ(r.Head[2], "0120");
  EXPECT_EQ(r.Sample[0], "0020");
  EXPECT_EQ(r.Sample[99], "0119");
  EXPECT_EQ(r.Sample[100], "0120");
  EXPECT_EQ(r.Sample[101], "");
  // A short frame: fields past its end are short or empty, never taken from
  // whatever follows the line.
  const rcTracciaGrafica s = DecodeTracciaGrafica("O0003000100200005000");
  EXPECT_EQ(s.Sample[0], "0005");
  EXPECT_EQ(s.Sample[1], "000");
  EXPECT_EQ(s.Sample[2], "");
}

TEST(StreamDecoding, EmptyCupAndCalibrationFieldsAtTheirPositions) {
  const rcCOntrolloTazzeVuote n = DecodeControlloTazzeVuote("N3012400017");
  EXPECT_EQ(n.Linea, "3");
  EXPECT_EQ(n.NumTazza, "0124");
  EXPECT_EQ(n.NumTazzaCopia, "0124");
  EXPECT_EQ(n.Valore, "00017");  // the rest of the line
  EXPECT_EQ(DecodeControlloTazzeVuote("N2").Valore, "");

  const rcCalibrazioneLinee p = DecodeCalibrazioneLinee("P5000710320198");
  EXPECT_EQ(p.Linea, "5");
  EXPECT_EQ(p.NPass, "0007");
  EXPECT_EQ(p.Kappa, "1032");
  EXPECT_EQ(p.Peso, "0198");
  const rcCalibrazioneLinee shortP = DecodeCalibrazioneLinee("P1000210");
  EXPECT_EQ(shortP.Kappa, "10");
  EXPECT_EQ(shortP.Peso, "");
}

TEST(StreamDecoding, MemorisedLineSelectsItsLineAndOthersCountAsLineOne) {
  MemorisedValues v;
  EXPECT_EQ(DecodeTestMemorizzato("S4012300450178", v), 4);
  EXPECT_EQ(v, (MemorisedValues{123, 45, 178}));
  EXPECT_EQ(DecodeTestMemorizzato("S7000100020003", v), 1);
  EXPECT_EQ(DecodeTestMemorizzato("S0000100020003", v), 1);
  EXPECT_EQ(DecodeTestMemorizzato("S", v), 1);
  EXPECT_EQ(v, MemorisedValues{});
  // A field that is not a number counts as 0; a blank-padded one converts.
  DecodeTestMemorizzato("S21x34  56-012", v);
  EXPECT_EQ(v, (MemorisedValues{0, 56, -12}));

  const rcTestMemorizzato r = FormatTestMemorizzato(2, MemorisedValues{7, 1234, 12345});
  EXPECT_EQ(r.Linea, "2");
  EXPECT_EQ(r.NumTazza, "   7");
  EXPECT_EQ(r.Tara, "1234");
  EXPECT_EQ(r.Netto, "12345");
}

TEST(StreamDecoding, EncoderStreamLineAndStartReplyPositions) {
  const EncoderValues v = DecodeTestEncoder("T0420099000100020003000400x5");
  EXPECT_EQ(v.value, (std::array<int, 7>{42, 99, 1, 2, 3, 4, 0}));
  const rcTestEncoder r = FormatTestEncoder(v);
  EXPECT_EQ(r.NGiro, "  42");
  EXPECT_EQ(r.Valore, "  99");
  EXPECT_EQ(r.Errore[0], "   1");
  EXPECT_EQ(r.Errore[4], "   0");

  // The start reply counts from its own first byte: "T" and a status
  // character come before the fields.
  const rcTestEncoder s = DecodeEncoderStartReply("T0042009900010002000300040005\r");
  EXPECT_EQ(s.NGiro, "042");
  EXPECT_EQ(s.Valore, "0099");
  EXPECT_EQ(s.Errore[0], "0001");
  EXPECT_EQ(s.Errore[4], "0005");
  EXPECT_EQ(DecodeEncoderStartReply("T\r").Errore[0], "");
}

}  // namespace
}  // namespace kv7
