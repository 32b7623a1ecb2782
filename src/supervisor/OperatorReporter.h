#pragma once
// Board command failures go to the operator: a beep when the message asks
// for one, then the modal box.

#include "link/Reporter.h"
#include "supervisor/Console.h"

namespace kv7::supervisor {

class OperatorReporter final : public Reporter {
 public:
  explicit OperatorReporter(Operator& op) : operator_(op) {}
  void Report(const std::string& message, bool beep) override {
    if (beep) operator_.Beep();
    operator_.ShowMessage(message);
  }

 private:
  Operator& operator_;
};

}  // namespace kv7::supervisor
