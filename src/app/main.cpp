#include <QApplication>
#include <QSocketNotifier>

#include <csignal>
#include <filesystem>
#include <utility>
#include <sys/socket.h>
#include <unistd.h>

#include "app/CommandLine.h"
#include "app/ConsoleApp.h"

namespace {

int signalPipe[2] = {-1, -1};

void OnTerminate(int) {
  char b = 1;
  [[maybe_unused]] auto n = ::write(signalPipe[1], &b, 1);
}

}  // namespace

int main(int argc, char** argv) {
  if (auto status = kv7::app::HandleInfoOptions(argc, argv)) return *status;
  // Before any thread: the archive's password stays in this process only,
  // never in the environment of a program the console starts.
  auto dbParams = kv7::store::DbParams::TakeFromEnvironment();
  QApplication app(argc, argv);
  QApplication::setApplicationName("Orvia Campionatrice");

  kv7::app::ConsoleApp console(app.arguments().mid(1), std::filesystem::current_path(), nullptr,
                               std::move(dbParams));

  // SIGTERM and SIGINT close the console as the exit command's window close
  // does, so the links are closed and the stop is logged.
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) == 0) {
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [&] {
      char b;
      [[maybe_unused]] auto n = ::read(signalPipe[0], &b, 1);
      console.Window().close();
    });
    std::signal(SIGTERM, OnTerminate);
    std::signal(SIGINT, OnTerminate);
  }

  console.Window().showMaximized();
  return app.exec();
}
