#include "service/ServiceRules.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <limits>

#include "link/BoardSettings.h"
#include "link/StreamRecords.h"
#include "store/Configuration.h"

namespace kv7::service {
namespace {

constexpr int kKappaCeiling = 1100;  // raising stops here
constexpr int kKappaFloor = 700;     // lowering stops here
constexpr int kTareTicksPerCup = 150;

}  // namespace

std::optional<int> NumberOf(const std::string& text) {
  auto v = store::ParseStoredNumber(text);
  if (!v) return std::nullopt;
  return static_cast<int>(*v);
}

std::string ShownWeight(const std::string& raw, int multiplier) {
  if (multiplier < 2) return raw;
  const long long grams = static_cast<long long>(NumberOf(raw).value_or(0)) * multiplier;
  return ZeroFill(grams, 4);
}

std::optional<int> RoundedSampleWeight(const std::string& text, int multiplier) {
  auto grams = NumberOf(text);
  if (!grams) return std::nullopt;
  if (multiplier > 1) return *grams / multiplier * multiplier;
  return grams;
}

bool SampleWeightAccepted(int grams) { return grams >= 150 && grams <= 999; }

std::string CorrectedKappa(const std::string& text, int change) {
  int kappa = NumberOf(text).value_or(0);
  if ((change > 0 && kappa < kKappaCeiling) || (change < 0 && kappa > kKappaFloor)) kappa += change;
  return RightAligned4(kappa);
}

std::optional<int> KappaValue(const std::string& text) { return NumberOf(text); }

std::string CalibrationConstants(const std::array<int, kLines>& kappas) {
  std::string out;
  for (int k : kappas) out += BlanksToZeros(RightAligned4(k));
  return out;
}

std::string EmptyCupLimitText(int position, int multiplier) {
  return ZeroFill(multiplier > 0 ? static_cast<long long>(position) * multiplier : position, 3);
}

std::string EmptyCupBoardLimit(const std::string& limitText, int multiplier) {
  long long limit = NumberOf(limitText).value_or(0);
  if (multiplier > 0) limit /= multiplier;
  return ZeroFill(limit, 3);
}

std::string MagnetTestData(bool dynamic, int outlet) {
  std::string data(1, dynamic ? '1' : '2');
  data += ZeroFill(std::clamp(outlet, 0, 99), 2);
  return data;
}

TareRequest TareTableRequest(int cups) {
  cups = std::clamp(cups, 0, 999);
  // The link counts its time-outs in 16 bits: past 436 cups the wait is the
  // longest it can count (56.6 s).
  const int ticks = std::min(cups * kTareTicksPerCup, int{std::numeric_limits<std::uint16_t>::max()});
  return {"001" + ZeroFill(cups, 3), ticks};
}

}  // namespace kv7::service
