// kv7ctl program: the program list as the list windows show it, and the six
// "F" blocks the console sends to the board for a program, built with the
// stored configuration (line qualities, weight multiplier). Archive from the
// KV7_DB_* environment, configuration from the configuration store.

#include <cstdio>
#include <string>

#include "Command.h"
#include "programs/ProgramArchive.h"
#include "programs/ProgramBlocks.h"
#include "store/ConfigStore.h"
#include "store/Configuration.h"

namespace kv7ctl {
namespace {

constexpr const char* kUsage = "list | blocks CODE [--number N]";

namespace programs = kv7::programs;

int Usage() {
  return UsageError(std::string("program: usage: kv7ctl program ") + kUsage);
}

int Fail(const std::string& message) {
  std::fprintf(stderr, "kv7ctl: program: %s\n", message.c_str());
  return 1;
}

int List(kv7::store::Database& db) {
  if (!db.TableExists("programmi")) return Fail("table programmi does not exist");
  const auto lists = programs::FillProgramLists(db);
  for (int p = 1; p <= lists.Count(); ++p) {
    const auto& e = lists.entries[static_cast<std::size_t>(p - 1)];
    std::printf("%d\t%s\t%s\n", p, e.code.c_str(), e.description.c_str());
  }
  return 0;
}

int Blocks(kv7::store::Database& db, const Args& a) {
  const std::string& code = a[1];
  std::optional<int> number = programs::ProgramNumber(code);
  if (a.size() == 4) {
    if (a[2] != "--number") return Usage();
    number = programs::ProgramNumber(a[3]);
    if (!number || *number > 99) return UsageError("program: --number takes 0..99, not '" + a[3] + "'");
  } else if (a.size() != 2) {
    return Usage();
  }
  if (!number || *number > 99)
    return UsageError("program: code \"" + code + "\" has no program number 0..99; give one with --number");
  kv7::store::Configuration config;
  kv7::store::LoadConfiguration(config, kv7::store::ConfigStore(), [](const std::string& warning) {
    std::fprintf(stderr, "kv7ctl: program: %s\n", warning.c_str());
  });
  auto loaded = programs::LoadProgramIntoEditor(db, code, config.xmoltiply);
  if (!loaded) return Fail("no program with code \"" + programs::LookupCode(code) + "\"");
  auto blocks = programs::BuildLineProgramBlocks(*number, loaded->texts, programs::LineQualitiesOf(config),
                                                 config.xmoltiply);
  if (!blocks) return Fail("program \"" + code + "\" holds a limit that is not a number");
  for (const auto& b : *blocks) std::printf("%s\n", b.c_str());
  return 0;
}

int RunProgram(const Args& a) {
  if (a.empty()) return Usage();
  if (a[0] != "list" && a[0] != "blocks") return Usage();
  if ((a[0] == "list" && a.size() != 1) || (a[0] == "blocks" && a.size() < 2)) return Usage();
  kv7::store::Database db;
  try {
    return a[0] == "list" ? List(db) : Blocks(db, a);
  } catch (const kv7::store::DbError& e) {
    return Fail(e.what());
  }
}

static Registration reg("program", kUsage, &RunProgram);

}  // namespace
}  // namespace kv7ctl
