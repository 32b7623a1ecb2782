#include "RejectModel.h"

#include <cmath>

#include "Fields.h"

namespace kv7::sim {

namespace {
// Unloading: wait, unload, tare request, tare, wait for load; fractions of the
// whole sequence at which each state ends.
constexpr int kUnloadStates[] = {1, 2, 3, 4, 5};
constexpr double kUnloadEnds[] = {0.15, 0.55, 0.65, 0.85, 1.0};
}  // namespace

std::int64_t RejectModel::InUnits(std::int64_t grams) const {
  // kg with `decimals` decimals: 3 decimals are grams.
  switch (settings_.decimals) {
    case 0: return grams / 1000;
    case 1: return grams / 100;
    case 2: return grams / 10;
    default: return grams;
  }
}

void RejectModel::AdvanceTo(double nowMs) {
  if (nowMs > now_) now_ = nowMs;
  if (!unloading_) return;
  double f = settings_.unloadMs > 0 ? (now_ - unloadStart_) / settings_.unloadMs : 1.0;
  for (int i = 0; i < 5; ++i) {
    if (f < kUnloadEnds[i]) {
      state_ = kUnloadStates[i];
      if (state_ >= 3) hopperGrams_ = 0;  // the hopper is empty once unloaded
      return;
    }
  }
  unloading_ = false;
  hopperGrams_ = 0;
  state_ = 0;
}

void RejectModel::AddRejected(std::int64_t grams) {
  if (!cycleOn_ || grams <= 0) return;
  totalGrams_ += grams;
  if (!unloading_ || state_ == 1) hopperGrams_ += grams;
}

void RejectModel::PowerCycle() {
  cycleOn_ = false;
  state_ = 0;
  unloading_ = false;
  hopperGrams_ = 0;
  totalGrams_ = 0;
  errorsLeft_ = 0;
}

std::string RejectModel::Execute(const std::string& c, double nowMs) {
  AdvanceTo(nowMs);
  if (c.size() != 1 || std::string("DVZMTP").find(c[0]) == std::string::npos) return {};
  if (errorsLeft_ > 0) {
    --errorsLeft_;
    return Frame('E', {Digits(errorCode_, 2)});
  }
  switch (c[0]) {
    case 'D':
      return "---" + std::to_string(settings_.decimals % 10) + '\r';
    case 'V':
      if (!unloading_) {
        unloading_ = true;
        unloadStart_ = now_;
        AdvanceTo(now_);
      }
      return "---\r";
    case 'Z':
      totalGrams_ = 0;
      hopperGrams_ = 0;
      return "---\r";
    case 'M':
      cycleOn_ = true;
      return "---\r";
    case 'T':
      return "---" + Digits(InUnits(hopperGrams_), 8) + Digits(InUnits(totalGrams_), 8) + '\r';
    case 'P': {
      // The second time is what the console waits before closing a batch: the
      // unloading time as it passes on the wall clock.
      double factor = settings_.timeFactor > 0 ? settings_.timeFactor : 1.0;
      auto unloadTenths = static_cast<std::int64_t>(std::lround(settings_.unloadMs / factor / 100.0));
      return "---" + Digits(static_cast<std::int64_t>(settings_.loadTenths), 3) + Digits(unloadTenths, 3) +
             (cycleOn_ ? '1' : '0') + static_cast<char>('0' + state_) + '\r';
    }
  }
  return {};
}

}  // namespace kv7::sim
