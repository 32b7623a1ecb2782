#pragma once
// The barcode reader: a code line ended by CR LF, on command or every N
// seconds of machine time. Generated codes are 13-digit article numbers with
// a valid check digit, counting up.

#include <cstdint>
#include <string>

namespace kv7::sim {

class BarcodeReader {
 public:
  // 0 switches the periodic codes off.
  void SetInterval(double ms, double nowMs) {
    intervalMs_ = ms > 0 ? ms : 0;
    nextMs_ = nowMs + intervalMs_;
  }
  double IntervalMs() const { return intervalMs_; }
  // The periodic lines due up to `nowMs`.
  std::string AdvanceTo(double nowMs);
  static std::string Line(const std::string& code) { return code + "\r\n"; }
  std::string NextCode();
  static char CheckDigit(const std::string& twelveDigits);
  std::uint64_t Sent() const { return sent_; }
  void CountSent() { ++sent_; }

 private:
  double intervalMs_ = 0;
  double nextMs_ = 0;
  std::uint64_t counter_ = 0;
  std::uint64_t sent_ = 0;
};

}  // namespace kv7::sim
