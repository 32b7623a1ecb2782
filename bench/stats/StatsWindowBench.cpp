// The statistics window opening on a season of 100 000 batches: from the
// menu's moment to the table and charts painted, offscreen. The figures
// are read as the console reads them (the aggregate and the producer
// names); the window is created, shown, filled and painted.
//
// Uses "kv2_stats_bench" as stats_bench --keep left it, or seeds it
// (--seed N). Connection from KV7_DB_*.

#include <QApplication>
#include <QElapsedTimer>
#include <QTableWidget>

#include <algorithm>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "SeasonSeed.h"
#include "stats/TStatistiche.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  using namespace kv7;
  try {
    if (argc == 3 && std::string(argv[1]) == "--seed") bench::SeedSeason(std::atoi(argv[2]));
    store::Database db(bench::StatsBenchParams());
    std::vector<double> ms, windowMs;
    int rows = 0;
    for (int run = 0; run < 5; ++run) {
      QElapsedTimer timer;
      timer.start();
      stats::TStatistiche window;
      const auto q = stats::SeasonQuery(store::DbDateTime::LocalNow());
      window.SetQuery(q);
      window.show();
      auto s = stats::LoadStatistics(db.Connection(), q);
      stats::FillProducerNames(db, s);
      stats::FillValues(db, s);
      const qint64 read = timer.nsecsElapsed();
      window.Show(s);
      window.repaint();
      QApplication::processEvents();
      ms.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
      windowMs.push_back(static_cast<double>(timer.nsecsElapsed() - read) / 1e6);
      rows = window.Griglia()->rowCount();
    }
    std::sort(ms.begin(), ms.end());
    std::sort(windowMs.begin(), windowMs.end());
    std::printf("statistics window on the season: median %.1f ms, worst %.1f ms (%d rows); "
                "of which filling and painting the window: median %.1f ms\n",
                ms[ms.size() / 2], ms.back(), rows, windowMs[windowMs.size() / 2]);
  } catch (const store::DbError& e) {
    std::fprintf(stderr, "stats_window_bench: %s (run stats_bench --keep first)\n", e.what());
    return 1;
  }
  return 0;
}
