#include "programs/ProgramBlocks.h"

#include <algorithm>
#include <cstdlib>

namespace kv7::programs {
namespace {

std::string ZeroPadded(std::string s, std::size_t width) {
  std::replace(s.begin(), s.end(), ' ', '0');
  if (s.size() < width) s.insert(0, width - s.size(), '0');
  return s;
}

std::size_t QualityOfLine(int configured) {
  return configured >= 0 && configured < kQualities ? static_cast<std::size_t>(configured) : 0;
}

std::string DisplayLimit(const std::string& stored, int multiplier) {
  std::string s = stored;
  if (multiplier > 0) {
    char* end = nullptr;
    long long v = std::strtoll(stored.c_str(), &end, 10);
    if (end != stored.c_str()) s = std::to_string(v * multiplier);
  }
  return ZeroPadded(s, 4);
}

}  // namespace

LineQualities LineQualitiesOf(const store::Configuration& c) {
  LineQualities q{};
  for (int l = 1; l <= kLineBlocks; ++l) q[static_cast<std::size_t>(l - 1)] = c.qualitaL[l];
  return q;
}

LineBlocks BuildLineProgramBlocks(int number, const store::ProgramRecord& record,
                                  const LineQualities& lines) {
  LineBlocks blocks;
  const std::string head = ZeroPadded(std::to_string(number), 2);
  for (std::size_t l = 0; l < blocks.size(); ++l) {
    std::string b = head + static_cast<char>('0' + l);
    for (const auto& limit : record.limit[QualityOfLine(lines[l])]) b += ZeroPadded(limit.substr(0, 3), 3);
    blocks[l] = std::move(b);
  }
  return blocks;
}

std::optional<LineBlocks> BuildLineProgramBlocks(int number, const ProgramEditorTexts& texts,
                                                 const LineQualities& lines, int multiplier) {
  auto reading = ReadEditor(texts, multiplier);
  if (!reading.record) return std::nullopt;
  return BuildLineProgramBlocks(number, *reading.record, lines);
}

ProgramClassView ShowProgramClasses(const store::ProgramRecord& record, int multiplier) {
  ProgramClassView v;
  v.description = record.description;
  for (std::size_t q = 0; q < kQualities; ++q) {
    v.name[q] = record.name[q];
    for (std::size_t c = 0; c < kClasses; ++c)
      v.range[q][c] = DisplayLimit(record.limit[q][c], multiplier) + "-" +
                      DisplayLimit(record.limit[q][c + 1], multiplier);
  }
  return v;
}

}  // namespace kv7::programs
