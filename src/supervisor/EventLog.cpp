#include "supervisor/EventLog.h"

#include "store/FileIo.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>

namespace kv7::supervisor {

EventLog::EventLog(std::filesystem::path file, Clock clock)
    : file_(std::move(file)), clock_(clock ? std::move(clock) : [] { return std::chrono::system_clock::now(); }) {}

std::string EventLog::FormatLine(std::chrono::system_clock::time_point when, const std::string& text) {
  std::time_t t = std::chrono::system_clock::to_time_t(when);
  std::tm local{};
  ::localtime_r(&t, &local);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%d/%m/%Y %H:%M:%S", &local);
  std::string line = std::string(stamp) + " | " + text;
  if (line.size() > kMaxLine) {
    // Cut long entries but keep their line end, or the next entry would run
    // on in the same line.
    std::string ending;
    if (text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0)
      ending = "\r\n";
    else if (!text.empty() && text.back() == '\n')
      ending = "\n";
    line.resize(kMaxLine - ending.size());
    line += ending;
  }
  return line;
}

bool EventLog::WriteLog(const std::string& text) const {
  const std::string line = FormatLine(clock_(), text);
  int fd = ::open(file_.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  const bool ok = store::WriteAll(fd, line);
  return (::close(fd) == 0) && ok;
}

}  // namespace kv7::supervisor
