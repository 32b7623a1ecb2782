#include "stats/StatsPageData.h"

namespace kv7::stats {
namespace {

reports::StatsLine LineOf(const GroupFigures& g) {
  reports::StatsLine line;
  line.key = g.key;
  line.label = g.label;
  line.batches = g.batches;
  line.declaredKg = g.declaredKg;
  line.sampledKg = g.SampledKg();
  for (int i = 0; i < kShares; ++i) line.shares[std::size_t(i)] = g.QualityShare(i);
  line.value = g.value;
  line.valuePerKg = g.valuePerKg;
  return line;
}

}  // namespace

reports::StatsPage MakeStatsPage(const Statistics& s) {
  reports::StatsPage page;
  page.machine = s.machine;
  page.from = s.query.from;
  page.to = s.query.to;
  page.grouping = GroupingWord(s.query.by);
  page.producer = s.query.producer;
  for (const auto& g : s.groups) page.lines.push_back(LineOf(g));
  page.total = LineOf(s.total);
  page.withValues = s.HasValues();
  return page;
}

}  // namespace kv7::stats
