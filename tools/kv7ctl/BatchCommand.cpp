// kv7ctl batch list: the stored batches in number order, one line each with
// number, date, program, producer code, the producer's description (or
// "<nuovo produttore>") and the grand total in grams. --from and --to take
// "YYYY-MM-DD hh:mm:ss" or a day alone: the start of that day for --from,
// its end for --to. Archive from the KV7_DB_* environment.

#include <cstdio>
#include <optional>
#include <string>

#include "Command.h"
#include "batches/ProducerArchive.h"
#include "store/BatchFigures.h"
#include "store/Database.h"
#include "store/DbError.h"

namespace kv7ctl {
namespace {

constexpr const char* kUsage = "list [--from DATE --to DATE]";

using kv7::store::DbDateTime;

int Usage() { return UsageError(std::string("batch: usage: kv7ctl batch ") + kUsage); }

int Fail(const std::string& message) {
  std::fprintf(stderr, "kv7ctl: batch: %s\n", message.c_str());
  return 1;
}

// A day alone is widened to its first or last second.
std::optional<DbDateTime> Bound(const std::string& text, bool end) {
  auto d = DbDateTime::Parse(text);
  if (d && text.find(' ') == std::string::npos && end) {
    d->hour = 23;
    d->minute = 59;
    d->second = 59;
  }
  return d;
}

struct Range {
  std::optional<DbDateTime> from, to;
};

// nullopt for bad arguments.
std::optional<Range> ParseRange(const Args& a) {
  Range r;
  for (std::size_t i = 1; i < a.size(); i += 2) {
    if (i + 1 >= a.size()) return std::nullopt;
    const bool isFrom = a[i] == "--from";
    if (!isFrom && a[i] != "--to") return std::nullopt;
    auto& bound = isFrom ? r.from : r.to;
    if (bound) return std::nullopt;  // given twice
    bound = Bound(a[i + 1], !isFrom);
    if (!bound) return std::nullopt;
  }
  return r;
}

int List(kv7::store::Database& db, const Range& range) {
  if (!db.TableExists("bolle")) return Fail("table bolle does not exist");
  const auto producers = kv7::batches::FillProducerList(db);
  std::string sql = "SELECT * FROM `bolle` WHERE 1 = 1";
  std::vector<kv7::store::DbValue> params;
  if (range.from) {
    sql += " AND `data` >= ?";
    params.emplace_back(*range.from);
  }
  if (range.to) {
    sql += " AND `data` <= ?";
    params.emplace_back(*range.to);
  }
  for (const auto& r : db.Connection().Query(sql + " ORDER BY `num`", params)) {
    const auto row = kv7::store::Database::BatchFromRow(r);
    const auto name = kv7::batches::LookupProducerByCode(producers, row.produttore);
    std::printf("%lld\t%s\t%s\t%s\t%s\t%lld\n", static_cast<long long>(row.num),
                row.data ? row.data->ToString().c_str() : "", row.programma.c_str(), row.produttore.c_str(),
                name ? name->c_str() : "<nuovo produttore>",
                static_cast<long long>(kv7::store::ComputeBatchFigures(row).totale_gen));
  }
  return 0;
}

int RunBatch(const Args& a) {
  if (a.empty() || a[0] != "list") return Usage();
  const auto range = ParseRange(a);
  if (!range) return Usage();
  kv7::store::Database db;
  try {
    return List(db, *range);
  } catch (const kv7::store::DbError& e) {
    return Fail(e.what());
  }
}

static Registration reg("batch", kUsage, &RunBatch);

}  // namespace
}  // namespace kv7ctl
