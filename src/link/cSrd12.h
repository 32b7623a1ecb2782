#pragma once
// The reject-station board: six one-letter commands without echo, each
// answered by one CR-terminated line. "---" + data acknowledges a command,
// "E" + two digits reports an error code, which sets that code's flag for
// the rest of the run. Results are 1 (or the decimals for "D") on success
// and -1 otherwise. Used from one thread only (the console's); reports no
// messages itself: the callers know what to tell the operator.

#include <bitset>
#include <cstdint>
#include <string>
#include <vector>

#include "link/cPort.h"

namespace kv7::store {
class ConfigStore;
}

namespace kv7 {

// "T" reply: the first value and the reject weight, decimals kept
// ("0001.234" is 1.234; the board's decimals say how to scale them).
struct RejectWeights {
  double first = 0;
  double reject = 0;
};

// "P" reply: two times in tenths of a second, the cycle-on flag (0/1) and
// the station state (0..9).
struct RejectTimes {
  double time1 = 0;
  double time2 = 0;
  int cycleOn = 0;
  int state = 0;
};

class cSrd12 {
 public:
  static constexpr std::uint32_t kBaud = 9600;
  static constexpr int kErrorCodes = 100;  // codes 00..99

  // Port number (porta_scarti) resolved through the store's port map.
  cSrd12(std::uint8_t portNumber, const store::ConfigStore& portMap);
  // A device path opened as it is (kv7ctl --device, tests).
  explicit cSrd12(std::string devicePath);
  cSrd12(const cSrd12&) = delete;
  cSrd12& operator=(const cSrd12&) = delete;

  bool Open() { return port_.Open(); }
  void Close() { port_.Close(); }
  bool IsOpen() const { return port_.IsOpen(); }
  const std::string& DevicePath() const { return port_.DevicePath(); }

  // "D": the number of decimals of the board's weights (0..9), also kept
  // for Decimals(); -1 on failure (the kept value is left as it was).
  int ReadDecimals();
  // "V": unload the station.
  int Unload();
  // "Z": zero the station's counters.
  int ZeroCounters();
  // "M": switch the weighing cycle on.
  int CycleOn();
  // "T": 1 and `out` filled; -1 leaves `out` untouched.
  int ReadWeights(RejectWeights& out);
  // "P": 1 and `out` filled; -1 leaves `out` untouched.
  int ReadTimes(RejectTimes& out);

  int Decimals() const { return decimals_; }
  // False for codes outside 00..99.
  bool ErrorFlag(int code) const;
  // One flag per code 00..99, as the error map window takes them.
  const std::bitset<kErrorCodes>& ErrorFlags() const { return errorFlags_; }
  // The codes whose flag is set, ascending.
  std::vector<int> ErrorCodesSet() const;
  // What the last command got back, as received (for diagnostics).
  const std::string& LastReply() const { return reply_; }

  // The status-bar text of a station state; "? - errore scarti " for
  // anything outside 0..9.
  static const char* StateText(int state);

 private:
  // Sends letter + CR and waits for the reply; true when the reply ends with
  // CR and starts with "---". An "E" reply sets its error flag.
  bool Command(char letter);

  cPort port_;
  // Ticks; stays 0, so the reply wait is a single read pass: the reply must
  // begin within the port's read time-out and come without pauses.
  std::int32_t replyTimeout_ = 0;
  std::int32_t decimals_ = 0;
  std::bitset<kErrorCodes> errorFlags_;
  std::string reply_;
};

}  // namespace kv7
