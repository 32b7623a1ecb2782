#pragma once
// Commands as the console builds them, for the simulator's tests.

#include <string>

namespace kv7::simtest {

// The installation text of an empty store with `lines` lines, tare suffix "L50".
inline std::string InstallCommand(int lines = 2, int cups = 100) {
  std::string c = "C" + std::to_string(lines) + "08";
  std::string cu = std::to_string(cups);
  c += std::string(3 - cu.size(), '0') + cu + "00";
  for (int l = 0; l < 6; ++l) c += "2080";
  for (int l = 0; l < 6; ++l) c += "1000";
  c += "0";
  c += "50";
  for (int o = 0; o < 30; ++o) c += "00";
  return c + "L50";
}

// The program block of one line: program number, line index, 16 limits.
inline std::string ProgramBlock(int program, int lineIndex, const int (&limits)[16]) {
  auto d = [](int v, int w) {
    std::string s = std::to_string(v);
    return std::string(static_cast<std::size_t>(w) - s.size(), '0') + s;
  };
  std::string b = "F" + d(program, 2) + std::to_string(lineIndex);
  for (int v : limits) b += d(v, 3);
  return b;
}

constexpr int kEvenLimits[16] = {100, 120, 140, 160, 180, 200, 220, 240,
                                 260, 280, 300, 320, 340, 360, 380, 400};

}  // namespace kv7::simtest
