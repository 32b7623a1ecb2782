// Cutting the streamed bytes into lines and decoding each mode's line at its
// fixed positions, without a port.
#include <gtest/gtest.h>

#include "link/LinkFixture.h"
#include "link/StreamRecords.h"

namespace kv7 {
namespace {

using Lines = std::vector<std::string>;

TEST(StreamLines, ChunksAreCutIntoWholeLinesOfTheirMode) {
  struct Case {
    const char* name;
    char marker;
    bool trace;
    std::vector<std::pair<std::string, Lines>> chunks;  // each chunk fed, the lines it completes
    std::string pending;
  };
  const std::vector<Case> cases = {
      {"two lines in one chunk",
       'N',
       false,
       {{"N100120015\rN200130027\r", {"N100120015\r", "N200130027\r"}}},
       ""},
      // The tail of a line whose start was lost, its CR, then a whole line;
      // noise in front of a marker goes with the line.
      {"broken line before a good one",
       'N',
       false,
       {{"0012\rN300140033\r", {"N300140033\r"}}, {"xyN4\r", {"N4\r"}}},
       ""},
      // No marker, no CR: waits; a short line is still a line; another
      // mode's line is noise here.
      {"lines across chunks",
       'P',
       false,
       {{"ab", {}}, {"P1000", {}}, {"312000199\rP2", {"P1000312000199\r"}}, {"\rN100010001\r", {"P2\r"}}},
       ""},
      {"part waits", 'P', false, {{"ab", {}}, {"P1000", {}}}, "abP1000"},
      {"part after a line waits", 'P', false, {{"P1000312000199\rP2", {"P1000312000199\r"}}}, "P2"},
      // Only the lead byte goes, even when the first frame comes in pieces.
      {"trace in pieces",
       'O',
       true,
       {{"\nO12", {}}, {"34\rO5\r", {"O1234\r", "O5\r"}}, {"O6\r", {"O6\r"}}},
       ""},
      {"trace whole", 'O', true, {{"\nO78\r", {"O78\r"}}}, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    StreamLineSplitter s(c.marker, c.trace);
    for (const auto& [chunk, lines] : c.chunks) EXPECT_EQ(s.Feed(chunk), lines) << chunk;
    EXPECT_EQ(s.Pending(), c.pending);
  }
  // Endless noise without CR does not grow the buffer.
  StreamLineSplitter s('N', false);
  for (int i = 0; i < 100; ++i) s.Feed(std::string(600, 'x'));
  EXPECT_LE(s.Pending().size(), StreamLineSplitter::kMaxPending);
  EXPECT_EQ(s.Feed("\rN1\r"), Lines{"N1\r"});
}

TEST(StreamDecoding, TraceFrameHeaderAnd101SamplesLastSlotEmpty) {
  const rcTracciaGrafica r = DecodeTracciaGrafica(test::TraceFrame(17, 20));
  EXPECT_EQ(r.Head, (decltype(r.Head){"0017", "0020", "0120"}));
  for (int k = 0; k < 101; ++k) EXPECT_EQ(r.Sample[static_cast<std::size_t>(k)], test::Digits4(20 + k)) << k;
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
  EXPECT_EQ(n.Linea + "|" + n.NumTazza + "|" + n.NumTazzaCopia + "|" + n.Valore, "3|0124|0124|00017");
  EXPECT_EQ(DecodeControlloTazzeVuote("N2").Valore, "");
  const rcCalibrazioneLinee p = DecodeCalibrazioneLinee("P5000710320198");
  EXPECT_EQ(p.Linea + "|" + p.NPass + "|" + p.Kappa + "|" + p.Peso, "5|0007|1032|0198");
  const rcCalibrazioneLinee shortP = DecodeCalibrazioneLinee("P1000210");
  EXPECT_EQ(shortP.Kappa + "|" + shortP.Peso, "10|");
}

TEST(StreamDecoding, MemorisedLineSelectsItsLineAndOthersCountAsLineOne) {
  MemorisedValues v;
  EXPECT_EQ(DecodeTestMemorizzato("S4012300450178", v), 4);
  EXPECT_EQ(v, (MemorisedValues{123, 45, 178}));
  for (const char* other : {"S7000100020003", "S0000100020003", "S"})
    EXPECT_EQ(DecodeTestMemorizzato(other, v), 1);
  EXPECT_EQ(v, MemorisedValues{});
  // A field that is not a number counts as 0; a blank-padded one converts.
  DecodeTestMemorizzato("S21x34  56-012", v);
  EXPECT_EQ(v, (MemorisedValues{0, 56, -12}));
  EXPECT_EQ(FormatTestMemorizzato(2, MemorisedValues{7, 1234, 12345}),
            (rcTestMemorizzato{"2", "   7", "1234", "12345"}));
}

TEST(StreamDecoding, EncoderStreamLineAndStartReplyPositions) {
  const EncoderValues v = DecodeTestEncoder("T0420099000100020003000400x5");
  EXPECT_EQ(v.value, (std::array<int, 7>{42, 99, 1, 2, 3, 4, 0}));
  const rcTestEncoder r = FormatTestEncoder(v);
  EXPECT_EQ(r.NGiro + "|" + r.Valore + "|" + r.Errore[0] + "|" + r.Errore[4], "  42|  99|   1|   0");
  // The start reply counts from its own first byte: "T" and a status
  // character come before the fields.
  const rcTestEncoder s = DecodeEncoderStartReply("T0042009900010002000300040005\r");
  EXPECT_EQ(s.NGiro + "|" + s.Valore + "|" + s.Errore[0] + "|" + s.Errore[4], "042|0099|0001|0005");
  EXPECT_EQ(DecodeEncoderStartReply("T\r").Errore[0], "");
}

}  // namespace
}  // namespace kv7
