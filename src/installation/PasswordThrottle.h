#pragma once
// Slows a guesser down: after three wrong passwords in a row the next one is
// taken only a few seconds after the last failure, and so on until a right
// one. The clock and the wait are injectable so a test need not sleep.

#include <chrono>
#include <functional>

namespace kv7::installation {

class PasswordThrottle {
 public:
  using Clock = std::chrono::steady_clock;
  using Now = std::function<Clock::time_point()>;
  using Wait = std::function<void(Clock::duration)>;

  static constexpr int kFreeAttempts = 3;
  static constexpr std::chrono::seconds kDelay{5};

  PasswordThrottle();
  PasswordThrottle(Now now, Wait wait);

  // Before a password is asked: waits out what is left of the delay.
  void BeforeAttempt();
  // The typed password was wrong / right.
  void Failed();
  void Succeeded();

 private:
  Now now_;
  Wait wait_;
  int failures_ = 0;
  Clock::time_point notBefore_{};
};

}  // namespace kv7::installation
