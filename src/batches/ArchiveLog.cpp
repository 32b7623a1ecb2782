#include "batches/ArchiveLog.h"

#include "batches/BatchRules.h"

namespace kv7::batches {

std::vector<std::string> LogLines(const std::string& what,
                                  const std::vector<std::pair<std::string, std::string>>& fields) {
  std::vector<std::string> lines;
  const std::string head = what + ": ";
  const std::string more = what + " (+): ";
  std::string line = head;
  auto flush = [&] {
    lines.push_back(line + "\r\n");
    line = more;
  };
  for (const auto& [name, value] : fields) {
    std::string item = name + "=" + value + (&value == &fields.back().second ? "" : "; ");
    // A value longer than a whole line is carried over several lines.
    while (CharCount(line) + CharCount(item) > kLogTextWidth) {
      const bool fresh = line == head || line == more;
      if (!fresh && CharCount(more) + CharCount(item) <= kLogTextWidth) {
        flush();
        continue;
      }
      std::string part = FirstChars(item, kLogTextWidth - CharCount(line));
      line += part;
      item.erase(0, part.size());
      flush();
    }
    line += item;
  }
  lines.push_back(line + "\r\n");
  return lines;
}

void WriteLog(const LogSink& log, const std::vector<std::string>& lines) {
  if (!log) return;
  for (const auto& l : lines) log(l);
}

}  // namespace kv7::batches
