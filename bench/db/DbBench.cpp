// Fills a scratch database with 100 000 batches and 200 producers, then
// times the batch list (each batch with its producer's description, in
// `num` order) against the mariadb client printing the same SELECT, and the
// load of one batch with its calculated columns.
//
// Options: --batches N (100000), --producers N (200), --keep (leave the
// database "kv2_bench" in place). Connection from KV7_DB_*.

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "store/Database.h"
#include "store/DbSchema.h"

namespace {

using namespace kv7::store;
using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

template <typename F>
std::vector<double> Repeat(int times, F&& f) {
  std::vector<double> ms;
  for (int i = 0; i < times; ++i) {
    auto t0 = Clock::now();
    f();
    ms.push_back(Ms(Clock::now() - t0));
  }
  std::sort(ms.begin(), ms.end());
  return ms;
}

double Median(const std::vector<double>& v) {
  return v[v.size() / 2];
}

std::string ShellQuote(const std::string& s) {
  std::string out = "'";
  for (char c : s) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

// The client's options for the connection the data layer makes: like the C
// library, "localhost" (or no host) means the unix socket, any other host TCP.
// The protocol is named, because the client takes a port on the command line
// as a request for TCP.
std::string ClientConnection(const DbParams& p) {
  if (p.host.empty() || p.host == "localhost")
    return p.socket.empty() ? std::string("--protocol=socket")
                            : std::string("--protocol=socket --socket=").append(ShellQuote(p.socket));
  return std::string("--protocol=tcp -h ").append(ShellQuote(p.host)).append(" -P ").append(std::to_string(p.port));
}

void Fill(DbConnection& c, int batches, int producers) {
  std::mt19937 rng(7);
  std::uniform_int_distribution<int> grams(0, 400000);
  DbTransaction t(c);
  {
    std::string sql = "INSERT INTO produttori (num, codice, descrizione) VALUES ";
    std::vector<DbValue> v;
    for (int p = 1; p <= producers; ++p) {
      sql += p == 1 ? "(?, ?, ?)" : ", (?, ?, ?)";
      char code[16];
      std::snprintf(code, sizeof code, "%05d", p);
      v.emplace_back(std::in_place_type<std::int64_t>, p);
      v.emplace_back(std::in_place_type<std::string>, code);
      v.emplace_back(std::in_place_type<std::string>, "Azienda agricola n. " + std::to_string(p));
    }
    c.Execute(sql, v);
  }
  const auto& columns = BatchColumns();
  std::string head = "INSERT INTO bolle (";
  for (size_t i = 0; i < columns.size(); ++i) head += (i ? ", " : "") + QuoteIdentifier(columns[i]);
  head += ") VALUES ";
  std::string row = "(";
  for (size_t i = 0; i < columns.size(); ++i) row += i ? ", ?" : "?";
  row += ")";
  const int chunk = 500;
  std::string full = head;
  for (int i = 0; i < chunk; ++i) full += (i ? ", " : "") + row;
  DbStatement insert = c.Prepare(full);
  std::vector<DbValue> v;
  for (int n = 1; n <= batches;) {
    int rows = std::min(chunk, batches - n + 1);
    v.clear();
    for (int r = 0; r < rows; ++r, ++n) {
      BatchRow b;
      b.num = n;
      b.data = DbDateTime{2024, 1 + n % 12, 1 + n % 28, n % 24, n % 60, (n * 7) % 60};
      char text[16];
      std::snprintf(text, sizeof text, "%02d", 1 + n % 30);
      b.programma = text;
      for (auto& q : b.tot)
        for (auto& g : q) g = grams(rng);
      b.bolla = "DDT" + std::to_string(n);
      std::snprintf(text, sizeof text, "%05d", 1 + n % (producers + 5));  // a few with no producer
      b.produttore = text;
      b.note = "consegna " + std::to_string(n);
      b.totpartita = 1000 + n % 20000;
      b.totq5 = grams(rng);
      b.numerocasse = n % 90;
      b.numeropedane = n % 9;
      b.lotto = std::to_string(100000 + n);
      b.operatore = "01";
      for (auto& [name, value] : Database::BatchAssignments(b)) v.push_back(value);
    }
    if (rows == chunk) {
      insert.Execute(v);
    } else {
      std::string last = head;
      for (int i = 0; i < rows; ++i) last += (i ? ", " : "") + row;
      c.Execute(last, v);
    }
  }
  t.Commit();
}

}  // namespace

int main(int argc, char** argv) {
  int batches = 100000, producers = 200;
  bool keep = false;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "--batches" && i + 1 < argc)
      batches = std::atoi(argv[++i]);
    else if (a == "--producers" && i + 1 < argc)
      producers = std::atoi(argv[++i]);
    else if (a == "--keep")
      keep = true;
    else {
      std::fprintf(stderr, "usage: db_bench [--batches N] [--producers N] [--keep]\n");
      return 2;
    }
  }
  DbParams params = DbParams::FromEnvironment();
  params.database = "kv2_bench";
  try {
    DbParams server = params;
    server.database.clear();
    DbConnection admin(server);
    admin.ExecuteSql("DROP DATABASE IF EXISTS `kv2_bench`");
    Database db(params);
    db.InitSchema();

    auto t0 = Clock::now();
    Fill(db.Connection(), batches, producers);
    std::printf("fill: %d batches, %d producers in %.0f ms\n", batches, producers, Ms(Clock::now() - t0));
    db.Connection().ExecuteSql("ANALYZE TABLE bolle, produttori");

    // The batch list through the data layer, rows turned into entries.
    size_t listed = 0, unnamed = 0;
    auto ours = Repeat(7, [&] {
      auto list = db.ListBatches();
      listed = list.size();
      unnamed = static_cast<size_t>(
          std::count_if(list.begin(), list.end(), [](auto& e) { return !e.producerName; }));
    });

    // The same SELECT printed by the mariadb client (a whole process each
    // time: start, log in, query, print to /dev/null).
    std::string client = std::string(MARIADB_CLIENT) + " --no-defaults -u " + ShellQuote(params.user) + " " +
                         ClientConnection(params) + " kv2_bench";
    ::setenv("MYSQL_PWD", params.password.c_str(), 1);
    std::string listCmd = client + " -e " + ShellQuote(Database::kBatchListSql) + " > /dev/null";
    std::string startCmd = client + " -e 'SELECT 1' > /dev/null";
    bool clientOk = true;
    auto theirs = Repeat(7, [&] { clientOk = clientOk && std::system(listCmd.c_str()) == 0; });
    auto start = Repeat(7, [&] { clientOk = clientOk && std::system(startCmd.c_str()) == 0; });
    if (!clientOk) {
      std::fprintf(stderr, "db_bench: the mariadb client failed\n");
      return 1;
    }

    // One batch with its calculated columns, at random numbers.
    std::mt19937 rng(11);
    std::uniform_int_distribution<int> pick(1, batches);
    BatchRow row;
    BatchFigures figures;
    long long check = 0;
    auto loads = Repeat(2000, [&] {
      if (!db.LoadBatchByNumber(pick(rng), row, figures)) std::abort();
      check += figures.totale_gen;
    });
    double mean = 0;
    for (double m : loads) mean += m;
    mean /= loads.size();

    std::printf("batch list, data layer:   median %.1f ms, best %.1f ms (%zu rows, %zu without producer)\n",
                Median(ours), ours.front(), listed, unnamed);
    std::printf(
        "batch list, mariadb -e:   median %.1f ms, best %.1f ms (client start-up alone: median %.1f ms)\n",
        Median(theirs), theirs.front(), Median(start));
    std::printf("list ratio (data layer / client, medians): %.2f  [target <= 1.5]\n",
                Median(ours) / Median(theirs));
    std::printf(
        "one batch + calculated columns: mean %.3f ms, median %.3f ms, p99 %.3f ms, max %.3f ms "
        "[target < 5 ms] (checksum %lld)\n",
        mean, Median(loads), loads[loads.size() * 99 / 100], loads.back(), check % 1000);
    if (!keep) admin.ExecuteSql("DROP DATABASE IF EXISTS `kv2_bench`");
  } catch (const DbError& e) {
    std::fprintf(stderr, "db_bench: %s\n", e.what());
    return 1;
  }
  return 0;
}
