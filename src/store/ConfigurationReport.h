#pragma once
// Where the configuration code tells somebody what went wrong (a side file
// that cannot be written, a stored number that is not one). The console shows
// a message box, kv7ctl prints to stderr, tests collect. One message a call,
// one line each; an empty sink drops them.

#include <functional>
#include <string>

namespace kv7::store {

using ReportSink = std::function<void(const std::string&)>;

inline void Tell(const ReportSink& report, const std::string& message) {
  if (report) report(message);
}

}  // namespace kv7::store
