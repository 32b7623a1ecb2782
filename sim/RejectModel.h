#pragma once
// The reject-station board: one-letter commands without echo, "---" replies,
// a cycle flag, the unloading state sequence, the reject weight that grows
// while rejected fruit arrives, and "E" error replies on demand. Time is
// passed in (milliseconds of machine time); no I/O.

#include <cstdint>
#include <string>

namespace kv7::sim {

class RejectModel {
 public:
  struct Settings {
    int decimals = 3;          // weights in units of 10^-decimals kg
    double loadTenths = 30;    // first "P" time: loading time, tenths of a second
    double unloadMs = 5000;    // the whole unloading sequence, machine time
    double timeFactor = 1.0;   // machine time per real time, for the reported unload time
  };

  explicit RejectModel(Settings s) : settings_(s) {}

  void AdvanceTo(double nowMs);
  // One complete command (without CR); reply bytes with CR, empty when not understood.
  std::string Execute(const std::string& command, double nowMs);
  // Rejected fruit reaching the station (kept only while the cycle is on).
  void AddRejected(std::int64_t grams);
  // The next `count` replies are "E" + code.
  void InjectError(int code, int count) {
    errorCode_ = code;
    errorsLeft_ = count;
  }
  void PowerCycle();
  void SetTimeFactor(double f) { settings_.timeFactor = f; }

  bool CycleOn() const { return cycleOn_; }
  int State() const { return state_; }
  std::int64_t TotalGrams() const { return totalGrams_; }
  std::int64_t HopperGrams() const { return hopperGrams_; }
  int Decimals() const { return settings_.decimals; }
  int ErrorsLeft() const { return errorsLeft_; }
  // Grams expressed in the station's weight unit.
  std::int64_t InUnits(std::int64_t grams) const;

 private:
  Settings settings_;
  bool cycleOn_ = false;
  int state_ = 0;
  bool unloading_ = false;
  double unloadStart_ = 0;
  double now_ = 0;
  std::int64_t totalGrams_ = 0;
  std::int64_t hopperGrams_ = 0;
  int errorCode_ = 0;
  int errorsLeft_ = 0;
};

}  // namespace kv7::sim
