// Fills a scratch database with 999 programs, then times what the operator
// waits for: filling the program lists (archive query plus the list window)
// and opening the editor on a program (archive read, fields filled, window
// shown). Options: --keep (leave "kv2_progbench" in place), --runs N (20).
// Connection from KV7_DB_*; windows on the offscreen platform.

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "Median.h"
#include "programs/ProgramArchive.h"
#include "programs/TListaProgrammi.h"
#include "programs/TNewProgram.h"

namespace {

using kv7::bench::MedianMs;
using namespace kv7::programs;
using Clock = std::chrono::steady_clock;

kv7::store::ProgramRecord Sample(int n) {
  kv7::store::ProgramRecord r;
  r.description = "Programma di prova numero ";
  r.description += std::to_string(n);
  r.rejectCode = "SC";
  r.rejectCode += std::to_string(n);
  for (int q = 0; q < 4; ++q) {
    for (int k = 0; k < 16; ++k) r.limit[q][k] = std::to_string(80 + 20 * k + q);
    for (int c = 0; c < 15; ++c) {
      r.name[q][c].assign(1, 'C');
      r.name[q][c] += std::to_string(c + 1);
      r.classCode[q][c] = std::to_string(n * 10000 + c * 10 + q);
    }
  }
  return r;
}

}  // namespace

int main(int argc, char** argv) {
  bool keep = false;
  int runs = 20;
  for (int i = 1; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--keep")) keep = true;
    if (!std::strcmp(argv[i], "--runs") && i + 1 < argc) runs = std::max(1, std::atoi(argv[++i]));
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);

  auto params = kv7::store::DbParams::FromEnvironment();
  params.database = "kv2_progbench";
  kv7::store::Database db(params);
  try {
    db.InitSchema();
    if (FillProgramLists(db).Count() != 999) {
      db.Table("programmi").Empty();
      auto t0 = Clock::now();
      for (int n = 1; n <= 999; ++n) SaveProgram(db, Sample(n), ProgramCodeText(n), {});
      std::printf("stored 999 programs in %.0f ms\n",
                  std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
    }

    TListaProgrammi list;
    const double query = MedianMs(runs, [&] { FillProgramLists(db); });
    const double lists = MedianMs(runs, [&] { list.SetPrograms(FillProgramLists(db)); });
    std::printf("program lists, 999 programs: query %.2f ms, query + list window %.2f ms (median of %d)\n",
                query, lists, runs);

    auto t0 = Clock::now();
    TNewProgram editor;
    const double build = std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
    int code = 0;
    const double open = MedianMs(runs, [&] {
      code = code % 999 + 1;
      auto loaded = LoadProgramByNumber(db, code, 10);
      editor.SetMultiplier(10);
      editor.Fill(loaded->texts);
      editor.show();
      QApplication::processEvents();
      editor.hide();
    });
    std::printf("editor: built once in %.1f ms; opened on a program in %.2f ms (median of %d)\n", build, open,
                runs);
  } catch (const kv7::store::DbError& e) {
    std::fprintf(stderr, "program_bench: %s\n", e.what());
    return 1;
  }
  if (!keep) db.Connection().ExecuteSql("DROP DATABASE IF EXISTS `kv2_progbench`");
  return 0;
}
