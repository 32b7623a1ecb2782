#include "store/NoBatchMarker.h"

#include "store/SideFiles.h"

namespace kv7::store {

bool WriteNoBatchMarker(const std::filesystem::path& workDir) {
  if (NoBatchInProgress(workDir)) return true;
  return ReplaceSideFile(SideFilePath(workDir, kNoBatchMarkerFile), "", {});
}

bool RemoveNoBatchMarker(const std::filesystem::path& workDir) {
  std::error_code ec;
  std::filesystem::remove(SideFilePath(workDir, kNoBatchMarkerFile), ec);
  return !ec;
}

bool NoBatchInProgress(const std::filesystem::path& workDir) {
  std::error_code ec;
  return std::filesystem::is_regular_file(SideFilePath(workDir, kNoBatchMarkerFile), ec);
}

}  // namespace kv7::store
