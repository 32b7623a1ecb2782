#pragma once
// Formatting of the board settings commands and decoding of their replies:
// zero-filled numbers, the "-3" tare and photocell settings, board type,
// encoder rotation and the cup tare table.

#include <cstddef>
#include <string>
#include <vector>

namespace kv7 {

// The cup tare table read with "R" + first cup + count: 8 lines x 512 cups,
// the request fills lines 0..5 (weighing lines 1..6).
struct rcTestTaraTazza {
  static constexpr int kLines = 8;
  static constexpr int kCups = 512;
  static constexpr int kWeighingLines = 6;

  std::string Head;  // first three characters of the last argument (the first cup)
  std::vector<std::string> Table = std::vector<std::string>(kLines * kCups);

  // Empty text for a slot outside the table.
  const std::string& At(int line, int cup) const;
  bool operator==(const rcTestTaraTazza&) const = default;
};

// Right-aligned in `width` with blanks, every blank then replaced by "0"
// (7 in width 3 is "007"). Wider numbers keep all their digits.
std::string ZeroFill(long long value, int width);
// Every blank of the text replaced by "0".
std::string BlanksToZeros(std::string text);
// A whole decimal number (optional sign, surrounding blanks allowed), else 0.
long long TextToNumber(const std::string& text);

// "-3" followed by the four zero-filled settings after their clamps
// (tare delay, photocell distance, point, photocell delay), without CR.
std::string TareDelayCommand(long long tareDelay, long long photocellDistance, long long point,
                             long long photocellDelay);

// Board type from the raw ">1" reply: 0 for none or a first character
// below "1", else the second character's code minus that of "/".
int BoardTypeFromReply(const std::string& typeReply);
// 0 when the character just before the final CR is "0", else 1.
int RotationFromReply(const std::string& reply);

// First cup and count, three zero-filled digits each.
std::string TaraTazzaArgument(int firstCup, int count);
// Fills the table for the cups the argument asked for: with the first "R"
// of the reply at position p, cup first+j of line L (0..5) is the four
// characters at position p + 7 + 24j + 4L. Cups above 511 are skipped.
void DecodeTaraTazza(const std::string& argument, const std::string& reply, rcTestTaraTazza& table);

}  // namespace kv7
