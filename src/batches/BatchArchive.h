#pragma once
// The batches (table `bolle`) as the "&Bolle" commands use them: the picker's
// list, what the editor is filled from for a new or a stored batch, saving
// and deleting. Plain C++ on a store::Database for the machine thread;
// database failures throw store::DbError.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "audit/AuditTrail.h"
#include "batches/ArchiveLog.h"
#include "batches/BatchWorkingSet.h"
#include "batches/ProducerArchive.h"
#include "prices/PriceList.h"
#include "programs/ProgramCodes.h"
#include "store/Database.h"

namespace kv7::batches {

// One entry of the picker. The number is kept with the entry: the text is
// for reading only and is never parsed back.
struct BatchListItem {
  std::int64_t num = 0;
  std::string text;
  bool newProducer = false;  // the text ends with kNewProducer
};

struct BatchList {
  std::vector<BatchListItem> items;  // sorted by text
  std::int64_t count = 0;            // BatchCount
  std::int64_t maxNumber = 1;        // BatchMaxNumber: 1 when `bolle` is missing
  // NumMax: the count right-aligned in 5 characters.
  std::string NumMaxText() const;
};

// num right-aligned in 5, date and time, program, delivery note, producer
// code, then the producer's name or " <nuovo produttore>", blank-separated.
std::string BatchListText(const store::BatchListEntry& entry);

// The whole list from one query.
BatchList FillBatchList(store::Database& db);
// BatchCount and BatchMaxNumber alone, for New.
BatchList CountBatches(store::Database& db);

// Class names and weight limits of one stored program, for the editor.
struct ProgramClasses {
  std::array<std::array<std::string, kClasses>, kQualities> names{};
  std::array<std::array<std::int64_t, kClasses + 1>, kQualities> limits{};
};

// Everything the batch editor shows besides the working set: the programs
// (the drop-down and, parallel to it, their classes) and the producers.
struct BatchEditorInput {
  enum class Program { Found, Missing, ArchiveEmpty };

  BatchWorkingSet ws;
  std::int64_t number = 0;
  bool isNew = true;
  bool inGrams = true;  // `totaligrammi` 1
  Program program = Program::Found;
  programs::ProgramLists programs;
  std::vector<ProgramClasses> classes;  // parallel to programs.entries
  std::vector<Producer> producers;
  // Modify: the row as it was read, which the save must find unchanged.
  std::optional<store::BatchRow> loaded;
  // Every price list, for the value shown below the totals.
  prices::PriceBook priceBook;

  // The list position (0-based) of the program NProgramma names; -1 if none.
  int ProgramIndex(const std::string& program) const;
};

// New ("&Nuova"): shows BatchMaxNumber + 1, the number the batch expects
// (it takes its own when saved); `current` reset as
// ResetBatchEditor does (totals "0", no note) and shown with the first
// listed program, dated `now`.
BatchEditorInput PrepareNewBatch(store::Database& db, BatchWorkingSet current, bool inGrams,
                                 const store::DbDateTime& now);
// Modify ("&Modifica"): batch n as stored, kept in `loaded`. When it no
// longer exists `loaded` is empty and the editor keeps `current`.
BatchEditorInput PrepareEditBatch(store::Database& db, std::int64_t n, BatchWorkingSet current, bool inGrams);

// A text of the working set that a save cannot store as a number: the
// editor's field name ("TotC3Q2", "LavoratoQ5", "TotalePart", "numcasse",
// "numpedane") and the text.
struct BadField {
  std::string field;
  std::string text;
  bool operator==(const BadField&) const = default;
};
// The first such text; nullopt when the batch can be saved.
std::optional<BadField> CheckBatchTexts(const BatchWorkingSet& ws);

// Widths of the text columns of `bolle`.
struct TextColumn {
  const char* name;
  std::size_t width;
};
const std::vector<TextColumn>& BatchTextColumns();

// A text cut to its column's width, with the text as it was (cleaned).
struct CutText {
  const char* column;
  std::size_t width;
  std::string text;
};
// The row as the archive keeps it: every text valid UTF-8 (bytes that are
// not are read as Latin-1), the barcode without control characters, each
// text cut to its column's width. Returns the cuts; `changed` tells whether
// any text changed (a fitted row stays as it is).
std::vector<CutText> FitTexts(store::BatchRow& row, bool* changed = nullptr);
// One log line per cut, headed by `who` ("Bolla 42").
void LogCuts(const LogSink& log, const std::string& who, const std::vector<CutText>& cuts);
// FitTexts with the cuts logged under `what`; true when anything changed.
bool FitForArchive(store::BatchRow& row, const std::string& what, const LogSink& log);

// What a save of the editor came to. Only Saved has written anything.
struct SaveResult {
  enum class Status { Saved, BadField, Deleted, Changed };
  Status status = Status::Saved;
  std::int64_t number = 0;  // the batch's registration number
  std::optional<BadField> bad;
};

// New: the batch takes its number (highest + 1) in the transaction that
// inserts it, by the journal's own numbering; `number` is the one given. It
// is the database's machine's batch.
// Texts are fitted (FitTexts) and the cuts logged. Each save and delete
// records its audit row (`who`) in the transaction that writes.
SaveResult SaveNewBatch(store::Database& db, const BatchWorkingSet& ws, const LogSink& log,
                        const audit::Actor& who);
// Modify: writes over `loaded.num`, keeping its machine, only while that row
// is still exactly `loaded`; a row deleted or changed since is left as it is
// (Deleted, Changed).
SaveResult SaveEditedBatch(store::Database& db, const store::BatchRow& loaded, const BatchWorkingSet& ws,
                           const LogSink& log, const audit::Actor& who);
// The row a save writes, before the texts are fitted, sampled on `machine`.
store::BatchRow BatchRowFromWorkingSet(std::int64_t n, const BatchWorkingSet& ws, std::int64_t machine);

// Delete ("&Cancella"): batch n, with its audit row, then written whole to the log; false when
// there is no such batch.
bool DeleteBatch(store::Database& db, std::int64_t n, const LogSink& log, const audit::Actor& who);

}  // namespace kv7::batches
