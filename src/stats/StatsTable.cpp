#include "stats/StatsTable.h"

#include <cstdio>

namespace kv7::stats {
namespace {

std::string Number(double v, int decimals, char decimalMark) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, v);
  std::string s = text;
  if (decimalMark != '.')
    for (char& ch : s)
      if (ch == '.') ch = decimalMark;
  return s;
}

}  // namespace

std::vector<std::string> HeaderCells(bool withValues) {
  std::vector<std::string> h = {"gruppo", "nome", "bolle", "kg_dichiarati", "kg_campionati"};
  for (int q = 1; q <= kQualities; ++q) h.push_back("perc_q" + std::to_string(q));
  h.push_back("perc_scarto");
  for (int q = 1; q <= kQualities; ++q)
    for (int c = 1; c <= kClasses; ++c) h.push_back("perc_c" + std::to_string(c) + "q" + std::to_string(q));
  if (withValues) {
    h.push_back("valore");
    h.push_back("valore_kg");
  }
  return h;
}

std::vector<std::string> GroupCells(const GroupFigures& g, bool withValues, char decimalMark) {
  std::vector<std::string> cells = {g.key, g.label, std::to_string(g.batches), std::to_string(g.declaredKg),
                                    Number(g.SampledKg(), 1, decimalMark)};
  for (int i = 0; i < kShares; ++i) cells.push_back(Number(g.QualityShare(i), 2, decimalMark));
  for (int q = 0; q < kQualities; ++q)
    for (int c = 0; c < kClasses; ++c) cells.push_back(Number(g.ClassShare(q, c), 2, decimalMark));
  if (withValues) {
    cells.push_back(g.value ? Number(*g.value, 2, decimalMark) : std::string());
    cells.push_back(g.valuePerKg ? Number(*g.valuePerKg, 3, decimalMark) : std::string());
  }
  return cells;
}

std::string JoinCells(const std::vector<std::string>& cells, char separator) {
  std::string line;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) line += separator;
    const std::string& cell = cells[i];
    if (cell.find_first_of(std::string{separator, '"', '\n', '\r'}) == std::string::npos) {
      line += cell;
      continue;
    }
    line += '"';
    for (char ch : cell) line += ch == '"' ? std::string("\"\"") : std::string(1, ch);
    line += '"';
  }
  return line;
}

std::string TableText(const Statistics& s, char separator, char decimalMark) {
  const bool values = s.HasValues();
  std::string text = JoinCells(HeaderCells(values), separator) + "\n";
  for (const auto& g : s.groups) text += JoinCells(GroupCells(g, values, decimalMark), separator) + "\n";
  return text;
}

}  // namespace kv7::stats
