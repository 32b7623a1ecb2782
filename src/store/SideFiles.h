#pragma once
// The small fixed-layout files kept beside the configuration store in the
// working directory: the company header "mb3.az" and the processing costs
// "w83.cst". Also the file writing they share with the legacy record and the
// installation backup: every write goes whole to a temporary file that
// replaces the old one and reaches the disk, folder included, before the call
// returns true (WriteFileDurably), so a failed write leaves the old file whole
// and a success survives a power loss. A failure is reported as
// "<file>: <reason>" and leaves the values in memory as they were.

#include <sys/types.h>

#include <array>
#include <filesystem>
#include <optional>
#include <string>

#include "store/ConfigurationReport.h"

namespace kv7::store {

inline constexpr const char* kCompanyHeaderFile = "mb3.az";
inline constexpr const char* kCostsFile = "w83.cst";
inline constexpr std::size_t kCompanyLineWidth = 24;
inline constexpr std::size_t kPersonsWidth = 2;
inline constexpr std::size_t kHourlyCostWidth = 6;

// The four heading lines printed on reports.
struct CompanyHeader {
  std::array<std::string, 4> lines{"KV7 Campionatrice", "Calibratura e campionatura", "della frutta", ""};
};

// Three staff categories: persons (2 characters) and hourly cost (6), as texts.
struct ProcessingCosts {
  std::array<std::string, 3> persons{"00", "00", "00"};
  std::array<std::string, 3> hourlyCost{"000000", "000000", "000000"};
};

// Four blocks of 24 bytes; a missing file gives the built-in lines.
bool LoadCompanyHeader(CompanyHeader& header, const std::filesystem::path& workDir = {},
                       const ReportSink& report = {});
// Each line cut or blank-padded to 24 characters, 96 bytes from the file's start.
bool SaveCompanyHeader(const CompanyHeader& header, const std::filesystem::path& workDir = {},
                       const ReportSink& report = {});

// The six fields by position; a missing file gives "00" and "000000".
bool LoadCosts(ProcessingCosts& costs, const std::filesystem::path& workDir = {},
               const ReportSink& report = {});
// Each value right-aligned with blanks in its width, 24 bytes from the file's
// start. A value wider than its field would shift the others, so nothing is
// written then.
bool SaveCosts(const ProcessingCosts& costs, const std::filesystem::path& workDir = {},
               const ReportSink& report = {});

// name inside workDir; an empty workDir is the current directory.
std::filesystem::path SideFilePath(const std::filesystem::path& workDir, const char* name);

// The whole file, or nullopt when it cannot be read. A missing file is
// reported unless the caller asks to learn it through `missing`.
std::optional<std::string> ReadSideFile(const std::filesystem::path& file, const ReportSink& report,
                                        bool* missing = nullptr);
// Puts bytes at the start of the file and keeps whatever the old file had
// beyond them; creates the file when missing.
bool WriteSideFileStart(const std::filesystem::path& file, const std::string& bytes,
                        const ReportSink& report);
// Replaces the file's whole content, keeping an existing file's mode unless
// `mode` is given (a file holding a secret: 0600, whatever it had).
bool ReplaceSideFile(const std::filesystem::path& file, const std::string& bytes, const ReportSink& report,
                     std::optional<mode_t> mode = std::nullopt);

}  // namespace kv7::store
