#pragma once
// The records of the controller's streaming service modes and the decoding
// of one streamed line into them, plus the cutting of the received bytes
// into lines. No threads here: StreamReceiver runs these on its own thread.
//
// Streamed lines start with the mode's marker letter and end with CR. Field
// positions below count from the marker (index 0); a field that runs past
// the end of the line comes out short or empty, never from the next line.

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace kv7 {

enum class StreamMode { Trace, EmptyCups, Calibration, Memorised, Encoder };

// The marker letter that starts the mode's lines: "O", "N", "P", "S", "T".
char StreamMarker(StreamMode mode);

// One "O" trace frame: marker, 3 x 4 header characters, 101 x 4 sample
// characters, CR (418 bytes).
struct rcTracciaGrafica {
  static constexpr std::size_t kHeads = 3;
  static constexpr std::size_t kSampleSlots = 102;
  static constexpr std::size_t kSamples = 101;   // filled slots; the last stays empty
  std::array<std::string, kHeads> Head;          // cup number, minimum, maximum
  std::array<std::string, kSampleSlots> Sample;  // Sample[0] is sample 1

  bool operator==(const rcTracciaGrafica&) const = default;
};

// One "N" line: line digit, cup number (twice), value (the rest of the line).
struct rcCOntrolloTazzeVuote {
  std::string Linea;
  std::string NumTazza;
  std::string NumTazzaCopia;  // the cup number again; nothing reads it
  std::string Valore;

  bool operator==(const rcCOntrolloTazzeVuote&) const = default;
};

// One "P" line: line digit, passes measured, new kappa, measured weight.
struct rcCalibrazioneLinee {
  std::string Linea;
  std::string NPass;
  std::string Kappa;
  std::string Peso;

  bool operator==(const rcCalibrazioneLinee&) const = default;
};

// The latest "S" values of one line, each right-aligned in 4 characters.
// All empty when the test is not running.
struct rcTestMemorizzato {
  std::string Linea;  // "1".."6"
  std::string NumTazza;
  std::string Tara;
  std::string Netto;

  bool operator==(const rcTestMemorizzato&) const = default;
};

// Encoder test values: turn number, value and the last five errors, newest
// first. From a stream read they are right-aligned in 4 characters; from the
// "T" start reply they are the reply's characters as received.
struct rcTestEncoder {
  static constexpr std::size_t kErrors = 5;
  std::string NGiro;
  std::string Valore;
  std::array<std::string, kErrors> Errore;

  bool operator==(const rcTestEncoder&) const = default;
};

// The values the two latest-value modes keep, as numbers.
struct MemorisedValues {
  int numTazza = 0, tara = 0, netto = 0;
  bool operator==(const MemorisedValues&) const = default;
};
struct EncoderValues {
  std::array<int, 7> value{};  // turn, value, errors newest first
  bool operator==(const EncoderValues&) const = default;
};

// Decoding of one line given without its CR, marker at index 0.
rcTracciaGrafica DecodeTracciaGrafica(const std::string& line);
rcCOntrolloTazzeVuote DecodeControlloTazzeVuote(const std::string& line);
rcCalibrazioneLinee DecodeCalibrazioneLinee(const std::string& line);
// The line selected by the character after the marker: "1".."6", any other
// character counts as line 1. Returns 1..6.
int DecodeTestMemorizzato(const std::string& line, MemorisedValues& values);
EncoderValues DecodeTestEncoder(const std::string& line);
// The seven fields of the "T" start reply, cut at positions 3-5, 6-9, ...,
// 26-29 counted from the first byte of the reply.
rcTestEncoder DecodeEncoderStartReply(const std::string& reply);

// Formatting for the read operations.
rcTestMemorizzato FormatTestMemorizzato(int line, const MemorisedValues& values);
rcTestEncoder FormatTestEncoder(const EncoderValues& values);
// Right-aligned in 4 characters with blanks; wider numbers keep all digits.
std::string RightAligned4(long long value);

// Cuts received bytes into lines of one mode. A line runs from the first
// marker letter to the first CR after it; a CR before any marker ends noise,
// which is dropped with it; bytes before a marker with no CR after them wait
// for more data.
class StreamLineSplitter {
 public:
  // Bytes with no CR for this long are noise: they are dropped so a line
  // that never ends cannot grow the buffer without bound.
  static constexpr std::size_t kMaxPending = 4096;

  // `skipFirstByte`: the first byte received is dropped (the lead byte the
  // board sends before its first trace frame). It is the first byte of the
  // first chunk whatever that chunk holds: waiting for a chunk with a CR
  // would cut a byte out of the middle of a first frame that arrives in
  // pieces.
  StreamLineSplitter(char marker, bool skipFirstByte);

  // Adds one chunk as read from the port; returns the complete lines in
  // order, each from the marker up to and including its CR.
  std::vector<std::string> Feed(const std::string& chunk);
  const std::string& Pending() const { return buffer_; }

 private:
  char marker_;
  bool skipFirstByte_;
  std::string buffer_;
};

}  // namespace kv7
