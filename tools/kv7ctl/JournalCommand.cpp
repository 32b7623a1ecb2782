// kv7ctl journal list [--work DIR], journal replay [--work DIR] [--dir DIR]
// and journal retry ID [--work DIR] [--dir DIR]: the ended batches still
// waiting in the journal of a working directory (default the current one)
// and those the archive refused, with the server's message; one replay of
// them into the archive and the export directory (default `direxp`); a
// refused batch put back and replayed after a repair. The replay's log
// lines go to stderr; exit 1 while anything still waits or is refused
// (retry: while that batch is not stored, or no refused batch has that
// identity).

#include <cstdio>
#include <optional>
#include <string>

#include "Command.h"
#include "batches/BatchJournal.h"
#include "store/ConfigStore.h"
#include "store/Configuration.h"

namespace kv7ctl {
namespace {

constexpr const char* kUsage = "list [--work DIR] | replay [--work DIR] [--dir DIR] | retry ID [--work DIR] [--dir DIR]";

int Usage() {
  return UsageError(std::string("journal: usage: kv7ctl journal ") + kUsage);
}

struct Options {
  std::string work = ".";
  std::optional<std::string> dir;
};

std::optional<Options> ParseOptions(const Args& a, std::size_t first, bool replay) {
  Options o;
  bool work = false;
  for (std::size_t i = first; i < a.size(); i += 2) {
    if (i + 1 >= a.size()) return std::nullopt;
    if (a[i] == "--work" && !work) {
      work = true;
      o.work = a[i + 1];
    } else if (a[i] == "--dir" && replay && !o.dir) {
      o.dir = a[i + 1];
    } else {
      return std::nullopt;
    }
  }
  return o;
}

void PrintLog(const std::string& line) {
  std::fputs(line.c_str(), stderr);
}

int List(kv7::batches::BatchJournal& journal) {
  for (const auto& e : journal.Entries())
    std::printf("%llu\t%s\t%s\t%s\t%s\t%s\n", static_cast<unsigned long long>(e.seq), e.id.c_str(),
                e.ended.ToString().c_str(), e.row.bolla.c_str(),
                e.stored ? ("archiviata " + std::to_string(e.row.num)).c_str() : "archivio in attesa",
                e.exported ? "record scritto" : "record in attesa");
  for (const auto& e : journal.Refused())
    std::printf("%llu\t%s\t%s\t%s\trifiutata: %s\t%s\n", static_cast<unsigned long long>(e.seq), e.id.c_str(),
                e.ended.ToString().c_str(), e.row.bolla.c_str(), e.refusal.c_str(),
                e.exported ? "record scritto" : "record in attesa");
  return 0;
}

int RunJournal(const Args& a) {
  if (a.empty() || (a[0] != "list" && a[0] != "replay" && a[0] != "retry")) return Usage();
  const bool replay = a[0] != "list", retry = a[0] == "retry";
  if (retry && a.size() < 2) return Usage();
  const auto o = ParseOptions(a, retry ? 2 : 1, replay);
  if (!o) return Usage();
  kv7::batches::BatchJournal journal(kv7::batches::BatchJournal::DirectoryIn(o->work), &PrintLog);
  if (!replay) return List(journal);
  if (retry && !journal.Retry(a[1])) {
    std::fprintf(stderr, "journal: nessuna bolla rifiutata con identita' %s\n", a[1].c_str());
    return 1;
  }
  const kv7::store::ConfigStore config;
  const std::filesystem::path dir =
      o->dir ? std::filesystem::path(*o->dir)
             : kv7::batches::ExportDirectory(config.ReadString("kv2", "direxp", kv7::store::Configuration{}.direxp));
  kv7::store::Database db;
  db.SetMachine(ConfiguredMachine());
  const auto s = journal.Replay(db, dir, kv7::batches::ExportFormatFrom(config));
  std::printf("archiviate %d, record scritti %d, in attesa: bolle %d, record %d, rifiutate %d\n", s.stored,
              s.exported, s.waitingBatches, s.waitingRecords, s.refusedBatches);
  for (const auto& r : s.refused) std::printf("rifiutata %s %s: %s\n", r.id.c_str(), r.bolla.c_str(), r.message.c_str());
  if (retry) {
    for (const auto& e : journal.Entries())
      if (e.id == a[1] && !e.stored) return 1;
    for (const auto& e : journal.Refused())
      if (e.id == a[1]) return 1;
    return 0;
  }
  return s.waitingBatches + s.waitingRecords + s.refusedBatches > 0 ? 1 : 0;
}

static Registration reg("journal", kUsage, &RunJournal);

}  // namespace
}  // namespace kv7ctl
