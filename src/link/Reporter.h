#pragma once
// How protocol objects tell the operator that a board command failed. The
// console shows a message box (with a beep when asked), kv7ctl prints to
// stderr, tests record. The protocol objects never print themselves.

#include <string>

namespace kv7 {

class Reporter {
 public:
  virtual ~Reporter() = default;
  virtual void Report(const std::string& message, bool beep) = 0;
};

// Drops every message; for owners that have nobody to tell.
class SilentReporter final : public Reporter {
 public:
  void Report(const std::string&, bool) override {}
};

}  // namespace kv7
