#pragma once
// The six "F" blocks that put a program on the board, one per weighing line,
// and the class names and ranges the console shows for a program.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "programs/ProgramEditorTexts.h"
#include "store/Configuration.h"
#include "store/ProgramRecord.h"

namespace kv7::programs {

inline constexpr int kLineBlocks = 6;
inline constexpr std::size_t kBlockLength = 51;

using LineBlocks = std::array<std::string, kLineBlocks>;
// The configured quality of lines 1..6, 0-based (0..3 qualities 1..4, 4 the
// reject quality), as the configuration record holds `qualitaL1..6`.
using LineQualities = std::array<int, kLineBlocks>;

LineQualities LineQualitiesOf(const store::Configuration& c);

// Block L (1..6): `number` in two digits, the digit L - 1, then the 16 limits
// of the quality of line L, three digits each (the reject quality sends
// quality 1's limits). `record` holds limits in stored units.
LineBlocks BuildLineProgramBlocks(int number, const store::ProgramRecord& record, const LineQualities& lines);
// The same from the editor's texts, converted back with the multiplier as a
// save does; nullopt when a weight field does not convert.
std::optional<LineBlocks> BuildLineProgramBlocks(int number, const ProgramEditorTexts& texts,
                                                 const LineQualities& lines, int multiplier);

// What the console shows of a program: its description (status panel 0) and
// for every class its name and its range "min-max", each limit times the
// multiplier when that is above 0, padded with "0" to four digits.
struct ProgramClassView {
  std::string description;
  PerClass<std::string> name;
  PerClass<std::string> range;
};
ProgramClassView ShowProgramClasses(const store::ProgramRecord& record, int multiplier);

}  // namespace kv7::programs
