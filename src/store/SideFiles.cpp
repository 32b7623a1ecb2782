#include "store/SideFiles.h"

#include "store/FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace kv7::store {
namespace {

bool Fail(const ReportSink& report, const std::filesystem::path& file, int err) {
  Tell(report, file.string() + ": " + std::strerror(err));
  return false;
}

bool Replace(const std::filesystem::path& file, const std::string& content, mode_t mode,
             const ReportSink& report) {
  if (auto error = WriteFileDurably(file, content, mode)) return Fail(report, file, error.value());
  return true;
}

// The file the name stands for (through a symbolic link), its current bytes
// and mode; fails like opening it for writing would.
struct Existing {
  std::filesystem::path target;
  std::string bytes;
  mode_t mode = 0644;
};

std::optional<Existing> Prepare(const std::filesystem::path& file, bool keepBytes, const ReportSink& report) {
  Existing e;
  e.target = file;
  std::error_code ec;
  if (std::filesystem::is_symlink(file, ec)) {
    auto resolved = std::filesystem::weakly_canonical(file, ec);
    if (!ec) e.target = resolved;
  }
  struct stat st {};
  if (::stat(e.target.c_str(), &st) != 0) {
    if (errno != ENOENT) {
      Fail(report, file, errno);
      return std::nullopt;
    }
    return e;
  }
  if (S_ISDIR(st.st_mode)) {
    Fail(report, file, EISDIR);
    return std::nullopt;
  }
  // A file its owner made read-only stays as it is, as it would when opened
  // for writing.
  if (::access(e.target.c_str(), W_OK) != 0) {
    Fail(report, file, errno);
    return std::nullopt;
  }
  e.mode = st.st_mode & 07777;
  if (keepBytes) {
    auto old = ReadSideFile(e.target, report);
    if (!old) return std::nullopt;
    e.bytes = std::move(*old);
  }
  return e;
}

std::string RightAligned(const std::string& s, std::size_t width) {
  return s.size() >= width ? s : std::string(width - s.size(), ' ') + s;
}

}  // namespace

std::filesystem::path SideFilePath(const std::filesystem::path& workDir, const char* name) {
  return workDir.empty() ? std::filesystem::path(name) : workDir / name;
}

std::optional<std::string> ReadSideFile(const std::filesystem::path& file, const ReportSink& report,
                                        bool* missing) {
  if (missing) *missing = false;
  int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENOENT && missing) {
      *missing = true;
      return std::nullopt;
    }
    Fail(report, file, errno);
    return std::nullopt;
  }
  std::string bytes;
  char buf[4096];
  for (;;) {
    ssize_t n = ::read(fd, buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      int err = errno;
      ::close(fd);
      Fail(report, file, err);
      return std::nullopt;
    }
    if (n == 0) break;
    bytes.append(buf, static_cast<std::size_t>(n));
  }
  ::close(fd);
  return bytes;
}

bool WriteSideFileStart(const std::filesystem::path& file, const std::string& bytes,
                        const ReportSink& report) {
  auto e = Prepare(file, true, report);
  if (!e) return false;
  std::string content = bytes;
  if (e->bytes.size() > bytes.size()) content += e->bytes.substr(bytes.size());
  return Replace(e->target, content, e->mode, report);
}

bool ReplaceSideFile(const std::filesystem::path& file, const std::string& bytes, const ReportSink& report,
                     std::optional<mode_t> mode) {
  auto e = Prepare(file, false, report);
  if (!e) return false;
  return Replace(e->target, bytes, mode.value_or(e->mode), report);
}

bool LoadCompanyHeader(CompanyHeader& header, const std::filesystem::path& workDir,
                       const ReportSink& report) {
  const auto file = SideFilePath(workDir, kCompanyHeaderFile);
  bool missing = false;
  auto bytes = ReadSideFile(file, report, &missing);
  if (missing) {
    header = CompanyHeader{};
    return true;
  }
  if (!bytes) return false;
  if (bytes->size() < 4 * kCompanyLineWidth) {
    Tell(report, file.string() + ": shorter than its " + std::to_string(4 * kCompanyLineWidth) + " bytes");
    return false;
  }
  for (std::size_t i = 0; i < header.lines.size(); ++i)
    header.lines[i] = bytes->substr(i * kCompanyLineWidth, kCompanyLineWidth);
  return true;
}

bool SaveCompanyHeader(const CompanyHeader& header, const std::filesystem::path& workDir,
                       const ReportSink& report) {
  std::string bytes;
  for (const auto& line : header.lines) {
    std::string cut = line.substr(0, kCompanyLineWidth);
    bytes += cut + std::string(kCompanyLineWidth - cut.size(), ' ');
  }
  return WriteSideFileStart(SideFilePath(workDir, kCompanyHeaderFile), bytes, report);
}

bool LoadCosts(ProcessingCosts& costs, const std::filesystem::path& workDir, const ReportSink& report) {
  const auto file = SideFilePath(workDir, kCostsFile);
  bool missing = false;
  auto bytes = ReadSideFile(file, report, &missing);
  if (missing) {
    costs = ProcessingCosts{};
    return true;
  }
  if (!bytes) return false;
  constexpr std::size_t kCategory = kPersonsWidth + kHourlyCostWidth;
  if (bytes->size() < 3 * kCategory) {
    Tell(report, file.string() + ": shorter than its " + std::to_string(3 * kCategory) + " bytes");
    return false;
  }
  for (std::size_t i = 0; i < 3; ++i) {
    costs.persons[i] = bytes->substr(i * kCategory, kPersonsWidth);
    costs.hourlyCost[i] = bytes->substr(i * kCategory + kPersonsWidth, kHourlyCostWidth);
  }
  return true;
}

bool SaveCosts(const ProcessingCosts& costs, const std::filesystem::path& workDir, const ReportSink& report) {
  const auto file = SideFilePath(workDir, kCostsFile);
  std::string bytes;
  for (std::size_t i = 0; i < 3; ++i) {
    if (costs.persons[i].size() > kPersonsWidth || costs.hourlyCost[i].size() > kHourlyCostWidth) {
      Tell(report, file.string() + ": the costs of category " + std::to_string(i + 1) +
                       " do not fit their fields; nothing written");
      return false;
    }
    bytes +=
        RightAligned(costs.persons[i], kPersonsWidth) + RightAligned(costs.hourlyCost[i], kHourlyCostWidth);
  }
  return WriteSideFileStart(file, bytes, report);
}

}  // namespace kv7::store
