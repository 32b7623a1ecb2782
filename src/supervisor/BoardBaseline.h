#pragma once
// What the board still counts of batches already stored. A batch is stored
// before the board's totals are reset; when that reset does not happen (the
// operator says No, "V1" fails) the board goes on adding the next delivery to
// the stored one. The console then keeps the stored figures as a baseline and
// the next end of batch stores only what was counted since, so no fruit is
// paid twice. It lives beside the journal, so a restart keeps it.

#include <filesystem>
#include <optional>
#include <string>

#include "supervisor/Totals.h"

namespace kv7::supervisor {

struct BoardBaseline {
  std::string batch;  // number of the last stored batch the board still holds
  std::array<LineCounts, kWeighingLines> counts{};  // each line's counts when it was stored
  std::int64_t reject = 0;                          // the reject total then (lines or station)
  bool operator==(const BoardBaseline&) const = default;
};

// The baseline of a request's figures, for the batch just stored.
BoardBaseline BaselineOf(const LineFigures& figures, std::int64_t reject, const std::string& batch);

// What was counted since the baseline, summed as the totals are: each
// answering line's counts less the baseline's into its quality, the reject
// less the baseline's reject. nullopt when any figure is below its baseline:
// the board was reset some other way and the baseline no longer holds.
std::optional<ClassSums> SumsSince(const BoardBaseline& base, const LineFigures& now, std::int64_t rejectNow,
                                   const LineQualities& qualities, int multiplier);

// The file beside the journal; absent when the board holds no stored batch.
std::filesystem::path BaselineFile(const std::filesystem::path& journalDir);
// nullopt when there is no file; throws std::runtime_error when it exists but
// cannot be read, so a damaged file never silently doubles a batch.
std::optional<BoardBaseline> LoadBaseline(const std::filesystem::path& file);
// Written whole, synced and renamed into place; nullopt removes it. Empty
// when done, otherwise why not.
std::string SaveBaseline(const std::filesystem::path& file, const std::optional<BoardBaseline>& baseline);

}  // namespace kv7::supervisor
