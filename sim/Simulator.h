#pragma once
// The simulated machine on its three lines: the controller board, the
// reject station and the barcode reader, driven by one poll() loop on one
// thread (the models need no locks), plus the control interface that
// scripts and tests use to steer it and to inject faults.

#include <array>
#include <chrono>
#include <random>
#include <string>

#include "BarcodeReader.h"
#include "BoardModel.h"
#include "ControlChannel.h"
#include "ControllerLine.h"
#include "LineEndpoint.h"
#include "RejectModel.h"

namespace kv7::sim {

struct SimOptions {
  std::array<std::string, 3> devicePaths;  // controller, reject, barcode; empty: a new pty
  bool portMap = false;
  std::string configDir;      // empty: the store's default directory
  std::string controlPath;    // empty: no control socket
  bool readStdin = true;
  double speed = 1.0;         // machine time per real time
  bool pace = false;
  unsigned controllerBaud = 19200;
  double barcodeEverySec = 0;
  BoardModel::Settings board;
  RejectModel::Settings reject;
};

class Simulator {
 public:
  enum Line { kController = 0, kReject = 1, kBarcode = 2 };

  explicit Simulator(SimOptions options);
  // Opens the lines, writes the port map, opens the control socket and prints
  // the start-up lines. False with a message when something cannot be set up.
  bool Start(std::string& error);
  // Runs until "quit" or a termination signal.
  int Run();
  // One control command line; the reply ends with "ok" or "error: ...".
  std::string Command(const std::string& line);
  std::string Status() const;

 private:
  using Clock = std::chrono::steady_clock;
  void Tick();
  void UpdateModelTime();
  void HandleController(const std::string& bytes, Clock::time_point now);
  void HandleReject(const std::string& bytes, Clock::time_point now);
  bool WritePortMap(std::string& error);
  Clock::time_point ReplyTime(Line l, Clock::time_point now) const;
  static bool ParseLine(const std::string& word, Line& out);

  SimOptions options_;
  BoardModel board_;
  RejectModel reject_;
  BarcodeReader barcode_;
  std::array<LineEndpoint, 3> lines_;
  ControllerLine controllerLine_;
  std::string rejectPartial_;
  ControlChannel control_;

  std::mt19937 faultRng_{12345};
  double dropEcho_ = 0;
  std::array<int, 3> delayMs_{};
  Clock::time_point lastReal_;
  double modelMs_ = 0;
  double speed_;
  bool quit_ = false;
};

}  // namespace kv7::sim
