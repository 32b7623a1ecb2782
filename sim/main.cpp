// kv7-sim: the grading machine's controller board, reject station and
// barcode reader on pseudo-terminals, for training, demonstrations and tests.

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "Simulator.h"

namespace {

const char* kUsage =
    "usage: kv7-sim [options]\n"
    "  --controller PATH     use this device for the controller line (default: a new pty)\n"
    "  --reject PATH         device for the reject station line\n"
    "  --barcode PATH        device for the barcode reader line\n"
    "  --port-map            write the three pty paths into the configuration store's port map\n"
    "                        (section \"ports\", key COMn, n from porta_com/porta_scarti/porta_aux)\n"
    "  --config-dir DIR      configuration store directory (default $KV7_CONFIG_DIR or ~/.config/kv7)\n"
    "  --control PATH        also take control commands on this local socket\n"
    "  --no-stdin            do not read control commands from standard input\n"
    "  --speed X             machine time runs X times faster than real time (default 1)\n"
    "  --pace                emit bytes at the real baud rate\n"
    "  --old-board           controller line at 9600 baud (default 19200)\n"
    "  --rate N              cups per second per line (default 10)\n"
    "  --weights SPEC        normal:MEAN:SD (default normal:180:50), uniform:MIN:MAX, fixed:G\n"
    "  --reject-share P      share of fruit rejected to the reject station (default 0.05)\n"
    "  --empty-share P       share of cups passing empty (counted as bad cups, default 0)\n"
    "  --photocells          long status replies with the photocell fields\n"
    "  --firmware TEXT       firmware version reply (default 2.13)\n"
    "  --type N              board type 0 MB3, 1 MB3mod, 2 MB6, 3 MB6-1 (default 3)\n"
    "  --reject-decimals N   decimals of the reject station's weights (default 3: grams)\n"
    "  --barcode-every SEC   send a generated barcode every SEC seconds (default off)\n"
    "  --seed N              random seed (default 1)\n"
    "  --send COMMAND        send one command to a running simulator (--control PATH), print the reply\n"
    "  --help, --version     print this text or the program's version and end\n";

int SendOne(const std::string& socketPath, const std::string& command) {
  sockaddr_un addr{};
  if (socketPath.empty() || socketPath.size() >= sizeof addr.sun_path) {
    std::fprintf(stderr, "kv7-sim: --send needs --control PATH\n");
    return 2;
  }
  addr.sun_family = AF_UNIX;
  std::memcpy(addr.sun_path, socketPath.c_str(), socketPath.size() + 1);
  int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0 || ::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
    std::fprintf(stderr, "kv7-sim: no simulator on %s\n", socketPath.c_str());
    return 2;
  }
  std::string line = command + "\n";
  if (::send(fd, line.data(), line.size(), MSG_NOSIGNAL) != static_cast<ssize_t>(line.size())) return 2;
  std::string reply;
  char buf[4096];
  for (;;) {
    // The reply ends with its "ok" or "error: ..." line.
    auto last = reply.rfind('\n', reply.empty() ? 0 : reply.size() - 2);
    std::string tail = reply.empty() ? "" : reply.substr(last == std::string::npos ? 0 : last + 1);
    if (!reply.empty() && reply.back() == '\n' && (tail == "ok\n" || tail.rfind("error", 0) == 0)) break;
    ssize_t n = ::read(fd, buf, sizeof buf);
    if (n <= 0) break;
    reply.append(buf, static_cast<std::size_t>(n));
  }
  ::close(fd);
  std::fputs(reply.c_str(), stdout);
  return reply.find("error") == std::string::npos || reply.rfind("ok\n") == reply.size() - 3 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  kv7::sim::SimOptions o;
  std::string send;
  bool sending = false;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    auto value = [&](std::string& out) {
      if (i + 1 >= argc) {
        std::fprintf(stderr, "kv7-sim: %s needs a value\n%s", a.c_str(), kUsage);
        std::exit(2);
      }
      out = argv[++i];
    };
    auto number = [&](double& out) {
      std::string v;
      value(v);
      try {
        std::size_t used = 0;
        out = std::stod(v, &used);
        if (used != v.size()) throw 0;
      } catch (...) {
        std::fprintf(stderr, "kv7-sim: %s: not a number: %s\n", a.c_str(), v.c_str());
        std::exit(2);
      }
    };
    double d = 0;
    if (a == "--controller") value(o.devicePaths[0]);
    else if (a == "--reject") value(o.devicePaths[1]);
    else if (a == "--barcode") value(o.devicePaths[2]);
    else if (a == "--port-map") o.portMap = true;
    else if (a == "--config-dir") value(o.configDir);
    else if (a == "--control") value(o.controlPath);
    else if (a == "--no-stdin") o.readStdin = false;
    else if (a == "--speed") { number(o.speed); if (o.speed <= 0) { std::fprintf(stderr, "kv7-sim: --speed must be above 0\n"); return 2; } }
    else if (a == "--pace") o.pace = true;
    else if (a == "--old-board") o.controllerBaud = 9600;
    else if (a == "--rate") { number(d); o.board.cupRate = std::clamp(d, 0.0, 99.9); }
    else if (a == "--weights") {
      std::string v;
      value(v);
      if (!kv7::sim::WeightDistribution::Parse(v, o.board.weights)) {
        std::fprintf(stderr, "kv7-sim: --weights: normal:MEAN:SD, uniform:MIN:MAX or fixed:G\n");
        return 2;
      }
    }
    else if (a == "--reject-share") { number(d); o.board.rejectShare = std::clamp(d, 0.0, 1.0); }
    else if (a == "--empty-share") { number(d); o.board.emptyShare = std::clamp(d, 0.0, 1.0); }
    else if (a == "--photocells") o.board.photocells = true;
    else if (a == "--firmware") value(o.board.version);
    else if (a == "--type") { number(d); o.board.type = std::clamp(static_cast<int>(d), 0, 3); }
    else if (a == "--reject-decimals") { number(d); o.reject.decimals = std::clamp(static_cast<int>(d), 0, 3); }
    else if (a == "--barcode-every") { number(d); o.barcodeEverySec = std::max(0.0, d); }
    else if (a == "--seed") { number(d); o.board.seed = static_cast<std::uint32_t>(d); }
    else if (a == "--send") { value(send); sending = true; }
    else if (a == "-h" || a == "--help") { std::fputs(kUsage, stdout); return 0; }
    else if (a == "--version") { std::printf("kv7-sim %s\n", KV7_VERSION); return 0; }
    else {
      std::fprintf(stderr, "kv7-sim: unknown option %s\n%s", a.c_str(), kUsage);
      return 2;
    }
  }
  if (sending) return SendOne(o.controlPath, send);

  kv7::sim::Simulator sim(o);
  std::string error;
  if (!sim.Start(error)) {
    std::fprintf(stderr, "kv7-sim: %s\n", error.c_str());
    return 1;
  }
  return sim.Run();
}
