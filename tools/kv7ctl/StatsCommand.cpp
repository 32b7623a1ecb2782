// kv7ctl stats: the season's figures per producer, program, machine or ISO
// week, tab-separated with a header line (comma-separated with --csv), for
// the office's own tools. --from and --to take "YYYY-MM-DD hh:mm:ss" or a
// day alone (its start for --from, its end for --to); without --from the
// period starts on the first day of this year. --producer keeps one
// producer's batches. Archive from the KV7_DB_* environment.

#include <cstdio>
#include <optional>
#include <string>

#include "Command.h"
#include "stats/SeasonStatistics.h"
#include "stats/StatsTable.h"
#include "store/Database.h"
#include "store/DbError.h"

namespace kv7ctl {
namespace {

constexpr const char* kUsage =
    "[--from DATE] [--to DATE] [--by producer|program|machine|week] [--producer CODE] [--csv]";

using kv7::store::DbDateTime;

int Usage() { return UsageError(std::string("stats: usage: kv7ctl stats ") + kUsage); }

int Fail(const std::string& message) {
  std::fprintf(stderr, "kv7ctl: stats: %s\n", message.c_str());
  return 1;
}

struct Options {
  kv7::stats::StatsQuery query;
  bool csv = false;
};

std::optional<Options> Parse(const Args& a) {
  Options o;
  o.query = kv7::stats::SeasonQuery(DbDateTime::LocalNow());
  bool fromGiven = false, toGiven = false, byGiven = false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i] == "--csv") {
      o.csv = true;
      continue;
    }
    if (i + 1 >= a.size()) return std::nullopt;
    const std::string& v = a[++i];
    if (a[i - 1] == "--from" && !fromGiven) {
      fromGiven = true;
      o.query.from = DateBound(v, false);
      if (!o.query.from) return std::nullopt;
    } else if (a[i - 1] == "--to" && !toGiven) {
      toGiven = true;
      o.query.to = DateBound(v, true);
      if (!o.query.to) return std::nullopt;
    } else if (a[i - 1] == "--by" && !byGiven) {
      byGiven = true;
      const auto by = kv7::stats::ParseGrouping(v);
      if (!by) return std::nullopt;
      o.query.by = *by;
    } else if (a[i - 1] == "--producer" && o.query.producer.empty() && !v.empty()) {
      o.query.producer = v;
    } else {
      return std::nullopt;
    }
  }
  return o;
}

int RunStats(const Args& a) {
  const auto options = Parse(a);
  if (!options) return Usage();
  kv7::store::Database db;
  try {
    if (!db.TableExists("bolle")) return Fail("table bolle does not exist");
    auto s = kv7::stats::LoadStatistics(db.Connection(), options->query);
    kv7::stats::FillProducerNames(db, s);
    kv7::stats::FillValues(db, s);
    const std::string text = kv7::stats::TableText(s, options->csv ? ',' : '\t', '.');
    std::fwrite(text.data(), 1, text.size(), stdout);
    return 0;
  } catch (const kv7::store::DbError& e) {
    return Fail(e.what());
  }
}

static Registration reg("stats", kUsage, &RunStats);

}  // namespace
}  // namespace kv7ctl
