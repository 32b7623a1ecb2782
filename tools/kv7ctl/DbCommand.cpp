// kv7ctl db: the archive as the console sees it, through the data module's
// own operations. Connection from the credentials file and the KV7_DB_*
// environment (see DbParams.h).

#include <charconv>
#include <cstdio>
#include <optional>
#include <string>

#include "Command.h"
#include "NewPassword.h"
#include "store/ArchiveDump.h"
#include "store/Database.h"
#include "store/DbSchema.h"
#include "store/DbUsers.h"
#include "store/SideFiles.h"

namespace kv7ctl {
namespace {

constexpr const char* kUsage =
    "init [--create-user NAME [--read-only] [--host HOST] [--password-file FILE]] | count TABLE | batch NUM | program CODE | selection | selection set PROGRAM PRODUCER | backup FILE [TABLE...]";

using kv7::store::Database;

int Usage() {
  return UsageError(std::string("db: usage: kv7ctl db ") + kUsage);
}

int Fail(const std::string& message) {
  std::fprintf(stderr, "kv7ctl: db: %s\n", message.c_str());
  return 1;
}

void Print(const std::string& column, const std::string& value) {
  std::printf("%s=%s\n", column.c_str(), value.c_str());
}

// "init" with the options of a new login: nullopt for a plain init.
struct NewUser {
  kv7::store::ArchiveUser user;
  std::string passwordFile;
};

std::optional<NewUser> NewUserOptions(const Args& a, bool& wrong) {
  wrong = false;
  if (a.size() == 1) return std::nullopt;
  NewUser n;
  for (std::size_t i = 1; i < a.size(); ++i) {
    const bool valued = i + 1 < a.size();
    if (a[i] == "--read-only") {
      n.user.readOnly = true;
    } else if (a[i] == "--create-user" && valued) {
      n.user.name = a[++i];
    } else if (a[i] == "--host" && valued) {
      n.user.host = a[++i];
    } else if (a[i] == "--password-file" && valued) {
      n.passwordFile = a[++i];
    } else {
      wrong = true;
    }
  }
  wrong = wrong || n.user.name.empty();
  return n;
}

int Init(Database& db, const Args& a) {
  bool wrong = false;
  const auto newUser = NewUserOptions(a, wrong);
  if (wrong) return Usage();
  // The password first: a mistyped one changes nothing.
  std::string password, why;
  if (newUser) {
    auto given = newUser->passwordFile.empty()
                     ? PasswordTypedTwice("password for " + newUser->user.name, why)
                     : PasswordFromFile(newUser->passwordFile, why);
    if (!given) return Fail(why);
    password = std::move(*given);
  }
  for (const auto& change : db.InitSchema()) std::printf("%s\n", change.c_str());
  std::printf("database %s ready\n", db.Params().database.c_str());
  if (!newUser) return 0;
  const auto grant = kv7::store::CreateArchiveUser(db.Connection(), db.Params().database, newUser->user, password);
  std::printf("granted %s\n", grant.c_str());
  return 0;
}

int Count(Database& db, const std::string& table) {
  if (!db.TableExists(table)) return Fail("table " + table + " does not exist");
  std::printf("%lld\n", static_cast<long long>(db.Table(table).Count()));
  return 0;
}

int Batch(Database& db, const std::string& text) {
  long long num = 0;
  auto r = std::from_chars(text.data(), text.data() + text.size(), num);
  if (r.ec != std::errc() || r.ptr != text.data() + text.size()) return Usage();
  kv7::store::BatchRow row;
  kv7::store::BatchFigures figures;
  if (!db.LoadBatchByNumber(num, row, figures)) return Fail("no batch " + text);
  for (const auto& [column, value] : kv7::store::BatchColumnTexts(row, figures)) Print(column, value);
  return 0;
}

int Program(Database& db, const std::string& code) {
  kv7::store::ProgramRecord p;
  if (!db.LoadProgramByCode(code, p)) return Fail("no program with code \"" + code + "\"");
  using kv7::store::ClassColumn;
  Print("codiceprog", p.code);
  Print("descrizione", p.description);
  for (int q = 1; q <= 4; ++q) {
    for (int k = 1; k <= 16; ++k) Print(ClassColumn("pesocal", k, q), p.limit[q - 1][k - 1]);
    for (int c = 1; c <= 15; ++c) Print(ClassColumn("nomecal", c, q), p.name[q - 1][c - 1]);
  }
  for (int q = 1; q <= 4; ++q)
    for (int c = 1; c <= 15; ++c) Print(ClassColumn("codicec", c, q), p.classCode[q - 1][c - 1]);
  Print("codiceq5", p.rejectCode);
  return 0;
}

int Selection(Database& db, const Args& a) {
  if (a.size() == 1) {
    kv7::store::CurrentSelection s;
    bool stored = db.LoadCurrentSelection(s);
    Print("programma", s.program);
    Print("produttore", s.producer);
    return stored ? 0 : 1;
  }
  if (a.size() == 4 && a[1] == "set") {
    if (!db.SaveCurrentSelection(a[2], a[3])) return Fail("table temporary does not exist");
    return 0;
  }
  return Usage();
}

// The archive (every table, or the ones named) as SQL text that the mariadb
// client loads back; the resets' copies come from the same code.
int Backup(Database& db, const Args& a) {
  auto& c = db.Connection();
  Args tables(a.begin() + 2, a.end());
  if (tables.empty()) tables = kv7::store::DatabaseTables(c);
  if (tables.empty()) return Fail("database " + db.Params().database + " has no tables");
  for (const auto& t : tables)
    if (!c.TableExists(t)) return Fail("table " + t + " does not exist");
  std::string problem;
  if (!kv7::store::ReplaceSideFile(a[1], kv7::store::DumpTables(c, tables),
                                   [&problem](const std::string& m) { problem = m; }))
    return Fail(problem);
  return 0;
}

int RunDb(const Args& a) {
  if (a.empty()) return Usage();
  Database db;
  db.SetMachine(ConfiguredMachine());
  try {
    if (a[0] == "init") return Init(db, a);
    if (a[0] == "count" && a.size() == 2) return Count(db, a[1]);
    if (a[0] == "batch" && a.size() == 2) return Batch(db, a[1]);
    if (a[0] == "program" && a.size() == 2) return Program(db, a[1]);
    if (a[0] == "selection") return Selection(db, a);
    if (a[0] == "backup" && a.size() >= 2) return Backup(db, a);
  } catch (const kv7::store::DbError& e) {
    return Fail(e.what());
  }
  return Usage();
}

static Registration reg("db", kUsage, &RunDb);

}  // namespace
}  // namespace kv7ctl
