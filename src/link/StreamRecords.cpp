#include "link/StreamRecords.h"

#include <cstdio>

#include "link/BoardSettings.h"
#include "link/MachineStatus.h"

namespace kv7 {
namespace {

// CutField counts from 1, so with the marker at position 1 the character k
// places after the marker is at position k + 1.
std::string AfterMarker(const std::string& line, std::size_t offset, std::size_t length) {
  return CutField(line, offset + 1, length);
}

// A field that is not a whole number counts as 0, like every number the
// console reads from a board.
int Number(const std::string& line, std::size_t offset, std::size_t length) {
  return static_cast<int>(TextToNumber(AfterMarker(line, offset, length)));
}

}  // namespace

char StreamMarker(StreamMode mode) {
  switch (mode) {
    case StreamMode::Trace:
      return 'O';
    case StreamMode::EmptyCups:
      return 'N';
    case StreamMode::Calibration:
      return 'P';
    case StreamMode::Memorised:
      return 'S';
    case StreamMode::Encoder:
      return 'T';
  }
  return '\0';
}

rcTracciaGrafica DecodeTracciaGrafica(const std::string& line) {
  rcTracciaGrafica r;
  for (std::size_t h = 0; h < rcTracciaGrafica::kHeads; ++h) r.Head[h] = AfterMarker(line, 1 + 4 * h, 4);
  for (std::size_t k = 0; k < rcTracciaGrafica::kSamples; ++k) r.Sample[k] = AfterMarker(line, 13 + 4 * k, 4);
  return r;
}

rcCOntrolloTazzeVuote DecodeControlloTazzeVuote(const std::string& line) {
  rcCOntrolloTazzeVuote r;
  r.Linea = AfterMarker(line, 1, 1);
  r.NumTazza = AfterMarker(line, 2, 4);
  r.NumTazzaCopia = r.NumTazza;
  r.Valore = line.size() > 6 ? line.substr(6) : std::string();
  return r;
}

rcCalibrazioneLinee DecodeCalibrazioneLinee(const std::string& line) {
  rcCalibrazioneLinee r;
  r.Linea = AfterMarker(line, 1, 1);
  r.NPass = AfterMarker(line, 2, 4);
  r.Kappa = AfterMarker(line, 6, 4);
  r.Peso = AfterMarker(line, 10, 4);
  return r;
}

int DecodeTestMemorizzato(const std::string& line, MemorisedValues& values) {
  const char selector = line.size() > 1 ? line[1] : '\0';
  const int lineNo = selector >= '1' && selector <= '6' ? selector - '0' : 1;
  values.numTazza = Number(line, 2, 4);
  values.tara = Number(line, 6, 4);
  values.netto = Number(line, 10, 4);
  return lineNo;
}

EncoderValues DecodeTestEncoder(const std::string& line) {
  EncoderValues v;
  v.value[0] = Number(line, 1, 3);
  for (std::size_t k = 1; k < v.value.size(); ++k) v.value[k] = Number(line, 4 * k, 4);
  return v;
}

rcTestEncoder DecodeEncoderStartReply(const std::string& reply) {
  rcTestEncoder r;
  r.NGiro = CutField(reply, 3, 3);
  r.Valore = CutField(reply, 6, 4);
  for (std::size_t e = 0; e < rcTestEncoder::kErrors; ++e) r.Errore[e] = CutField(reply, 10 + 4 * e, 4);
  return r;
}

std::string RightAligned4(long long value) {
  char text[24];
  std::snprintf(text, sizeof text, "%4lld", value);
  return text;
}

rcTestMemorizzato FormatTestMemorizzato(int line, const MemorisedValues& values) {
  rcTestMemorizzato r;
  r.Linea = std::to_string(line);
  r.NumTazza = RightAligned4(values.numTazza);
  r.Tara = RightAligned4(values.tara);
  r.Netto = RightAligned4(values.netto);
  return r;
}

rcTestEncoder FormatTestEncoder(const EncoderValues& values) {
  rcTestEncoder r;
  r.NGiro = RightAligned4(values.value[0]);
  r.Valore = RightAligned4(values.value[1]);
  for (std::size_t e = 0; e < rcTestEncoder::kErrors; ++e) r.Errore[e] = RightAligned4(values.value[2 + e]);
  return r;
}

StreamLineSplitter::StreamLineSplitter(char marker, bool skipFirstByte)
    : marker_(marker), skipFirstByte_(skipFirstByte) {}

std::vector<std::string> StreamLineSplitter::Feed(const std::string& chunk) {
  std::vector<std::string> lines;
  if (skipFirstByte_ && !chunk.empty()) {
    skipFirstByte_ = false;
    buffer_.append(chunk, 1);
  } else {
    buffer_ += chunk;
  }
  for (;;) {
    const std::size_t cr = buffer_.find('\r');
    if (cr == std::string::npos) break;
    const std::size_t marker = buffer_.find(marker_);
    if (marker < cr) lines.push_back(buffer_.substr(marker, cr - marker + 1));
    // Whatever came before the marker, or a line with no marker at all,
    // is noise and goes with its CR.
    buffer_.erase(0, cr + 1);
  }
  if (buffer_.size() > kMaxPending) buffer_.clear();
  return lines;
}

}  // namespace kv7
