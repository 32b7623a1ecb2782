#pragma once
// Logged-in sessions and the slowing of wrong passwords. Shared by the
// server's worker threads, so every member takes the lock.

#include <chrono>
#include <map>
#include <mutex>
#include <optional>
#include <string>

namespace kv7::web {

class Sessions {
 public:
  using Clock = std::chrono::steady_clock;

  explicit Sessions(std::chrono::minutes lifetime) : lifetime_(lifetime) {}

  // A new session for `user`: a random token of 64 hex digits.
  std::string Open(const std::string& user);
  // The user of a live session; expired ones are dropped.
  std::optional<std::string> UserOf(const std::string& token);
  void Close(const std::string& token);
  std::chrono::minutes Lifetime() const { return lifetime_; }

 private:
  struct Session {
    std::string user;
    Clock::time_point expires;
  };
  const std::chrono::minutes lifetime_;
  std::mutex mutex_;
  std::map<std::string, Session> sessions_;
};

// Wrong passwords are answered later and later: the delay doubles with each
// failure in a row from the same address for the same user name, from
// `first` up to `longest`; a success clears the count.
class LoginThrottle {
 public:
  LoginThrottle(std::chrono::milliseconds first, std::chrono::milliseconds longest)
      : first_(first), longest_(longest) {}

  // Records a failure and returns how long its answer waits.
  std::chrono::milliseconds Failed(const std::string& address, const std::string& user);
  void Succeeded(const std::string& address, const std::string& user);

 private:
  static constexpr std::size_t kTracked = 10'000;
  std::chrono::milliseconds first_, longest_;
  std::mutex mutex_;
  std::map<std::string, int> failures_;
};

// `bytes` random bytes from the kernel, as hex digits.
std::string RandomToken(std::size_t bytes);

}  // namespace kv7::web
