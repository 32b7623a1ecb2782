// The batch list page on 100 000 batches (the statistics bench's season, made
// by one INSERT ... SELECT over seq_1_to_100000): the median time of the
// whole handler (count, page query, HTML) for the first, a middle and the
// last page, each sortable column, a filter, and the whole list as CSV.
//
// Options: --batches N (100000). Connection from KV7_DB_*.

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

#include "Median.h"
#include "SeasonSeed.h"
#include "web/DataPages.h"

int main(int argc, char** argv) {
  using namespace kv7;
  QCoreApplication app(argc, argv);
  int batches = 100000;
  for (int i = 1; i + 1 < argc; ++i)
    if (std::strcmp(argv[i], "--batches") == 0) batches = std::atoi(argv[i + 1]);
  bench::SeedSeason(batches);
  store::Database db(bench::StatsBenchParams());
  const std::string last = std::to_string((batches + 49) / 50);
  const std::pair<const char*, std::map<std::string, std::string>> cases[] = {
      {"first page", {}},
      {"middle page", {{"page", std::to_string((batches + 49) / 100)}}},
      {"last page", {{"page", last}}},
      {"by date", {{"sort", "data"}, {"dir", "asc"}}},
      {"by date, last page", {{"sort", "data"}, {"page", last}}},
      {"by producer name", {{"sort", "nome"}}},
      {"by declared kg", {{"sort", "kg"}}},
      {"producer 17, March", {{"producer", "17"}, {"from", "2026-03-01"}, {"to", "2026-03-31"}}},
      {"machine 2", {{"machine", "2"}}},
  };
  std::printf("batch list over %d batches, median of 9 (ms):\n", batches);
  for (const auto& [name, query] : cases) {
    std::size_t bytes = 0;
    const double ms = bench::MedianMs(9, [&] { bytes = web::BatchListPage(db, {"/batches", query, "it"}).body.size(); });
    std::printf("  %-22s %8.1f  (%zu bytes)\n", name, ms, bytes);
  }
  std::size_t bytes = 0;
  const double csv = bench::MedianMs(3, [&] {
    bytes = web::BatchListPage(db, {"/batches", {{"format", "csv"}}, "it"}).body.size();
  });
  std::printf("  %-22s %8.1f  (%zu bytes)\n", "whole list as CSV", csv, bytes);
  return 0;
}
