// kv7ctl batch list: the stored batches in number order, one line each with
// number, date, program, producer code, the producer's description (or
// "<nuovo produttore>"), the grand total in grams and the machine that
// sampled it. --from and --to take "YYYY-MM-DD hh:mm:ss" or a day alone: the
// start of that day for --from, its end for --to; --machine N keeps machine
// N's batches only. Archive from the KV7_DB_* environment.

#include <charconv>
#include <cstdio>
#include <optional>
#include <string>

#include "Command.h"
#include "batches/ProducerArchive.h"
#include "store/BatchFigures.h"
#include "store/Configuration.h"
#include "store/Database.h"
#include "store/DbError.h"

namespace kv7ctl {
namespace {

constexpr const char* kUsage = "list [--from DATE --to DATE] [--machine N]";

using kv7::store::DbDateTime;

int Usage() { return UsageError(std::string("batch: usage: kv7ctl batch ") + kUsage); }

int Fail(const std::string& message) {
  std::fprintf(stderr, "kv7ctl: batch: %s\n", message.c_str());
  return 1;
}

struct Filter {
  std::optional<DbDateTime> from, to;
  std::optional<std::int64_t> machine;
};

std::optional<std::int64_t> MachineNumber(const std::string& text) {
  std::int64_t n = 0;
  auto r = std::from_chars(text.data(), text.data() + text.size(), n);
  if (r.ec != std::errc() || r.ptr != text.data() + text.size()) return std::nullopt;
  if (n < kv7::store::kFirstMachine || n > kv7::store::kLastMachine) return std::nullopt;
  return n;
}

// nullopt for bad arguments.
std::optional<Filter> ParseFilter(const Args& a) {
  Filter f;
  for (std::size_t i = 1; i < a.size(); i += 2) {
    if (i + 1 >= a.size()) return std::nullopt;
    if (a[i] == "--machine") {
      if (f.machine) return std::nullopt;  // given twice
      f.machine = MachineNumber(a[i + 1]);
      if (!f.machine) return std::nullopt;
      continue;
    }
    const bool isFrom = a[i] == "--from";
    if (!isFrom && a[i] != "--to") return std::nullopt;
    auto& bound = isFrom ? f.from : f.to;
    if (bound) return std::nullopt;
    bound = DateBound(a[i + 1], !isFrom);
    if (!bound) return std::nullopt;
  }
  return f;
}

int List(kv7::store::Database& db, const Filter& filter) {
  if (!db.TableExists("bolle")) return Fail("table bolle does not exist");
  const auto producers = kv7::batches::FillProducerList(db);
  std::string sql = "SELECT * FROM `bolle` WHERE 1 = 1";
  std::vector<kv7::store::DbValue> params;
  if (filter.from) {
    sql += " AND `data` >= ?";
    params.emplace_back(*filter.from);
  }
  if (filter.to) {
    sql += " AND `data` <= ?";
    params.emplace_back(*filter.to);
  }
  for (const auto& r : db.Connection().Query(sql + " ORDER BY `num`", params)) {
    const auto row = kv7::store::Database::BatchFromRow(r);
    // Compared as read, so rows from before machines were told apart count as machine 1.
    if (filter.machine && row.macchina != *filter.machine) continue;
    const auto name = kv7::batches::LookupProducerByCode(producers, row.produttore);
    std::printf("%lld\t%s\t%s\t%s\t%s\t%lld\t%lld\n", static_cast<long long>(row.num),
                row.data ? row.data->ToString().c_str() : "", row.programma.c_str(), row.produttore.c_str(),
                name ? name->c_str() : "<nuovo produttore>",
                static_cast<long long>(kv7::store::ComputeBatchFigures(row).totale_gen),
                static_cast<long long>(row.macchina));
  }
  return 0;
}

int RunBatch(const Args& a) {
  if (a.empty() || a[0] != "list") return Usage();
  const auto filter = ParseFilter(a);
  if (!filter) return Usage();
  kv7::store::Database db;
  try {
    return List(db, *filter);
  } catch (const kv7::store::DbError& e) {
    return Fail(e.what());
  }
}

static Registration reg("batch", kUsage, &RunBatch);

}  // namespace
}  // namespace kv7ctl
