// Fills a scratch database with 100 000 batches (200 producers, 50 programs), then
// times what the operator waits for: opening the batch picker (one archive
// query, entries built and sorted, list window filled and shown) and loading
// one batch into the editor (batch, programs and producers read, fields
// filled). Options: --runs N (5). Connection from KV7_DB_*; windows on the
// offscreen platform.

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "Median.h"
#include "batches/BatchArchive.h"
#include "batches/TListaBolla.h"
#include "batches/TNewBolla.h"

namespace {

using kv7::bench::MedianMs;
using namespace kv7::batches;

}  // namespace

int main(int argc, char** argv) {
  int runs = 5;
  for (int i = 1; i < argc; ++i)
    if (!std::strcmp(argv[i], "--runs") && i + 1 < argc) runs = std::max(1, std::atoi(argv[++i]));
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);

  kv7::store::DbParams params = kv7::store::DbParams::FromEnvironment();
  params.database = "kv2_batchbench";
  kv7::store::Database db(params);
  try {
    db.InitSchema();
    auto& sql = db.Connection();
    sql.ExecuteSql("DELETE FROM `bolle`");
    sql.ExecuteSql("DELETE FROM `produttori`");
    sql.ExecuteSql("DELETE FROM `programmi`");
    sql.ExecuteSql(
        "INSERT INTO `programmi` (`num`, `codiceprog`, `descrizione`, `pesocal1q1`, `pesocal2q1`, `nomecal1q1`) "
        "SELECT seq, LPAD(seq, 2, '0'), CONCAT('Programma ', seq), 90, 110, 'A' FROM seq_1_to_50");
    sql.ExecuteSql(
        "INSERT INTO `produttori` (`num`, `codice`, `descrizione`) "
        "SELECT seq, seq, CONCAT('Produttore ', seq) FROM seq_1_to_200");
    sql.ExecuteSql(
        "INSERT INTO `bolle` (`num`, `data`, `programma`, `bolla`, `produttore`, `tot1q1`, `totq5`, `note`) "
        "SELECT seq, '2024-05-01 08:00:00' + INTERVAL seq MINUTE, '05', CONCAT('B', seq), seq % 250, "
        "seq * 7, seq, 'nota di prova' FROM seq_1_to_100000");
  } catch (const kv7::store::DbError& e) {
    std::fprintf(stderr, "batch_bench: %s\n", e.what());
    return 1;
  }

  TListaBolla picker;
  const double open = MedianMs(runs, [&] {
    picker.SetBatches(FillBatchList(db));
    picker.show();
    app.processEvents();
    picker.hide();
  });
  const double query = MedianMs(runs, [&] { db.ListBatches(); });

  TNewBolla editor;
  BatchWorkingSet current;
  const double load = MedianMs(runs * 4, [&] {
    editor.Fill(PrepareEditBatch(db, 54321, current, true));
  });
  std::printf("batches: %d\n", picker.Count());
  std::printf("open the batch picker (query, entries, window): %.1f ms (query alone %.1f ms)\n", open, query);
  std::printf("load one batch into the editor: %.1f ms\n", load);
  db.Connection().ExecuteSql("DROP DATABASE `kv2_batchbench`");
  return 0;
}
