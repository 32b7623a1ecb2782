#pragma once
// A number as the operator or a file gives it (blanks around it allowed);
// text that does not convert, or does not fit, counts as 0.

#include <cmath>
#include <cstdlib>
#include <string>

namespace kv7::supervisor {

inline double TextToNumber(const std::string& text) {
  char* end = nullptr;
  const double v = std::strtod(text.c_str(), &end);
  while (end && *end == ' ') ++end;
  return end && *end == '\0' && std::isfinite(v) ? v : 0;
}

}  // namespace kv7::supervisor
