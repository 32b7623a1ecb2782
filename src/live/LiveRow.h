#pragma once
// One machine's live row for the office view: what its console shows of the
// board, the program, the batch and its totals at one moment. The console
// hands it over whole; the office side reads it back from `kv7_live`.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kv7::live {

inline constexpr const char* kLiveTable = "kv7_live";
// A row older than this says its console no longer answers.
inline constexpr double kStaleAfterSeconds = 10;
inline constexpr std::size_t kQualities = 4;

// A class of the program in use: its name and weight range as the console shows them.
struct LiveClass {
  std::string name;
  std::int64_t from = 0;
  std::int64_t to = 0;
  bool operator==(const LiveClass&) const = default;
};

struct LiveRow {
  int machine = 1;
  std::string state;        // the board's state as shown, "4 - Lavorazione"
  std::string program;      // "05"; empty while no program is known
  std::string programName;
  std::string batch;
  std::string producer;
  std::optional<int> cupsPerMinute;
  std::optional<std::int64_t> productionKgPerHour;
  int waitingBatches = 0;  // ended batches the journal still holds for the archive
  std::vector<LiveClass> classes;
  // Grams per class (in the order of `classes`), qualities 1..4.
  std::vector<std::array<std::int64_t, kQualities>> totals;
  std::int64_t reject = 0;  // grams

  // Filled when read back: the server's time of the row, its age then and
  // the stored JSON of classes and totals (empty when there is none).
  std::string updated;
  double ageSeconds = 0;
  std::string data;
};

// Where a console hands its snapshots. Offer returns at once, whatever
// becomes of the row.
class LiveSink {
 public:
  virtual ~LiveSink() = default;
  virtual void Offer(const LiveRow& row) = 0;
};

}  // namespace kv7::live
