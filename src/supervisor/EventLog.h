#pragma once
// The event log "kv2.log": one line per event, "dd/mm/yyyy hh:mm:ss | text".
// The file is opened and closed for every line and never truncated, so an
// entry is on disk as soon as WriteLog returns and a crash loses nothing.

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>

namespace kv7::supervisor {

class EventLog {
 public:
  using Clock = std::function<std::chrono::system_clock::time_point()>;
  static constexpr std::size_t kMaxLine = 255;

  explicit EventLog(std::filesystem::path file = "kv2.log", Clock clock = {});

  // The text carries its own line end ("\r\n"). Returns false when the file
  // could not be opened or written.
  bool WriteLog(const std::string& text) const;

  // The line as it goes to the file for a given moment.
  static std::string FormatLine(std::chrono::system_clock::time_point when, const std::string& text);

  const std::filesystem::path& File() const { return file_; }

 private:
  std::filesystem::path file_;
  Clock clock_;
};

}  // namespace kv7::supervisor
