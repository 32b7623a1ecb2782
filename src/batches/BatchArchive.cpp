#include "batches/BatchArchive.h"

#include <algorithm>
#include <climits>

#include "batches/BatchNumbering.h"
#include "batches/BatchRules.h"
#include "batches/ReaderText.h"
#include "prices/PriceArchive.h"
#include "programs/ProgramArchive.h"
#include "store/DbSchema.h"

namespace kv7::batches {
namespace {

// The audit row of a change to batch n: the rows as the archive holds them.
audit::Change BatchChange(const char* action, std::int64_t n, const std::optional<store::BatchRow>& before,
                          const std::optional<store::BatchRow>& after) {
  const auto fields = [](const std::optional<store::BatchRow>& row) -> std::optional<audit::Fields> {
    if (!row) return std::nullopt;
    return store::Database::BatchAssignments(*row);
  };
  return {action, store::table::kBatches, std::to_string(n), fields(before), fields(after)};
}

using store::ClassColumn;

std::string TotalField(int c, int q) {
  return "TotC" + std::to_string(c) + "Q" + std::to_string(q);
}

// A number field as a save reads it: empty is 0, otherwise a whole number
// that fits the integer column.
std::optional<std::int64_t> ColumnInteger(const std::string& text) {
  if (text.find_first_not_of(' ') == std::string::npos) return 0;
  auto v = ParseInteger(text);
  if (!v || *v < INT32_MIN || *v > INT32_MAX) return std::nullopt;
  return v;
}

// Every program's classes, in the order of the program lists.
std::vector<ProgramClasses> LoadProgramClasses(store::Database& db) {
  std::string columns;
  for (int q = 1; q <= kQualities; ++q) {
    for (int c = 1; c <= kClasses; ++c) columns += ", " + store::QuoteIdentifier(ClassColumn("nomecal", c, q));
    for (int k = 1; k <= kClasses + 1; ++k)
      columns += ", " + store::QuoteIdentifier(ClassColumn("pesocal", k, q));
  }
  std::vector<ProgramClasses> list;
  for (const auto& row : db.Connection().Query("SELECT `num`" + columns + " FROM `programmi` ORDER BY `num` LIMIT " +
                                               std::to_string(programs::kMaxListedPrograms))) {
    ProgramClasses p;
    for (std::size_t q = 0; q < kQualities; ++q) {
      for (std::size_t c = 0; c < kClasses; ++c) p.names[q][c] = row.Text(ClassColumn("nomecal", int(c) + 1, int(q) + 1));
      for (std::size_t k = 0; k <= kClasses; ++k) p.limits[q][k] = row.Int(ClassColumn("pesocal", int(k) + 1, int(q) + 1));
    }
    list.push_back(std::move(p));
  }
  return list;
}

BatchEditorInput EditorInput(store::Database& db, BatchWorkingSet ws, bool inGrams) {
  BatchEditorInput in;
  in.ws = std::move(ws);
  in.inGrams = inGrams;
  in.programs = programs::FillProgramLists(db);
  if (in.programs.Count() > 0) in.classes = LoadProgramClasses(db);
  in.producers = FillProducerList(db);
  in.priceBook = prices::LoadPriceBook(db);
  return in;
}

// The program a stored batch names: one leading "0" stripped, read as a number.
void ResolveProgram(BatchEditorInput& in) {
  if (in.programs.Count() == 0) {
    in.program = BatchEditorInput::Program::ArchiveEmpty;
    return;
  }
  std::string_view text = in.ws.program;
  if (!text.empty() && text.front() == '0') text.remove_prefix(1);
  auto p = programs::ProgramNumber(text);
  if (p && in.programs.codes.HasNumber(*p)) {
    in.ws.program = programs::ProgramCodeText(*p);
    in.program = BatchEditorInput::Program::Found;
  } else {
    in.program = BatchEditorInput::Program::Missing;
  }
}

}  // namespace

std::string BatchList::NumMaxText() const {
  return RightAligned(std::to_string(count), 5);
}

std::string BatchListText(const store::BatchListEntry& e) {
  store::BatchRow dated;
  dated.data = e.data;
  std::string s = RightAligned(std::to_string(e.num), 5);
  s += ' ';
  s += dated.DateText();
  s += ' ';
  s += dated.TimeText();
  for (const std::string* part : {&e.programma, &e.bolla, &e.produttore}) {
    s += ' ';
    s += *part;
  }
  s += ' ';
  s += e.producerName ? *e.producerName : std::string(kNewProducer);
  return s;
}

BatchList FillBatchList(store::Database& db) {
  BatchList list;
  if (!db.TableExists(store::table::kBatches)) return list;
  auto entries = db.ListBatches();
  list.items.reserve(entries.size());
  list.maxNumber = 0;
  for (const auto& e : entries) {
    list.items.push_back({e.num, BatchListText(e), !e.producerName});
    list.maxNumber = std::max(list.maxNumber, e.num);
  }
  list.count = static_cast<std::int64_t>(entries.size());
  std::sort(list.items.begin(), list.items.end(),
            [](const BatchListItem& a, const BatchListItem& b) { return a.text < b.text; });
  return list;
}

BatchList CountBatches(store::Database& db) {
  BatchList list;
  if (!db.TableExists(store::table::kBatches)) return list;
  auto row = db.Connection().QueryFirst("SELECT COUNT(*), COALESCE(MAX(`num`), 0) FROM `bolle`");
  list.count = store::ToInteger((*row)[0]);
  list.maxNumber = store::ToInteger((*row)[1]);
  return list;
}

int BatchEditorInput::ProgramIndex(const std::string& program) const {
  auto n = programs::ProgramNumber(program);
  const auto& codes = programs.codes.Codes();
  for (std::size_t i = 0; i < codes.size(); ++i)
    if (n ? programs::ProgramNumber(codes[i]) == n : codes[i] == program) return static_cast<int>(i);
  return -1;
}

BatchEditorInput PrepareNewBatch(store::Database& db, BatchWorkingSet current, bool inGrams,
                                 const store::DbDateTime& now) {
  ResetWorkingSet(current);
  current.date = now;
  BatchEditorInput in = EditorInput(db, std::move(current), inGrams);
  in.number = CountBatches(db).maxNumber + 1;
  in.isNew = true;
  if (in.programs.Count() > 0) {
    const auto& first = in.programs.codes.At(1);
    auto n = programs::ProgramNumber(first);
    in.ws.program = n ? programs::ProgramCodeText(*n) : first;
  }
  in.program = in.programs.Count() > 0 ? BatchEditorInput::Program::Found : BatchEditorInput::Program::ArchiveEmpty;
  return in;
}

BatchEditorInput PrepareEditBatch(store::Database& db, std::int64_t n, BatchWorkingSet current, bool inGrams) {
  store::BatchRow row;
  const bool found = db.LoadBatchByNumber(n, row);
  if (found) {
    std::string name = current.nomeProd;
    current = WorkingSetFromRow(row);
    current.nomeProd = name;
  }
  BatchEditorInput in = EditorInput(db, std::move(current), inGrams);
  if (found) in.loaded = row;
  in.number = n;
  in.isNew = false;
  in.ws.nomeProd = LookupProducerByCode(in.producers, in.ws.codProd).value_or(in.ws.nomeProd);
  ResolveProgram(in);
  return in;
}

std::optional<BadField> CheckBatchTexts(const BatchWorkingSet& ws) {
  for (int q = 1; q <= kQualities; ++q)
    for (int c = 1; c <= kClasses; ++c) {
      const auto& t = ws.totals[std::size_t(q - 1)][std::size_t(c - 1)];
      if (!ColumnInteger(t)) return BadField{TotalField(c, q), t};
    }
  const std::pair<const char*, const std::string*> others[] = {
      {"LavoratoQ5", &ws.reject}, {"TotalePart", &ws.totalePart}, {"numcasse", &ws.numCasse},
      {"numpedane", &ws.numPedane}};
  for (const auto& [field, text] : others)
    if (!ColumnInteger(*text)) return BadField{field, *text};
  return std::nullopt;
}

const std::vector<TextColumn>& BatchTextColumns() {
  static const std::vector<TextColumn> columns{{"programma", 3}, {"bolla", 15},  {"codicebarre", 18},
                                               {"produttore", 5}, {"note", 90},  {"lotto", 15},
                                               {"operatore", 2}};
  return columns;
}

std::vector<CutText> FitTexts(store::BatchRow& row, bool* changed) {
  std::string* texts[] = {&row.programma, &row.bolla, &row.codicebarre, &row.produttore,
                          &row.note,      &row.lotto, &row.operatore};
  const auto& columns = BatchTextColumns();
  std::vector<CutText> cuts;
  for (std::size_t i = 0; i < columns.size(); ++i) {
    std::string& text = *texts[i];
    std::string fit = &text == &row.codicebarre ? CleanBarcode(text) : Utf8OrLatin1(text);
    if (CharCount(fit) > columns[i].width) {
      cuts.push_back({columns[i].name, columns[i].width, fit});
      fit = FirstChars(fit, columns[i].width);
    }
    if (fit == text) continue;
    text = std::move(fit);
    if (changed) *changed = true;
  }
  return cuts;
}

void LogCuts(const LogSink& log, const std::string& who, const std::vector<CutText>& cuts) {
  for (const auto& cut : cuts)
    WriteLog(log, LogLines(who + ", " + cut.column + " tagliato a " + std::to_string(cut.width) + " caratteri",
                           {{"testo", cut.text}}));
}

bool FitForArchive(store::BatchRow& row, const std::string& what, const LogSink& log) {
  bool changed = false;
  LogCuts(log, what, FitTexts(row, &changed));
  return changed;
}

store::BatchRow BatchRowFromWorkingSet(std::int64_t n, const BatchWorkingSet& ws, std::int64_t machine) {
  store::BatchRow row;
  row.num = n;
  row.macchina = machine;
  row.data = ws.date;
  row.programma = ws.program;
  for (std::size_t q = 0; q < kQualities; ++q)
    for (std::size_t c = 0; c < kClasses; ++c) row.tot[q][c] = ColumnInteger(ws.totals[q][c]).value_or(0);
  row.totq5 = ColumnInteger(ws.reject).value_or(0);
  row.totpartita = ColumnInteger(ws.totalePart).value_or(0);
  row.numerocasse = ColumnInteger(ws.numCasse).value_or(0);
  row.numeropedane = ColumnInteger(ws.numPedane).value_or(0);
  row.bolla = ws.numero;
  row.produttore = ws.codProd;
  row.note = NormaliseNote(ws.note, SIZE_MAX);
  row.codicebarre = ws.codBar;
  row.lotto = ws.lotto;
  row.operatore = ws.operatore;
  return row;
}

SaveResult SaveNewBatch(store::Database& db, const BatchWorkingSet& ws, const LogSink& log,
                        const audit::Actor& who) {
  if (auto bad = CheckBatchTexts(ws)) return {SaveResult::Status::BadField, 0, bad};
  store::BatchRow row = BatchRowFromWorkingSet(0, ws, db.Machine());
  const auto cuts = FitTexts(row);
  // An identity of its own, as an ended batch has: a try again after a
  // lost answer to the commit finds the row instead of adding a second one.
  audit::EnsureAuditTable(db.Connection());
  StoreOnce(db, row, NewBatchIdentity(), [&who](store::DbConnection& c, const store::BatchRow& stored) {
    audit::Record(c, who, BatchChange("nuova", stored.num, std::nullopt, stored));
  });
  LogCuts(log, "Bolla " + std::to_string(row.num), cuts);
  return {SaveResult::Status::Saved, row.num, std::nullopt};
}

SaveResult SaveEditedBatch(store::Database& db, const store::BatchRow& loaded, const BatchWorkingSet& ws,
                           const LogSink& log, const audit::Actor& who) {
  if (auto bad = CheckBatchTexts(ws)) return {SaveResult::Status::BadField, loaded.num, bad};
  store::BatchRow row = BatchRowFromWorkingSet(loaded.num, ws, loaded.macchina);
  const auto cuts = FitTexts(row);
  audit::EnsureAuditTable(db.Connection());
  const auto outcome = UpdateIfUnchanged(db, loaded, row, [&](store::DbConnection& c, const store::BatchRow& written) {
    audit::Record(c, who, BatchChange("modifica", written.num, loaded, written));
  });
  switch (outcome) {
    case EditOutcome::Deleted:
      return {SaveResult::Status::Deleted, loaded.num, std::nullopt};
    case EditOutcome::Changed:
      return {SaveResult::Status::Changed, loaded.num, std::nullopt};
    case EditOutcome::Saved:
      break;
  }
  LogCuts(log, "Bolla " + std::to_string(row.num), cuts);
  return {SaveResult::Status::Saved, row.num, std::nullopt};
}

bool DeleteBatch(store::Database& db, std::int64_t n, const LogSink& log, const audit::Actor& who) {
  audit::EnsureAuditTable(db.Connection());
  // The audit row, in the delete's transaction, keeps the whole row; the log
  // gets it once the delete has committed (a retried transaction would
  // otherwise log it twice).
  const auto deleted = DeleteStored(db, n, [&](store::DbConnection& c, const store::BatchRow& row) {
    audit::Record(c, who, BatchChange("cancella", n, row, std::nullopt));
  });
  if (!deleted) return false;
  auto columns = store::BatchColumnTexts(*deleted, store::BatchFigures{});
  columns.resize(store::BatchColumns().size());  // the stored columns
  WriteLog(log, LogLines("Bolla cancellata", columns));
  return true;
}

}  // namespace kv7::batches
