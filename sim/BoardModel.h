#pragma once
// The controller board as the console sees it across the line: its
// processing states, the installation and programs it was given, the fruit
// stream of every active line with its per-class totals, and the service
// streams. Pure model: time is passed in (milliseconds of machine time), no
// I/O, so it is tested without any line.

#include <array>
#include <cstdint>
#include <random>
#include <string>

#include "WeightDistribution.h"

namespace kv7::sim {

constexpr int kLines = 6;
constexpr int kClasses = 15;
constexpr int kLimits = 16;
constexpr int kMaxCup = 511;

// The "C" installation text as the board keeps it.
struct Installation {
  bool received = false;
  int lines = 0;
  int outlets = 0;
  int cups = 0;
  int zeroEncoder = 0;
  std::array<int, kLines> windowStart{}, windowEnd{}, kappa{};
  bool tipoatt = false;
  int magnetOpen = 0;
  std::array<int, 30> outletSetting{};
  bool hasSuffix = false;  // boards of the "-o" era get no tare/magnet suffix
  char tareMode = 0;
  int magnetTime = 0;
  std::string text;  // the "C" data as received, for tests to compare byte for byte
};

struct LineProgram {
  bool loaded = false;
  int program = 0;
  std::array<int, kLimits> limits{};
};

enum class StreamMode { None, Trace, EmptyCups, Calibration, Memorised, Encoder };
const char* StreamName(StreamMode m);

class BoardModel {
 public:
  struct Settings {
    std::string version = "2.13";
    int type = 3;                 // 0 MB3, 1 MB3mod, 2 MB6, 3 MB6-1
    double cupRate = 10.0;        // cups per second on every active line
    bool photocells = false;      // long "A" replies
    double encoderWaitMs = 1500;  // time in state 2
    double initialTareMs = 2000;  // time in state 3
    double streamPeriodMs = 200;  // one service record (per line) per period
    WeightDistribution weights;
    double rejectShare = 0.05;  // fruit the quality check rejects
    double emptyShare = 0.0;    // cups that pass without fruit (counted as bad)
    int silentTotalsLine = 0;   // weighing line (1..6) whose totals block gets no answer; 0 none
    std::uint32_t seed = 1;
  };

  using Totals = std::array<std::array<std::uint64_t, kClasses>, kLines>;

  explicit BoardModel(Settings settings);

  // Moves the machine to `nowMs`: state changes, cups and fruit, stream records.
  void AdvanceTo(double nowMs);
  // One complete command (without its CR); returns the reply bytes, empty when
  // the command has none or is not understood.
  std::string Execute(const std::string& command, double nowMs);
  // The abort byte: leaves any streaming mode.
  void Abort();
  bool Streaming() const { return stream_ != StreamMode::None; }
  // Stream bytes produced since the last call.
  std::string TakeStreamOutput();
  // Grams of fruit rejected since the last call (they go to the reject station).
  std::int64_t TakeRejectedGrams();

  // Control: power cycle (state 0, installation, program and streams lost,
  // totals kept as the board keeps its counters), forced state, start
  // without a program.
  void PowerCycle(double nowMs);
  void ForceState(int state, double nowMs);
  void StartRunning(double nowMs);
  void SetCupRate(double cupsPerSecond);
  void SetWeights(const WeightDistribution& w) { settings_.weights = w; }
  void SetRejectShare(double p) { settings_.rejectShare = p; }
  void SetPhotocells(bool on) { settings_.photocells = on; }
  void SetSilentTotalsLine(int line) { settings_.silentTotalsLine = line; }
  void SetStreamPeriod(double ms) { settings_.streamPeriodMs = ms; }

  // Inspection.
  char State() const { return static_cast<char>('0' + state_); }
  int ProgramNumber() const { return program_; }
  const Totals& ClassTotals() const { return totals_; }
  std::uint64_t LineTotal(int line) const;  // line 0..5
  const std::array<std::uint64_t, kLines>& Unclassed() const { return unclassed_; }
  std::uint64_t FruitCount() const { return fruit_; }
  std::uint64_t RejectedGramsTotal() const { return rejectedTotal_; }
  std::uint64_t CupSteps() const { return cupSteps_; }
  const Installation& Install() const { return install_; }
  const LineProgram& Program(int line) const { return programs_[line]; }
  const Settings& GetSettings() const { return settings_; }
  bool Alarm() const { return alarm_; }
  int Rotation() const { return rotation_; }
  int MagnetType() const { return magnetType_; }
  const std::string& MagnetTest() const { return magnetTest_; }
  // Every "U" command received, in order, comma separated.
  const std::string& MagnetCommands() const { return magnetCommands_; }
  // The empty weight of a cup on a line (0-based), as the tare table gives it.
  int CupTare(int line, int cup) const { return Tare(line, cup); }
  std::array<int, 4> TareSettings() const { return tareSettings_; }
  const std::array<int, kLines>& Kappas() const { return kappas_; }
  StreamMode Stream() const { return stream_; }
  std::uint64_t IgnoredCommands() const { return ignored_; }
  int ActiveLines() const;
  // Class 0..14 of a weight under a line's limits, or -1 when outside them.
  static int Classify(const LineProgram& p, int grams);

 private:
  std::string StatusReply() const;
  std::string TotalsBlock(int line) const;
  std::string ValuesReply(char letter, bool live) const;
  std::string TareTable(const std::string& argument) const;
  bool ParseInstallation(const std::string& data);
  bool ParseProgramBlock(const std::string& data);
  void StartStream(StreamMode m, int param, double nowMs);
  void CupStep();
  void StreamStep();
  std::string TraceFrame();
  std::string EncoderFields() const;
  int Tare(int line, int cup) const;
  int CupNumber() const;
  void Enter(int state, double nowMs);

  Settings settings_;
  std::mt19937 rng_;
  int state_ = 0;
  double stateSince_ = 0;
  bool autoRun_ = false;  // go on from stand-by to processing by itself
  double now_ = 0;
  double cupClock_ = 0;
  double streamClock_ = 0;

  Installation install_;
  std::array<LineProgram, kLines> programs_{};
  int program_ = 0;
  std::array<int, kLines> kappas_{};
  std::array<int, 4> tareSettings_{};
  int rotation_ = 0;
  int magnetType_ = 0;
  std::string magnetTest_ = "off";
  std::string magnetCommands_;
  bool alarm_ = false;

  Totals totals_{};
  std::array<std::uint64_t, kLines> unclassed_{};
  std::uint64_t fruit_ = 0;
  std::uint64_t cupSteps_ = 0;
  std::uint64_t badCups_ = 0;
  std::int64_t rejectedPending_ = 0;
  std::uint64_t rejectedTotal_ = 0;
  std::array<int, kLines> lastGross_{};
  std::array<int, kLines> lastNet_{};
  std::uint64_t ignored_ = 0;

  StreamMode stream_ = StreamMode::None;
  int streamParam_ = 0;   // trace line, empty-cup limit or sample weight
  int traceThreshold_ = 0;
  bool streamLead_ = false;
  std::array<int, kLines> calibPasses_{};
  std::string streamOut_;
};

}  // namespace kv7::sim
