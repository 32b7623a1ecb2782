// Times the value of one batch: ValueBatch on a full list (60 classes and
// the reject priced, every class weighed), and the whole path of a page
// (the list in force read from a scratch archive of 50 programs with 12
// lists each, then the value). Options: --keep (leave "kv2_pricebench"),
// --runs N (200). Connection from KV7_DB_*.

#include <cstdio>
#include <cstring>
#include <string>

#include "Median.h"
#include "prices/PriceArchive.h"

namespace {

using namespace kv7::prices;
using kv7::bench::MedianMs;
using kv7::store::DbDateTime;

PriceList FullList(const std::string& program, const DbDateTime& from, int seed) {
  PriceList l{program, from, {}};
  for (const PriceKey& k : AllPriceKeys()) l.prices[k] = 1000 + (k.classe * 97 + k.qualita * 31 + seed) % 9000;
  return l;
}

BatchWeights Weighed(int seed) {
  BatchWeights b;
  for (std::size_t q = 0; q < 4; ++q)
    for (std::size_t c = 0; c < 15; ++c) b.grams[q][c] = 1000 + std::int64_t((c * 13 + q * 7 + std::size_t(seed)) % 5000);
  b.reject = 321;
  b.declaredKg = 1000 + seed % 7;
  return b;
}

}  // namespace

int main(int argc, char** argv) {
  int runs = 200;
  bool keep = false;
  for (int i = 1; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--keep")) keep = true;
    if (!std::strcmp(argv[i], "--runs") && i + 1 < argc) runs = std::atoi(argv[++i]);
  }
  const PriceList list = FullList("05", {2024, 1, 1}, 0);
  constexpr int kBatches = 100000;
  Cents sink = 0;
  const double all = MedianMs(5, [&] {
    for (int i = 0; i < kBatches; ++i) sink += ValueBatch(Weighed(i), list).value;
  });
  std::printf("value of one batch, list in memory: %.3f us (median of 5 x %d batches)\n", all * 1000.0 / kBatches,
              kBatches);

  kv7::store::DbParams params = kv7::store::DbParams::FromEnvironment();
  params.database = "kv2_pricebench";
  kv7::store::Database db(params);
  try {
    db.InitSchema();  // creates the scratch database
  } catch (const kv7::store::DbError& e) {
    std::printf("archive: not reachable (%s); start scripts/db-server and source scripts/db-env\n", e.what());
    return sink == 42 ? 2 : 0;
  }
  db.Connection().ExecuteSql("DELETE FROM `kv7_listino`");
  for (int p = 1; p <= 50; ++p)
    for (int m = 1; m <= 12; ++m) {
      char code[8];
      std::snprintf(code, sizeof code, "%02d", p);
      SavePriceList(db, FullList(code, {2024, m, 1}, p + m), {});
    }
  int i = 0;
  const double one = MedianMs(runs, [&] {
    ++i;
    const auto inForce = LoadListInForce(db, "17", {2024, 1 + i % 12, 1 + i % 28, 10, 0, 0});
    if (inForce) sink += ValueBatch(Weighed(i), *inForce).value;
  });
  std::printf("value of one batch, list in force read from the archive: %.3f ms (median of %d)\n", one, runs);
  if (!keep) db.Connection().ExecuteSql("DROP DATABASE `kv2_pricebench`");
  return sink == 42 ? 2 : 0;
}
