#include "web/Sessions.h"

#include <sys/random.h>

#include <stdexcept>
#include <vector>

namespace kv7::web {

std::string RandomToken(std::size_t bytes) {
  std::vector<unsigned char> raw(bytes);
  std::size_t got = 0;
  while (got < bytes) {
    const ssize_t n = ::getrandom(raw.data() + got, bytes - got, 0);
    if (n <= 0) throw std::runtime_error("no random bytes from the kernel");
    got += static_cast<std::size_t>(n);
  }
  static const char kHex[] = "0123456789abcdef";
  std::string token;
  for (unsigned char b : raw) {
    token += kHex[b >> 4];
    token += kHex[b & 15];
  }
  return token;
}

std::string Sessions::Open(const std::string& user) {
  std::string token = RandomToken(32);
  std::lock_guard lock(mutex_);
  const auto now = Clock::now();
  std::erase_if(sessions_, [now](const auto& entry) { return entry.second.expires <= now; });
  sessions_[token] = {user, now + lifetime_};
  return token;
}

std::optional<std::string> Sessions::UserOf(const std::string& token) {
  std::lock_guard lock(mutex_);
  const auto it = sessions_.find(token);
  if (it == sessions_.end()) return std::nullopt;
  if (it->second.expires <= Clock::now()) {
    sessions_.erase(it);
    return std::nullopt;
  }
  return it->second.user;
}

void Sessions::Close(const std::string& token) {
  std::lock_guard lock(mutex_);
  sessions_.erase(token);
}

std::chrono::milliseconds LoginThrottle::Failed(const std::string& address, const std::string& user) {
  std::lock_guard lock(mutex_);
  // Many made-up names must not grow the table without end: the single
  // failures go first, the long runs (someone trying in earnest) stay.
  if (failures_.size() >= kTracked) std::erase_if(failures_, [](const auto& entry) { return entry.second <= 1; });
  const int n = ++failures_[address + '\n' + user];
  auto delay = first_;
  for (int i = 1; i < n && delay < longest_; ++i) delay *= 2;
  return std::min(delay, longest_);
}

void LoginThrottle::Succeeded(const std::string& address, const std::string& user) {
  std::lock_guard lock(mutex_);
  failures_.erase(address + '\n' + user);
}

}  // namespace kv7::web
