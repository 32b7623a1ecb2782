#include "link/BoardSettings.h"

#include <cctype>
#include <limits>

namespace kv7 {

const std::string& rcTestTaraTazza::At(int line, int cup) const {
  static const std::string none;
  if (line < 0 || line >= kLines || cup < 0 || cup >= kCups) return none;
  return Table[static_cast<std::size_t>(line * kCups + cup)];
}

std::string ZeroFill(long long value, int width) {
  std::string digits = std::to_string(value);
  if (static_cast<int>(digits.size()) < width)
    digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
  return digits;
}

std::string BlanksToZeros(std::string text) {
  for (char& c : text)
    if (c == ' ') c = '0';
  return text;
}

long long TextToNumber(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  const std::size_t firstDigit = i;
  long long value = 0;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
    if (value > (std::numeric_limits<long long>::max() - 9) / 10) return 0;
    value = value * 10 + (text[i] - '0');
  }
  if (i == firstDigit) return 0;
  while (i < text.size() && text[i] == ' ') ++i;
  if (i != text.size()) return 0;
  return negative ? -value : value;
}

std::string TareDelayCommand(long long tareDelay, long long photocellDistance, long long point,
                             long long photocellDelay) {
  // Negative settings would put a minus sign into a digit field; they are
  // treated like the other values the board cannot take.
  const long long a = (tareDelay >= 256 || tareDelay < 0) ? 0 : tareDelay;
  const long long b = (photocellDistance >= 999 || photocellDistance < 0) ? 0 : photocellDistance;
  const long long c = (point >= 85 && point <= 94) ? point : 93;
  const long long d = photocellDelay > 99 ? 99 : (photocellDelay < 0 ? 0 : photocellDelay);
  return "-3" + ZeroFill(a, 3) + ZeroFill(b, 3) + ZeroFill(c, 2) + ZeroFill(d, 2);
}

int BoardTypeFromReply(const std::string& typeReply) {
  if (typeReply.empty() || static_cast<unsigned char>(typeReply[0]) < '1') return 0;
  if (typeReply.size() < 2) return 0;
  return static_cast<unsigned char>(typeReply[1]) - '/';
}

int RotationFromReply(const std::string& reply) {
  if (reply.size() >= 2 && reply[reply.size() - 2] == '0') return 0;
  return 1;
}

std::string TaraTazzaArgument(int firstCup, int count) {
  return ZeroFill(firstCup, 3) + ZeroFill(count, 3);
}

void DecodeTaraTazza(const std::string& argument, const std::string& reply, rcTestTaraTazza& table) {
  table.Head = argument.substr(0, 3);
  const std::size_t p = reply.find('R');
  if (p == std::string::npos) return;
  const long long first = TextToNumber(argument.substr(0, 3));
  const long long count = TextToNumber(argument.size() > 3 ? argument.substr(3, 3) : std::string());
  for (long long j = 0; j < count; ++j) {
    const long long cup = first + j;
    // Slots past 511 would land in the next line's table.
    if (cup < 0 || cup >= rcTestTaraTazza::kCups) continue;
    for (int line = 0; line < rcTestTaraTazza::kWeighingLines; ++line) {
      const std::size_t offset =
          p + 7 + 24 * static_cast<std::size_t>(j) + 4 * static_cast<std::size_t>(line);
      table.Table[static_cast<std::size_t>(line * rcTestTaraTazza::kCups + cup)] =
          offset < reply.size() ? reply.substr(offset, 4) : std::string();
    }
  }
}

}  // namespace kv7
