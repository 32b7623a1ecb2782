// kv7-web: the office's read-only view of the machines and the archive in a
// browser. Runs in the foreground:
//   kv7-web [--config FILE]                  serve
//   kv7-web [--config FILE] user add|remove|list ...
// The configuration file (default /etc/kv7/kv7-web.conf) holds everything,
// the archive login included; nothing secret is read from the command line.

#include <QGuiApplication>

#include <csignal>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

#include "web/PageLanguage.h"
#include "web/UserCommand.h"
#include "web/WebConfig.h"
#include "web/WebServer.h"

namespace {

constexpr const char* kDefaultConfig = "/etc/kv7/kv7-web.conf";

int Serve(const std::string& file, int argc, char** argv) {
  kv7::web::WebConfig config;
  try {
    config = kv7::web::LoadWebConfig(file);
  } catch (const std::exception& e) {
    std::cerr << "kv7-web: " << e.what() << '\n';
    return 1;
  }
  if (config.users.empty()) std::cerr << "kv7-web: no users yet: add one with kv7-web user add NAME\n";

  // The page code draws PDFs with Qt's painter: no display, no window.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (kv7::web::LoadPageModules() < static_cast<int>(kv7::web::kPageLanguages.size()))
    std::cerr << "kv7-web: some language modules are missing; those pages show Italian\n";

  // SIGTERM and SIGINT are taken by one thread of our own, so no worker is
  // interrupted and the stop is an ordinary call.
  sigset_t stops;
  sigemptyset(&stops);
  sigaddset(&stops, SIGTERM);
  sigaddset(&stops, SIGINT);
  sigaddset(&stops, SIGUSR2);  // our own: the server ended by itself
  pthread_sigmask(SIG_BLOCK, &stops, nullptr);

  kv7::web::WebServer server(std::move(config));
  std::string error;
  if (!server.Bind(&error)) {
    std::cerr << "kv7-web: " << error << '\n';
    return 1;
  }
  std::thread stopper([&] {
    int signal = 0;
    sigwait(&stops, &signal);
    if (signal != SIGUSR2) std::cout << "kv7-web: stopping" << std::endl;
    server.Stop();
  });
  server.Run();
  pthread_kill(stopper.native_handle(), SIGUSR2);
  stopper.join();
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  std::string file = kDefaultConfig;
  if (args.size() >= 2 && args[0] == "--config") {
    file = args[1];
    args.erase(args.begin(), args.begin() + 2);
  }
  if (args.empty()) return Serve(file, argc, argv);
  if (args[0] == "user") return kv7::web::RunUserCommand(file, {args.begin() + 1, args.end()});
  std::cerr << "usage: kv7-web [--config FILE] [user add NAME [--password-file FILE] | user remove NAME | user list]\n";
  return 2;
}
