#pragma once
// Fixed-width number fields as the boards write them, and the strict digit
// parsing the board applies to command arguments.

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace kv7::sim {

// Right-aligned, zero-filled, clamped to what fits in `width` digits so a
// large count never shifts the fields that follow it.
inline std::string Digits(std::int64_t value, int width) {
  std::int64_t max = 1;
  for (int i = 0; i < width; ++i) max *= 10;
  value = std::clamp<std::int64_t>(value, 0, max - 1);
  std::string s = std::to_string(value);
  return std::string(static_cast<std::size_t>(width) - s.size(), '0') + s;
}

// One board frame: its letter, its fields in order and the closing CR,
// appended into one string sized up front. (Frames built as `"X" + field`
// also trip GCC 12's -Wrestrict false positive at -O3.)
inline std::string Frame(char letter, std::initializer_list<std::string_view> fields) {
  std::size_t size = 2;
  for (std::string_view f : fields) size += f.size();
  std::string frame;
  frame.reserve(size);
  frame += letter;
  for (std::string_view f : fields) frame.append(f);
  frame += '\r';
  return frame;
}

// A run of decimal digits only (no sign, no blanks); nullopt otherwise.
inline std::optional<int> ParseDigits(std::string_view s) {
  if (s.empty() || s.size() > 9) return std::nullopt;
  int v = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return std::nullopt;
    v = v * 10 + (c - '0');
  }
  return v;
}

// Any number of decimal digits, nothing else.
inline bool AllDigits(std::string_view s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Like ParseDigits but a field that is not a number counts as 0, the way the
// board takes the settings fields of its installation text.
inline int DigitsOrZero(std::string_view s) { return ParseDigits(s).value_or(0); }

}  // namespace kv7::sim
