#pragma once
// The statistics charts as plain SVG text, drawn on the server: nothing is
// fetched or run in the browser.

#include <string>
#include <vector>

#include "stats/SeasonStatistics.h"

namespace kv7::web {

// Captions already in the page's language; figures as the page writes them.
struct ChartTexts {
  std::vector<std::string> shares;  // Q1..Q4 and the reject
  std::string language;
};

// One bar per group, 100 % wide, cut into the quality and reject shares.
std::string QualitySharesSvg(const std::vector<stats::GroupFigures>& groups, const ChartTexts& texts);

// One column per class, stacked by quality: the class distribution of `group`.
std::string ClassDistributionSvg(const stats::GroupFigures& group, const ChartTexts& texts);

}  // namespace kv7::web
