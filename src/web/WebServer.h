#pragma once
// kv7-web's HTTP side: every answer carries the security headers; every
// page and data request needs a session (pages send the browser to the
// login, data requests get 401); nothing writes, so every write method but
// the login and the logout gets 405.

#include <memory>
#include <string>

#include "web/WebConfig.h"

namespace httplib {
class Server;
}

namespace kv7::web {

class DatabasePool;
class LiveFeed;
class LoginThrottle;
class Sessions;

class WebServer {
 public:
  // Enough workers for about sixty open machines pages (each stream holds
  // one) and the page requests beside them.
  static constexpr std::size_t kWorkers = 80;

  explicit WebServer(WebConfig config);
  ~WebServer();
  WebServer(const WebServer&) = delete;
  WebServer& operator=(const WebServer&) = delete;

  // Binds the configured address and port; false (with the reason in
  // *error) when it cannot.
  bool Bind(std::string* error);
  int Port() const { return port_; }
  // Serves until Stop(); the live reader runs meanwhile.
  void Run();
  // From any thread (a signal's, say).
  void Stop();

 private:
  void Routes();
  void Guard();

  WebConfig config_;
  int port_ = 0;
  std::unique_ptr<httplib::Server> http_;
  std::unique_ptr<Sessions> sessions_;
  std::unique_ptr<LoginThrottle> throttle_;
  std::unique_ptr<LiveFeed> feed_;
  std::unique_ptr<DatabasePool> pool_;
  std::string dummyHash_;  // compared when the user is unknown: same time either way
};

}  // namespace kv7::web
