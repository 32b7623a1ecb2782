// The season's statistics on 100 000 batches through our code (prepared
// statement, rows into figures, producer names) against the mariadb client
// running the same aggregate query with the same dates, in the same run.
//
// Options: --batches N (100000), --keep (leave "kv2_stats_bench" for
// stats_window_bench). Connection from KV7_DB_*.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "Median.h"
#include "SeasonSeed.h"
#include "stats/SeasonStatistics.h"

namespace {

using namespace kv7;

std::string ShellQuote(const std::string& s) {
  std::string out = "'";
  for (char c : s) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

// The client's connection as the data layer makes it: "localhost" is the socket.
std::string ClientConnection(const store::DbParams& p) {
  if (p.host.empty() || p.host == "localhost")
    return p.socket.empty() ? std::string("--protocol=socket") : "--protocol=socket --socket=" + ShellQuote(p.socket);
  return "--protocol=tcp -h " + ShellQuote(p.host) + " -P " + std::to_string(p.port);
}

// The query with its parameters written in as literals, for the client.
std::string WithLiterals(const stats::StatsQuery& q) {
  std::string sql = stats::StatisticsSql(q);
  for (const auto& v : stats::StatisticsParams(q)) {
    const auto at = sql.find('?');
    sql.replace(at, 1, "'" + store::ToText(v) + "'");
  }
  return sql;
}

}  // namespace

int main(int argc, char** argv) {
  int batches = 100000;
  bool keep = false;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--batches" && i + 1 < argc)
      batches = std::atoi(argv[++i]);
    else if (a == "--keep")
      keep = true;
    else {
      std::fprintf(stderr, "usage: stats_bench [--batches N] [--keep]\n");
      return 2;
    }
  }
  try {
    auto t0 = std::chrono::steady_clock::now();
    bench::SeedSeason(batches);
    std::printf("seed: %d batches in %.0f ms\n", batches,
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
    const store::DbParams params = bench::StatsBenchParams();
    store::Database db(params);
    const std::string client = std::string(MARIADB_CLIENT) + " --no-defaults -u " + ShellQuote(params.user) + " " +
                               ClientConnection(params) + " " + bench::kStatsBenchDb;
    ::setenv("MYSQL_PWD", params.password.c_str(), 1);
    bool clientOk = true;
    for (const auto by : {stats::Grouping::Producer, stats::Grouping::Week, stats::Grouping::Machine}) {
      stats::StatsQuery q = stats::SeasonQuery(store::DbDateTime::LocalNow());
      q.by = by;
      std::size_t groups = 0;
      std::int64_t counted = 0;
      const double ours = bench::MedianMs(7, [&] {
        auto s = stats::LoadStatistics(db.Connection(), q);
        stats::FillProducerNames(db, s);
        stats::FillValues(db, s);
        groups = s.groups.size();
        counted = s.total.batches;
      });
      const std::string cmd = client + " -e " + ShellQuote(WithLiterals(q)) + " > /dev/null";
      const double theirs = bench::MedianMs(7, [&] { clientOk = clientOk && std::system(cmd.c_str()) == 0; });
      std::printf("by %-8s ours median %.1f ms, mariadb client %.1f ms, ratio %.2f (%zu groups, %lld batches)\n",
                  stats::GroupingWord(by), ours, theirs, ours / theirs, groups, static_cast<long long>(counted));
    }
    if (!clientOk) {
      std::fprintf(stderr, "stats_bench: the mariadb client failed\n");
      return 1;
    }
    if (!keep) {
      store::DbParams server = params;
      server.database.clear();
      store::DbConnection(server).ExecuteSql(std::string("DROP DATABASE `") + bench::kStatsBenchDb + "`");
    }
  } catch (const store::DbError& e) {
    std::fprintf(stderr, "stats_bench: %s\n", e.what());
    return 1;
  }
  return 0;
}
