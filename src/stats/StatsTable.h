#pragma once
// The statistics as lines of text for files and other programs: kv7ctl's
// tab-separated output and the CSV export share the same columns and the
// same header line. File texts are never translated; numbers carry no
// grouping, only the decimal mark asked for.

#include <string>
#include <vector>

#include "stats/SeasonStatistics.h"

namespace kv7::stats {

// gruppo, nome, bolle, kg_dichiarati, kg_campionati, perc_q1..perc_q4,
// perc_scarto, then perc_c1q1 .. perc_c15q4 (class first), and valore,
// valore_kg when `withValues`.
std::vector<std::string> HeaderCells(bool withValues);
std::vector<std::string> GroupCells(const GroupFigures& g, bool withValues, char decimalMark);

// Cells joined by `separator`; a cell holding it, a quote or a line end is
// quoted with its quotes doubled.
std::string JoinCells(const std::vector<std::string>& cells, char separator);

// Header and one line per group, each ended by "\n".
std::string TableText(const Statistics& s, char separator, char decimalMark);

}  // namespace kv7::stats
