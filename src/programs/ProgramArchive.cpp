#include "programs/ProgramArchive.h"

#include <stdexcept>

#include "store/DbSchema.h"

namespace kv7::programs {
namespace {

using store::ClassColumn;
using store::DbAssignments;
using store::DbTable;
using store::DbValue;

DbAssignments ProgramAssignments(const store::ProgramRecord& r, const std::string& code) {
  DbAssignments a;
  a.emplace_back("codiceprog", code);
  a.emplace_back("descrizione", r.description);
  for (int q = 1; q <= kQualities; ++q) {
    const auto qi = static_cast<std::size_t>(q - 1);
    for (int k = 1; k <= kLimits; ++k) {
      const auto& text = r.limit[qi][static_cast<std::size_t>(k - 1)];
      auto v = ProgramNumber(text);
      if (!v)
        throw std::invalid_argument("limit " + ClassColumn("pesocal", k, q) + " is not a number: " + text);
      a.emplace_back(ClassColumn("pesocal", k, q), static_cast<std::int64_t>(*v));
    }
    for (int c = 1; c <= kClasses; ++c) {
      a.emplace_back(ClassColumn("nomecal", c, q), r.name[qi][static_cast<std::size_t>(c - 1)]);
      a.emplace_back(ClassColumn("codicec", c, q), r.classCode[qi][static_cast<std::size_t>(c - 1)]);
    }
  }
  a.emplace_back("codiceq5", r.rejectCode);
  return a;
}

DbTable Programs(store::Database& db) {
  return db.Table(store::table::kPrograms);
}

// The code `code` is stored under: for an integer code, the first stored
// code (in `num` order) with its value, so "7" and "007" written by other
// tools are the same program as "07"; any other code as it is. nullopt when
// no stored code has that value.
std::optional<std::string> StoredCode(store::Database& db, const std::string& code) {
  const auto n = ProgramNumber(code);
  if (!n) return code;
  for (const auto& row : db.Connection().Query("SELECT `codiceprog` FROM `programmi` ORDER BY `num`")) {
    std::string stored = store::ToText(row[0]);
    if (ProgramNumber(stored) == n) return stored;
  }
  return std::nullopt;
}

}  // namespace

ProgramLists FillProgramLists(store::Database& db) {
  if (!db.TableExists(store::table::kPrograms)) return {};
  auto rows =
      db.Connection().Query("SELECT `codiceprog`, `descrizione` FROM `programmi` ORDER BY `num` LIMIT " +
                            std::to_string(kMaxListedPrograms));
  std::vector<ProgramListEntry> entries;
  entries.reserve(rows.size());
  for (const auto& row : rows) entries.push_back({store::ToText(row[0]), store::ToText(row[1])});
  return MakeProgramLists(std::move(entries));
}

std::optional<LoadedProgram> LoadProgramIntoEditor(store::Database& db, const std::string& code,
                                                   int multiplier) {
  LoadedProgram p;
  const auto stored = StoredCode(db, code);
  if (!stored || !db.LoadProgramByCode(*stored, p.record)) return std::nullopt;
  p.texts = ShowProgram(p.record, multiplier);
  return p;
}

std::optional<LoadedProgram> LoadProgramByNumber(store::Database& db, int n, int multiplier) {
  return LoadProgramIntoEditor(db, ProgramCodeText(n), multiplier);
}

std::optional<BoardProgram> PrepareBoardProgram(store::Database& db, int n,
                                                const store::Configuration& config) {
  auto loaded = LoadProgramByNumber(db, n, config.xmoltiply);
  if (!loaded) return std::nullopt;
  auto blocks = BuildLineProgramBlocks(n, loaded->texts, LineQualitiesOf(config), config.xmoltiply);
  if (!blocks) return std::nullopt;
  return BoardProgram{std::move(*loaded), std::move(*blocks)};
}

SaveOutcome SaveProgram(store::Database& db, const store::ProgramRecord& record, const std::string& code) {
  const auto number = ProgramNumber(code);
  const std::string stored = number ? ProgramCodeText(*number) : code;
  const DbAssignments values = ProgramAssignments(record, stored);
  auto& connection = db.Connection();
  store::DbTransaction t(connection);
  DbTable programs(connection, store::table::kPrograms, {"num"});
  SaveOutcome outcome = SaveOutcome::Replaced;
  // A stored code with the same value, or a row whose `num` (the table's
  // key, the code's value) is that value, is the same program.
  const auto existing = StoredCode(db, code);
  if (!(existing && programs.UpdateFirst("codiceprog", *existing, values)) &&
      !(number && programs.UpdateFirst("num", static_cast<std::int64_t>(*number), values))) {
    if (!number) throw std::invalid_argument("program code \"" + code + "\" is not a number");
    DbAssignments row = values;
    row.insert(row.begin(), {"num", static_cast<std::int64_t>(*number)});
    programs.Insert(row);
    outcome = SaveOutcome::Inserted;
  }
  t.Commit();
  return outcome;
}

bool DeleteProgramByCode(store::Database& db, const std::string& code) {
  return Programs(db).DeleteFirst("codiceprog", code);
}

bool DeleteProgramByNumber(store::Database& db, int n) {
  for (const auto& row :
       db.Connection().Query("SELECT `num`, `codiceprog` FROM `programmi` ORDER BY `num`")) {
    if (ProgramNumber(store::ToText(row[1])) == n) return Programs(db).DeleteFirst("num", row[0]);
  }
  return false;
}

DeleteOutcome DeleteProgram(store::Database& db, const std::string& code, int currentProgram) {
  auto n = ProgramNumber(code);
  bool deleted = false;
  if (!n) {
    deleted = DeleteProgramByCode(db, code);
  } else {
    if (*n == currentProgram) return DeleteOutcome::RefusedCurrent;
    deleted = DeleteProgramByNumber(db, *n);
  }
  return deleted ? DeleteOutcome::Deleted : DeleteOutcome::NotFound;
}

}  // namespace kv7::programs
