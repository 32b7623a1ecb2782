#pragma once
// What passes between the machine thread and the service windows: the data a
// window opens with, the records the cycle hands it while it is open, and the
// requests its buttons make. Plain values, so they cross threads as copies.

#include <array>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace kv7::service {

inline constexpr int kLines = 6;
inline constexpr int kTracePoints = 100;

enum class ServiceWindow { None, Cells, Memorised, Calibration, Encoder, EmptyCups, Magnets, TareTable, Oscilloscope };

// The values a window starts from.
struct ServiceOpening {
  int multiplier = 0;                           // `xmoltiply`
  std::array<std::string, kLines> kappas;       // calibration: 4 characters each
  std::string sampleWeight = "200";             // calibration
  std::array<std::string, kLines> tares;        // memorised test: the "R" tares
  std::string limit;                            // empty cups: `LimiteGr`
  std::array<int, kLines> windowStart{}, windowEnd{};  // oscilloscope
  int phase = 0;
  int cups = 0;                                 // `numtazze`
};

// ---- Records the cycle hands the open window ----
struct CellValues {
  std::array<std::string, kLines> value;
};
struct MemorisedRow {
  int line = 1;
  std::string cup;
  std::optional<std::string> tare;  // none: the cell keeps what it shows
  std::string net;
};
struct CalibrationRow {
  int line = 1;
  std::string passes, kappa, weight;
};
// Whether the automatic procedure runs on the board.
struct CalibrationRunning {
  bool running = false;
};
struct EncoderRow {
  std::string turn, value;
  std::array<std::string, 5> errors;
};
struct EmptyCupRow {
  int line = 1;
  std::string cup, value;
};
// Rows of cups 1..n, columns lines 1..6.
struct TareTable {
  std::vector<std::array<std::string, kLines>> rows;
};
struct TraceFrame {
  std::array<std::string, 3> head;    // cup, minimum, maximum
  std::vector<std::string> samples;   // as received, sample 1 first
};
struct CaptureState {
  bool capturing = false;
};
// Saving frames stopped (the file could not be written).
struct TraceSavingStopped {};

using ServiceRecord = std::variant<CellValues, MemorisedRow, CalibrationRow, CalibrationRunning, EncoderRow,
                                   EmptyCupRow, TareTable, TraceFrame, CaptureState, TraceSavingStopped>;

// ---- Requests of the windows' buttons ----
struct StartCalibration {
  int sampleWeight = 0;  // already checked and rounded
};
struct EndCalibration {};
struct StartEmptyCups {
  std::string limit;  // the `LimiteGr` text
};
struct StartMagnetTest {
  bool dynamic = true;
  int outlet = 1;
};
struct RefreshTareTable {};
struct Capture {
  bool start = false;
  std::string line, limit;  // texts of `Linea` and `Limite`
  bool save = false;
};
struct SaveFrames {
  bool on = false;
};

// How a window closed, by any means.
struct ServiceClosed {
  ServiceWindow window = ServiceWindow::None;
  bool accepted = false;  // "Salva" / "Aggiorna"
  std::array<std::string, kLines> kappas;                // calibration
  int phase = 0;                                         // oscilloscope
  std::array<std::string, kLines> windowStart, windowEnd;
};

using ServiceRequest = std::variant<StartCalibration, EndCalibration, StartEmptyCups, StartMagnetTest,
                                    RefreshTareTable, Capture, SaveFrames, ServiceClosed>;

}  // namespace kv7::service
