#include "supervisor/BoardBaseline.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "store/FileIo.h"

namespace kv7::supervisor {
namespace fs = std::filesystem;

BoardBaseline BaselineOf(const LineFigures& figures, std::int64_t reject, const std::string& batch) {
  BoardBaseline b;
  b.batch = batch;
  b.counts = figures.counts;
  b.reject = reject;
  return b;
}

std::optional<ClassSums> SumsSince(const BoardBaseline& base, const LineFigures& now, std::int64_t rejectNow,
                                   const LineQualities& qualities, int multiplier) {
  if (rejectNow < base.reject) return std::nullopt;
  ClassSums sums;
  for (std::size_t line = 0; line < now.counts.size(); ++line) {
    if (!now.answered[line]) continue;
    LineCounts since{};
    for (std::size_t c = 0; c < since.size(); ++c) {
      since[c] = now.counts[line][c] - base.counts[line][c];
      if (since[c] < 0) return std::nullopt;
    }
    // Reject lines count in the reject total, taken below as a whole.
    if (qualities[line] != kRejectQuality) AddLineCounts(sums, since, qualities[line], multiplier);
  }
  sums.reject = rejectNow - base.reject;
  return sums;
}

fs::path BaselineFile(const fs::path& journalDir) { return journalDir / "baseline"; }

namespace {

// "batch N", "reject R", then one line per weighing line: its 15 counts.
std::string Serialised(const BoardBaseline& b) {
  std::ostringstream out;
  out << "batch " << b.batch << "\nreject " << b.reject << "\n";
  for (const auto& line : b.counts) {
    out << "line";
    for (std::int64_t v : line) out << ' ' << v;
    out << "\n";
  }
  return out.str();
}

}  // namespace

std::optional<BoardBaseline> LoadBaseline(const fs::path& file) {
  std::error_code ec;
  if (!fs::exists(file, ec)) return std::nullopt;
  std::ifstream in(file);
  std::string word;
  BoardBaseline b;
  bool ok = static_cast<bool>(in >> word) && word == "batch";
  ok = ok && static_cast<bool>(in >> std::ws) && std::getline(in, b.batch);
  ok = ok && static_cast<bool>(in >> word >> b.reject) && word == "reject";
  for (auto& line : b.counts) {
    ok = ok && static_cast<bool>(in >> word) && word == "line";
    for (auto& v : line) ok = ok && static_cast<bool>(in >> v);
  }
  if (!ok) throw std::runtime_error("baseline illeggibile: " + file.string());
  return b;
}

std::string SaveBaseline(const fs::path& file, const std::optional<BoardBaseline>& baseline) {
  std::error_code ec;
  if (!baseline) {
    fs::remove(file, ec);
    if (!ec) ec = store::SyncDirectory(file.parent_path());
  } else {
    ec = store::WriteFileDurably(file, Serialised(*baseline));
  }
  return ec ? ec.message() : std::string();
}

}  // namespace kv7::supervisor
