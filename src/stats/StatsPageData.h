#pragma once
// The statistics as a printed page value (drawn by the reports' page code).

#include "reports/ReportPages.h"
#include "stats/SeasonStatistics.h"

namespace kv7::stats {

reports::StatsPage MakeStatsPage(const Statistics& s);

}  // namespace kv7::stats
