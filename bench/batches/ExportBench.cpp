// The end of a batch and the host export, timed against what an operator or a
// host would compare them with:
//  - the end-of-batch work without the board exchanges and Timer2: the
//    batch journaled (written, synced), stored in its transaction, its
//    record written, synced and renamed, the journal entry retired, and the
//    "LAVORAZIONE" page written as PDF;
//  - a date-range export of 100 000 batches against the mariadb client
//    printing the same columns (the batch and its program's class codes).
// Options: --runs N (5). Connection from KV7_DB_*; the PDF on the offscreen
// platform. Run with the private server up:
//   scripts/db-server start && source scripts/db-env && build/bench/batches/export_bench

#include <QGuiApplication>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "Median.h"
#include "batches/BatchArchive.h"
#include "batches/BatchJournal.h"
#include "batches/HostExport.h"
#include "reports/PageData.h"
#include "reports/PageOutput.h"
#include "store/Configuration.h"

namespace {

using kv7::bench::MedianMs;
using namespace kv7;
namespace fs = std::filesystem;

void Fill(store::Database& db) {
  db.InitSchema();
  auto& sql = db.Connection();
  sql.ExecuteSql("DELETE FROM `bolle`");
  sql.ExecuteSql("DELETE FROM `programmi`");
  sql.ExecuteSql(
      "INSERT INTO `programmi` (`num`, `codiceprog`, `descrizione`, `pesocal1q1`, `pesocal2q1`, `codicec1q1`, "
      "`codicec2q1`, `codiceq5`) SELECT seq, LPAD(seq, 2, '0'), CONCAT('Programma ', seq), 90, 110, 'A1', 'B1', 'S' "
      "FROM seq_1_to_50");
  sql.ExecuteSql(
      "INSERT INTO `bolle` (`num`, `data`, `programma`, `bolla`, `produttore`, `totpartita`, `lotto`, `operatore`, "
      "`tot1q1`, `tot2q1`, `tot1q2`, `totq5`, `note`) "
      "SELECT seq, '2024-05-01 08:00:00' + INTERVAL seq MINUTE, LPAD(seq % 50 + 1, 2, '0'), CONCAT('B', seq), "
      "seq % 250, 1500, '0000001', '01', seq * 7, seq * 3, seq, seq % 11, 'nota, di prova' FROM seq_1_to_100000");
}

// The columns the date-range export writes, as the client prints them.
std::string ClientQuery(const std::string& database) {
  std::string cols = "b.lotto, b.programma, b.codicebarre, b.produttore, b.totpartita, b.operatore, "
                     "b.numeropedane, b.numerocasse, b.note";
  for (int q = 1; q <= 4; ++q)
    for (int c = 1; c <= 15; ++c) {
      const std::string s = std::to_string(c) + "q" + std::to_string(q);
      cols += ", p.codicec" + s + ", b.tot" + s;
    }
  cols += ", p.codiceq5, b.totq5";
  return "SELECT " + cols + " FROM `" + database + "`.bolle b LEFT JOIN `" + database +
         "`.programmi p ON p.codiceprog = b.programma ORDER BY b.num";
}

std::string ClientCommand(const store::DbParams& p, const fs::path& sqlFile, const fs::path& out) {
  std::string cmd = "mariadb --batch -u" + p.user;
  if (!p.password.empty()) cmd += " -p'" + p.password + "'";
  cmd += p.host == "localhost" ? (p.socket.empty() ? "" : " --socket=" + p.socket)
                               : " -h" + p.host + " -P" + std::to_string(p.port);
  return cmd + " < " + sqlFile.string() + " > " + out.string();
}

store::BatchRow EndedRow(int i) {
  store::BatchRow row;
  row.programma = "05";
  row.bolla = "E";
  row.bolla += std::to_string(i);
  row.produttore = "12";
  row.totpartita = 1500;
  for (int c = 0; c < 15; ++c) row.tot[0][c] = 1000 * (c + 1);
  row.totq5 = 777;
  return row;
}

}  // namespace

int main(int argc, char** argv) {
  int runs = 5;
  for (int i = 1; i < argc; ++i)
    if (!std::strcmp(argv[i], "--runs") && i + 1 < argc) runs = std::max(1, std::atoi(argv[++i]));
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);

  store::DbParams params = store::DbParams::FromEnvironment();
  params.database = "kv2_exportbench";
  store::Database db(params);
  const fs::path dir = fs::temp_directory_path() / "kv7_export_bench";
  fs::remove_all(dir);
  fs::create_directories(dir / "exp");
  try {
    Fill(db);
  } catch (const store::DbError& e) {
    std::fprintf(stderr, "export_bench: %s\n", e.what());
    return 1;
  }

  // End of batch, less the board: journal, store, record, retire, PDF.
  batches::BatchJournal journal(dir / "journal", [](const std::string&) {});
  const store::Configuration config;
  const auto font = i18n::PrintSettings::FromConfiguration(config);
  int n = 0;
  const double endOfBatch = MedianMs(runs * 4, [&] {
    const auto row = EndedRow(++n);
    journal.Add(row, store::DbDateTime::LocalNow());
    journal.Replay(db, dir / "exp", {});
    reports::BatchPageInput in;
    in.ws = batches::WorkingSetFromRow(row);
    in.title = reports::kEndOfBatchTitle;
    if (!reports::WritePdf(reports::MakeBatchPage(in), QString::fromStdString((dir / "ticket.pdf").string()), font))
      std::fprintf(stderr, "export_bench: the page was not written\n");
  });

  // Date-range export of every batch, and the client printing the same columns.
  const store::DbDateTime from{2024, 1, 1, 0, 0, 0}, to{2025, 12, 31, 23, 59, 59};
  const double ours = MedianMs(runs, [&] {
    batches::ExportRange(db, dir, from, to, true, store::DbDateTime::LocalNow(), {});
  });
  const fs::path sql = dir / "query.sql";
  std::FILE* f = std::fopen(sql.c_str(), "w");
  std::fputs((ClientQuery(params.database) + ";\n").c_str(), f);
  std::fclose(f);
  const std::string cmd = ClientCommand(params, sql, dir / "client.txt");
  const double client = MedianMs(runs, [&] {
    if (std::system(cmd.c_str()) != 0) std::fprintf(stderr, "export_bench: the mariadb client failed\n");
  });

  std::printf("end of batch without the board (journal, store, record, PDF of %ju bytes): %.1f ms\n",
              static_cast<std::uintmax_t>(fs::file_size(dir / "ticket.pdf")), endOfBatch);
  std::printf("date-range export of 100000 batches: %.0f ms; mariadb client, same columns: %.0f ms; ratio %.2f\n",
              ours, client, ours / client);
  db.Connection().ExecuteSql("DROP DATABASE `kv2_exportbench`");
  fs::remove_all(dir);
  return 0;
}
