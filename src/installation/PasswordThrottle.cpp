#include "installation/PasswordThrottle.h"

#include <thread>

namespace kv7::installation {

PasswordThrottle::PasswordThrottle()
    : PasswordThrottle([] { return Clock::now(); }, [](Clock::duration d) { std::this_thread::sleep_for(d); }) {}

PasswordThrottle::PasswordThrottle(Now now, Wait wait) : now_(std::move(now)), wait_(std::move(wait)) {}

void PasswordThrottle::BeforeAttempt() {
  if (failures_ < kFreeAttempts) return;
  const auto now = now_();
  if (now < notBefore_) wait_(notBefore_ - now);
}

void PasswordThrottle::Failed() {
  if (++failures_ >= kFreeAttempts) notBefore_ = now_() + kDelay;
}

void PasswordThrottle::Succeeded() { failures_ = 0; }

}  // namespace kv7::installation
