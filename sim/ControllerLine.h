#pragma once
// The controller board's side of the line discipline: it echoes every byte of
// a command as it arrives, except the final CR; for the settings and trace
// commands that the console sends in whole-line mode ("-3...", "-40"/"-41",
// "O...") it echoes the CR too; the value and tare-table requests ("Q", "R")
// are not echoed at all. ESC alone aborts a streaming mode (and is echoed, so
// the console does not wait for it). While a mode streams only ESC counts.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kv7::sim {

class ControllerLine {
 public:
  static constexpr char kAbort = 0x1B;
  static constexpr std::size_t kMaxLine = 600;

  struct Event {
    enum class Kind { Echo, Command, Abort } kind;
    std::string bytes;  // echo bytes, or the command without its CR
  };

  // Events in the order the bytes arrived.
  std::vector<Event> Feed(std::string_view bytes);
  void SetStreaming(bool on) { streaming_ = on; }
  void Reset() { line_.clear(); }
  const std::string& Pending() const { return line_; }

  static bool EchoesFinalCr(const std::string& command);
  static bool Unechoed(char first) { return first == 'Q' || first == 'R'; }

 private:
  std::string line_;
  bool streaming_ = false;
  bool overflow_ = false;
};

}  // namespace kv7::sim
