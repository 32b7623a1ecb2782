#include "batches/HostExport.h"

#include <map>

#include "programs/ProgramArchive.h"

namespace kv7::batches {
namespace {

std::vector<store::BatchRow> BatchesBetween(store::Database& db, const store::DbDateTime& from,
                                            const store::DbDateTime& to) {
  std::vector<store::BatchRow> rows;
  for (const auto& r : db.Connection().Query(
           "SELECT * FROM `bolle` WHERE `data` >= ? AND `data` <= ? ORDER BY `num`", {from, to}))
    rows.push_back(store::Database::BatchFromRow(r));
  return rows;
}

// Each program looked up once: a range can hold thousands of batches.
class ProgramCache {
 public:
  explicit ProgramCache(store::Database& db) : db_(db) {}
  const std::optional<store::ProgramRecord>& Find(const std::string& code) {
    auto it = cache_.find(code);
    if (it != cache_.end()) return it->second;
    // By the code's value, as the console finds programs everywhere.
    std::optional<store::ProgramRecord> found;
    if (auto loaded = programs::LoadProgramIntoEditor(db_, code, 0)) found = std::move(loaded->record);
    return cache_.emplace(code, std::move(found)).first->second;
  }

 private:
  store::Database& db_;
  std::map<std::string, std::optional<store::ProgramRecord>> cache_;
};

}  // namespace

ExportWritten ExportRange(store::Database& db, const std::filesystem::path& dir,
                          const store::DbDateTime& from, const store::DbDateTime& to, bool header,
                          const store::DbDateTime& today, const ExportFormat& format) {
  std::string content = header ? RangeHeader() : std::string();
  ProgramCache programs(db);
  for (const auto& row : BatchesBetween(db, from, to))
    content += RangeLine(row, programs.Find(row.programma), format);
  return WriteExportFile(dir / DailyFileName(today), content);
}

ExportWritten ExportDaily(store::Database& db, const std::filesystem::path& dir,
                          const store::DbDateTime& today, const ExportFormat& format) {
  store::DbDateTime first = today, last = today;
  first.hour = first.minute = first.second = 0;
  last.hour = 23;
  last.minute = last.second = 59;
  std::string content;
  for (const auto& row : BatchesBetween(db, first, last)) content += DailyLine(row, format);
  return WriteExportFile(dir / DailyFileName(today), content);
}

}  // namespace kv7::batches
