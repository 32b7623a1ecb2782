#include "BarcodeReader.h"

#include "Fields.h"

namespace kv7::sim {

char BarcodeReader::CheckDigit(const std::string& d) {
  int sum = 0;
  for (std::size_t i = 0; i < d.size(); ++i) sum += (d[i] - '0') * (i % 2 == 0 ? 1 : 3);
  return static_cast<char>('0' + (10 - sum % 10) % 10);
}

std::string BarcodeReader::NextCode() {
  std::string body = "200" + Digits(static_cast<std::int64_t>(++counter_), 9);
  return body + CheckDigit(body);
}

std::string BarcodeReader::AdvanceTo(double nowMs) {
  std::string out;
  if (intervalMs_ <= 0) return out;
  int guard = 0;
  while (nowMs >= nextMs_ && guard++ < 100) {
    out += Line(NextCode());
    ++sent_;
    nextMs_ += intervalMs_;
  }
  if (guard >= 100) nextMs_ = nowMs + intervalMs_;
  return out;
}

}  // namespace kv7::sim
