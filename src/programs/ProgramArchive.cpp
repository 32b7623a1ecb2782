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

// The row as read with the written columns replaced.
audit::Fields WithValues(audit::Fields row, const DbAssignments& values) {
  for (const auto& [column, value] : values)
    for (auto& field : row)
      if (field.first == column) field.second = value;
  return row;
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

SaveOutcome SaveProgram(store::Database& db, const store::ProgramRecord& record, const std::string& code,
                        const audit::Actor& who) {
  const auto number = ProgramNumber(code);
  const std::string stored = number ? ProgramCodeText(*number) : code;
  const DbAssignments values = ProgramAssignments(record, stored);
  auto& connection = db.Connection();
  audit::EnsureAuditTable(connection);
  store::DbTransaction t(connection);
  DbTable programs(connection, store::table::kPrograms, {"num"});
  // A stored code with the same value, or a row whose `num` (the table's
  // key, the code's value) is that value, is the same program.
  const auto existing = StoredCode(db, code);
  std::optional<store::DbRow> before;
  if (existing && (before = programs.FindFirst("codiceprog", *existing)))
    programs.UpdateFirst("codiceprog", *existing, values);
  else if (number && (before = programs.FindFirst("num", static_cast<std::int64_t>(*number))))
    programs.UpdateFirst("num", static_cast<std::int64_t>(*number), values);
  audit::Fields after = values;
  if (before) {
    after = WithValues(audit::FieldsOf(*before), values);
  } else {
    if (!number) throw std::invalid_argument("program code \"" + code + "\" is not a number");
    after.insert(after.begin(), {"num", static_cast<std::int64_t>(*number)});
    programs.Insert(after);
  }
  audit::Record(connection, who,
                {"salva", store::table::kPrograms, stored,
                 before ? std::optional(audit::FieldsOf(*before)) : std::nullopt, after});
  t.Commit();
  return before ? SaveOutcome::Replaced : SaveOutcome::Inserted;
}

DeleteOutcome DeleteProgram(store::Database& db, const std::string& code, int currentProgram,
                            const audit::Actor& who) {
  const auto n = ProgramNumber(code);
  if (n && *n == currentProgram) return DeleteOutcome::RefusedCurrent;
  auto& connection = db.Connection();
  audit::EnsureAuditTable(connection);
  store::DbTransaction t(connection);
  DbTable programs(connection, store::table::kPrograms, {"num"});
  // A code that is not an integer is found by its text; an integer one by
  // its value, the first in `num` order.
  std::optional<store::DbRow> row;
  if (!n) {
    row = programs.FindFirst("codiceprog", code);
  } else {
    for (const auto& r : connection.Query("SELECT * FROM `programmi` ORDER BY `num` FOR UPDATE"))
      if (ProgramNumber(r.Text("codiceprog")) == n) {
        row = r;
        break;
      }
  }
  if (!row) return DeleteOutcome::NotFound;
  if (!n) programs.DeleteFirst("codiceprog", code);
  else programs.DeleteFirst("num", row->Get("num"));
  audit::Record(connection, who,
                {"cancella", store::table::kPrograms, row->Text("codiceprog"), audit::FieldsOf(*row), std::nullopt});
  t.Commit();
  return DeleteOutcome::Deleted;
}

}  // namespace kv7::programs
