// kv7ctl barcode: runs the barcode reader's receive thread and prints every
// line it delivers, as the console would append them to its memo.

#include <charconv>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>

#include "Command.h"
#include "link/tPolling.h"
#include "store/ConfigStore.h"

namespace kv7ctl {
namespace {

constexpr const char* kUsage = "[--device PATH | --port N] [--seconds S]";

volatile std::sig_atomic_t interrupted = 0;

void OnInterrupt(int) {
  interrupted = 1;
}

void PrintLine(std::string line) {
  while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.pop_back();
  line += '\n';
  std::fwrite(line.data(), 1, line.size(), stdout);
  std::fflush(stdout);
}

int RunBarcode(const Args& args) {
  std::string device;
  int port = -1;
  double seconds = -1;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--device" && i + 1 < args.size()) {
      device = args[++i];
    } else if (args[i] == "--port" && i + 1 < args.size()) {
      const std::string& t = args[++i];
      auto r = std::from_chars(t.data(), t.data() + t.size(), port);
      if (r.ec != std::errc() || r.ptr != t.data() + t.size() || port < 0 || port > 255)
        return UsageError("barcode: bad port number '" + t + "'");
    } else if (args[i] == "--seconds" && i + 1 < args.size()) {
      const std::string& t = args[++i];
      auto r = std::from_chars(t.data(), t.data() + t.size(), seconds);
      if (r.ec != std::errc() || r.ptr != t.data() + t.size() || seconds < 0)
        return UsageError("barcode: bad number of seconds '" + t + "'");
    } else {
      return UsageError(std::string("barcode: usage: kv7ctl barcode ") + kUsage);
    }
  }
  if (!device.empty() && port >= 0) return UsageError("barcode: give --device or --port, not both");

  std::unique_ptr<kv7::tPolling> reader;
  if (!device.empty()) {
    reader = std::make_unique<kv7::tPolling>(device);
  } else {
    kv7::store::ConfigStore store;
    if (port < 0) port = store.ReadInteger("kv2", "porta_aux", 2);
    reader = std::make_unique<kv7::tPolling>(static_cast<std::uint8_t>(port), store);
  }

  std::signal(SIGINT, OnInterrupt);
  std::signal(SIGTERM, OnInterrupt);
  if (!reader->Start()) {
    reader->Terminate();
    std::fprintf(stderr, "kv7ctl: barcode: cannot open the barcode reader's port\n");
    return 1;
  }

  using Clock = std::chrono::steady_clock;
  const auto tick = std::chrono::milliseconds(100);
  const auto end = seconds < 0 ? Clock::time_point::max()
                               : Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                                    std::chrono::duration<double>(seconds));
  auto next = Clock::now();
  while (!interrupted && Clock::now() < end) {
    while (reader->count() > 0) PrintLine(reader->take());
    next += tick;
    std::this_thread::sleep_until(std::min(next, end));
  }
  // The thread's last look may still queue what arrived at the very end.
  reader->Terminate();
  while (reader->count() > 0) PrintLine(reader->take());
  return 0;
}

Registration reg("barcode", kUsage, &RunBarcode);

}  // namespace
}  // namespace kv7ctl
