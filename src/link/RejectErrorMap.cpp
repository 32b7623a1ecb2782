#include "link/RejectErrorMap.h"

namespace kv7 {

const char* RejectErrorText(int code) {
  for (const auto& entry : kRejectErrorsShown)
    if (entry.code == code) return entry.text;
  return nullptr;
}

std::vector<std::pair<int, std::string>> RejectErrorTable() {
  std::vector<std::pair<int, std::string>> table;
  for (const auto& entry : kRejectErrorsShown) table.emplace_back(entry.code, entry.text);
  return table;
}

}  // namespace kv7
