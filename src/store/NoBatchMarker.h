#pragma once
// "bolle.dat" in the working directory means "no batch in progress": the
// batch archive may only be emptied while it is there. The console writes it
// when a batch has ended (after the end of batch has cleared and reset the
// totals) and at start-up when no batch is counting, and removes it when a
// batch starts counting (reset of totals).

#include <filesystem>

namespace kv7::store {

inline constexpr const char* kNoBatchMarkerFile = "bolle.dat";

// Both return false when the file system refused; a marker already in the
// wanted state counts as done.
bool WriteNoBatchMarker(const std::filesystem::path& workDir);
bool RemoveNoBatchMarker(const std::filesystem::path& workDir);
bool NoBatchInProgress(const std::filesystem::path& workDir);

}  // namespace kv7::store
