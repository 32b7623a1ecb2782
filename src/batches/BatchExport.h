#pragma once
// The text records handed to the host: the end-of-batch record (one file per
// ended batch), the daily export and the date-range export. The line
// builders are pure functions of a batch row; the writers put them into the
// export directory so that a reader of the directory only ever sees whole
// files. The fixed widths are the host's contract (docs/exports.md): never
// change them. No text field ever carries a control character (CR, LF,
// NUL ...), a double quote, or the field separator outside the quoted note:
// each becomes a blank, "'" or ";", one character for one.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "store/BatchFigures.h"
#include "store/ConfigStore.h"
#include "store/ProgramRecord.h"

namespace kv7::batches {

// Decimal separator of the exported shares and percentages: "." unless the
// host was set up otherwise (key "sepexp" of section "kv2").
inline constexpr const char* kExportSeparatorSection = "kv2";
inline constexpr const char* kExportSeparatorKey = "sepexp";

struct ExportFormat {
  char decimal = '.';
};

// The export folder `direxp` names, with "/" for every "\\".
std::filesystem::path ExportDirectory(std::string direxp);

// The format the configuration asks for ("." when the key is missing or empty).
ExportFormat ExportFormatFrom(const store::ConfigStore& config);

// Display widths of the fixed-width records, from the column types.
namespace exportwidth {
inline constexpr std::size_t kBolla = 8;
inline constexpr std::size_t kProgramma = 3;     // VARCHAR(3)
inline constexpr std::size_t kCodiceBarre = 18;  // VARCHAR(18)
inline constexpr std::size_t kProduttore = 5;    // VARCHAR(5)
inline constexpr std::size_t kTotPartita = 11;   // INTEGER: "-2147483648"
inline constexpr std::size_t kShare = 9;         // "#####0.00"
inline constexpr std::size_t kPercentage = 6;    // "##0.00"
}  // namespace exportwidth

// The fixed-width fields (bolla, programma, codicebarre, produttore,
// totpartita, ttot1q1..ttot10q1, ttot1q3, ttotq5, perc1q1..perc10q1,
// perc1q3, percq5), each right-aligned to its width, a longer value whole.
std::vector<std::string> FixedWidthFields(const store::BatchRow& row, const ExportFormat& format);

// End-of-batch record: every field followed by ",", then CR LF.
std::string EndOfBatchLine(const store::BatchRow& row, const ExportFormat& format);
// Daily export: the same fields separated by ",", then CR LF.
std::string DailyLine(const store::BatchRow& row, const ExportFormat& format);

// Date-range export: the header line and one batch's line with the class
// codes of its program (nullopt when no program has its code: the codes are
// then empty).
std::string RangeHeader();
std::string RangeLine(const store::BatchRow& row, const std::optional<store::ProgramRecord>& program,
                      const ExportFormat& format);

// "dd_MM_yyyy.txt" of a day, whatever the locale.
std::string DailyFileName(const store::DbDateTime& day);
// "ddhhnnss" of a moment (no extension).
std::string RecordStem(const store::DbDateTime& at);
// The moment one second later (across days, months and years).
store::DbDateTime NextSecond(store::DbDateTime t);

// Outcome of writing a file into the export directory.
struct ExportWritten {
  bool ok = false;
  std::filesystem::path path;  // the file written
  std::string error;           // why not, when !ok
  store::DbDateTime at;        // the moment its name was made from
  bool gone = false;           // Publish: no prepared file to rename
};

// The end-of-batch record in two steps, so that a crash between them can be
// finished without writing the record twice. Prepare writes the line under
// the first free "ddhhnnss.t" from `at` on (taking over a ".t" left there
// holding the same line) and makes it durable. Publish gives the prepared
// file its ".txt" name, the next free second's when that is taken; `gone`
// tells that the ".t" is no longer there (it was published before).
ExportWritten PrepareRecord(const std::filesystem::path& dir, const store::DbDateTime& at,
                            const std::string& line);
ExportWritten PublishRecord(const std::filesystem::path& dir, const store::DbDateTime& preparedAt);
// Both steps: nothing is left under ".t", whatever the outcome.
ExportWritten WriteEndOfBatchRecord(const std::filesystem::path& dir, const store::DbDateTime& at,
                                    const std::string& line);
// A whole export file, created anew (an earlier file of that name is
// replaced at once, never seen half written).
ExportWritten WriteExportFile(const std::filesystem::path& file, const std::string& content);

}  // namespace kv7::batches
