#pragma once
// The two exports of stored batches for the host, from the archive: every
// batch of a date range (both ends inclusive, full date and time) and the
// batches of one day. Both write "dd_MM_yyyy.txt" of `today` into the export
// directory, created anew. Database failures throw store::DbError.

#include <filesystem>

#include "batches/BatchExport.h"
#include "store/Database.h"

namespace kv7::batches {

ExportWritten ExportRange(store::Database& db, const std::filesystem::path& dir,
                          const store::DbDateTime& from, const store::DbDateTime& to, bool header,
                          const store::DbDateTime& today, const ExportFormat& format);

ExportWritten ExportDaily(store::Database& db, const std::filesystem::path& dir,
                          const store::DbDateTime& today, const ExportFormat& format);

}  // namespace kv7::batches
