#include "link/cSrd12.h"

#include <charconv>
#include <chrono>
#include <string_view>

#include "link/Ticks.h"

namespace kv7 {
namespace {

constexpr char kCR = '\r';
constexpr std::size_t kReplyChunk = cPort::kMaxChunk;
// Enough for any backlog of late replies; bounds the time a babbling line
// can hold a command.
constexpr std::size_t kMaxStaleBytes = 4096;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// A fixed-position number field of a reply: digits with at most one decimal
// point. Anything else (blanks, signs, letters, a field cut short by the
// end of the reply) makes the whole reply invalid.
bool ParseNumberField(const std::string& reply, std::size_t position, std::size_t width, double& value) {
  const std::size_t first = position - 1;
  if (reply.size() < first + width) return false;
  const std::string_view field(reply.data() + first, width);
  bool point = false;
  bool digits = false;
  for (char c : field) {
    if (IsDigit(c)) {
      digits = true;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      return false;
    }
  }
  if (!digits) return false;
  // The field is checked: from_chars gives the nearest double to it.
  const auto result = std::from_chars(field.data(), field.data() + field.size(), value);
  return result.ec == std::errc() && result.ptr == field.data() + field.size();
}

bool ParseDigit(const std::string& reply, std::size_t position, int& value) {
  if (reply.size() < position || !IsDigit(reply[position - 1])) return false;
  value = reply[position - 1] - '0';
  return true;
}

}  // namespace

cSrd12::cSrd12(std::uint8_t portNumber, const store::ConfigStore& portMap)
    : port_(portNumber, kBaud, portMap) {}

cSrd12::cSrd12(std::string devicePath) : port_(std::move(devicePath), kBaud) {}

bool cSrd12::Command(char letter) {
  // Bytes already waiting are a reply that came too late for the previous
  // command (or noise); left in place they would be read as the answer to
  // this one, shifting every later reply by one command.
  std::string stale;
  for (std::size_t dropped = 0; dropped < kMaxStaleBytes && port_.Read(1, stale); ++dropped) {
  }

  // The board does not echo: each byte goes out on its own and the command
  // counts as sent whatever the writes say; a dead line shows as no reply.
  port_.Write(std::string(1, letter));
  port_.Write(std::string(1, kCR));
  SleepTicks(10);

  reply_.clear();
  const auto start = std::chrono::steady_clock::now();
  std::string chunk;
  do {
    if (port_.Read(kReplyChunk, chunk)) reply_ += chunk;
    if (!reply_.empty() && reply_.back() == kCR) break;
  } while (std::chrono::steady_clock::now() - start < Ticks(replyTimeout_));

  if (reply_.empty() || reply_.back() != kCR) return false;
  if (reply_.compare(0, 3, "---") == 0) return true;
  if (reply_[0] == 'E' && reply_.size() >= 3 && IsDigit(reply_[1]) && IsDigit(reply_[2]))
    errorFlags_.set(static_cast<std::size_t>((reply_[1] - '0') * 10 + (reply_[2] - '0')));
  return false;
}

int cSrd12::ReadDecimals() {
  if (!Command('D')) return -1;
  int value = 0;
  // A reply without a digit in the decimals' place ("---" + CR) is not a
  // number of decimals: keep the last good one.
  if (!ParseDigit(reply_, 4, value)) return -1;
  decimals_ = value;
  return value;
}

int cSrd12::Unload() {
  return Command('V') ? 1 : -1;
}

int cSrd12::ZeroCounters() {
  return Command('Z') ? 1 : -1;
}

int cSrd12::CycleOn() {
  return Command('M') ? 1 : -1;
}

int cSrd12::ReadWeights(RejectWeights& out) {
  if (!Command('T')) return -1;
  RejectWeights w;
  if (!ParseNumberField(reply_, 4, 8, w.first) || !ParseNumberField(reply_, 12, 8, w.reject)) return -1;
  out = w;
  return 1;
}

int cSrd12::ReadTimes(RejectTimes& out) {
  if (!Command('P')) return -1;
  RejectTimes t;
  if (!ParseNumberField(reply_, 4, 3, t.time1) || !ParseNumberField(reply_, 7, 3, t.time2) ||
      !ParseDigit(reply_, 10, t.cycleOn) || !ParseDigit(reply_, 11, t.state))
    return -1;
  out = t;
  return 1;
}

bool cSrd12::ErrorFlag(int code) const {
  return code >= 0 && code < kErrorCodes && errorFlags_[static_cast<std::size_t>(code)];
}

std::vector<int> cSrd12::ErrorCodesSet() const {
  std::vector<int> codes;
  for (int code = 0; code < kErrorCodes; ++code)
    if (errorFlags_[static_cast<std::size_t>(code)]) codes.push_back(code);
  return codes;
}

const char* cSrd12::StateText(int state) {
  static constexpr const char* kTexts[] = {"0 - SCARTI ON ",      "1 - attesa scar.",  "2 - SCARICO",
                                           "3 - ass. tara",       "4 - tara in corso", "5 - att. carico",
                                           "6 - Carico Sing.",    "7 - Ass. e Accum.", "8 - Doppia Carico",
                                           "9 - Ass. Accum. Pos."};
  if (state < 0 || state > 9) return "? - errore scarti ";
  return kTexts[state];
}

}  // namespace kv7
