// kv7ctl board: one command to the controller board on the same code the
// console uses, with the decoded fields printed as Name=value lines exactly
// as held (blanks kept). The board's failure messages go to stderr.

#include <charconv>
#include <cstdio>
#include <memory>
#include <string>

#include "BoardStream.h"
#include "Command.h"
#include "link/cMB90.h"
#include "link/cPort.h"
#include "store/ConfigStore.h"

namespace kv7ctl {
namespace {

using kv7::cMB90;

constexpr const char* kUsage =
    "[--device PATH | --port N] [--old-board] poll [--alarm] | totals BLOCK | values Q|R | version | type | "
    "rotation | set-rotation 0|1 | tare-delay A B C D | magnet-type 0|1 | send LETTER [DATA] | paren DATA | "
    "tare-table FIRST COUNT | abort | ports | "
    "stream trace|empty|calib|mem|encoder [ARG] [--seconds S] [--count N]";

class StderrReporter final : public kv7::Reporter {
 public:
  void Report(const std::string& message, bool) override { std::fprintf(stderr, "%s\n", message.c_str()); }
};

bool ParseInt(const std::string& text, long long& value) {
  auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  return !text.empty() && result.ec == std::errc() && result.ptr == text.data() + text.size();
}

void Print(const std::string& name, const std::string& value) {
  std::fwrite(name.data(), 1, name.size(), stdout);
  std::fputc('=', stdout);
  std::fwrite(value.data(), 1, value.size(), stdout);
  std::fputc('\n', stdout);
}

int Usage() {
  return UsageError(std::string("board: usage: kv7ctl board ") + kUsage);
}

int ListPorts(const kv7::store::ConfigStore& store) {
  const auto ports = kv7::cPort::AvailablePorts(store);
  for (int n : ports) Print("COM" + std::to_string(n), kv7::cPort::ResolveDevice(n, store));
  return ports.empty() ? 1 : 0;
}

// Whether the words after the command suit it; checked before the port is
// touched.
bool ArgsValid(const std::string& op, const Args& a) {
  long long x, y;
  const auto n = a.size();
  if (op == "poll") return n == 0 || (n == 1 && a[0] == "--alarm");
  if (op == "totals") return n == 1 && !a[0].empty();
  if (op == "values") return n == 1 && (a[0] == "Q" || a[0] == "R");
  if (op == "version" || op == "type" || op == "rotation" || op == "abort") return n == 0;
  if (op == "set-rotation" || op == "magnet-type") return n == 1 && (a[0] == "0" || a[0] == "1");
  if (op == "tare-delay")
    return n == 4 && ParseInt(a[0], x) && ParseInt(a[1], x) && ParseInt(a[2], x) && ParseInt(a[3], x);
  if (op == "send") return (n == 1 || n == 2) && a[0].size() == 1;
  if (op == "paren") return n == 1;
  if (op == "stream") return StreamArgsValid(a);
  if (op == "tare-table")
    // Three digits each on the wire; the table holds cups up to 511.
    return n == 2 && ParseInt(a[0], x) && ParseInt(a[1], y) && x >= 1 && y >= 1 &&
           x + y - 1 <= kv7::rcTestTaraTazza::kCups - 1;
  return false;
}

// Runs one operation on an opened link; -1 for bad arguments.
int Run(cMB90& mb, const std::string& op, const Args& a) {
  auto want = [&](std::size_t n) { return a.size() == n; };
  long long x[4];
  if (op == "poll") {
    if (!(want(0) || (want(1) && a[0] == "--alarm"))) return -1;
    mb.SetAlarm(want(1));
    if (!mb.PollState(cMB90::kPollTimeout)) return 1;
    const kv7::rcStateMachine& s = mb.State();
    Print("Stato", s.Stato);
    Print("NumProgramma", s.NumProgramma);
    Print("Cadenza", s.Cadenza);
    Print("Aux", s.Aux);
    Print("NumTazza", s.NumTazza);
    Print("TazzeBad", s.TazzeBad);
    Print("Fc1", s.Fc1);
    Print("Fc2", s.Fc2);
    Print("Fc3", s.Fc3);
    Print("Fc4", s.Fc4);
    Print("Fc5", s.Fc5);
    return 0;
  }
  if (op == "totals") {
    if (!want(1) || a[0].empty()) return -1;
    if (!mb.RichiestaTotali(cMB90::kTotalsTimeout, a[0])) return 1;
    kv7::rcRichiestaTotali t;
    mb.GetTotali(t);
    Print("Head", t.Head);
    for (std::size_t k = 0; k < t.Tot.size(); ++k) Print("Tot" + std::to_string(k + 1), t.Tot[k]);
    return 0;
  }
  if (op == "values") {
    if (!want(1) || (a[0] != "Q" && a[0] != "R")) return -1;
    if (!mb.RequestValues(a[0], cMB90::kValuesTimeout)) return 1;
    kv7::rcTestCelle v;
    mb.GetTestCelle(v);
    for (std::size_t n = 0; n < kv7::rcTestCelle::kLines; ++n) Print("Val" + std::to_string(n + 1), v.Val[n]);
    return 0;
  }
  if (op == "version") {
    if (!want(0)) return -1;
    if (!mb.RequestVersion(cMB90::kBoardInfoTimeout)) return 1;
    std::string version;
    mb.GetVersion(version);
    Print("Version", version);
    return 0;
  }
  if (op == "type") {
    if (!want(0)) return -1;
    if (!mb.RequestType(cMB90::kBoardInfoTimeout)) return 1;
    Print("Type", std::to_string(mb.GetType()));
    return 0;
  }
  if (op == "rotation" || op == "set-rotation") {
    bool ok;
    if (op == "rotation") {
      if (!want(0)) return -1;
      ok = mb.RequestRotation(cMB90::kBoardInfoTimeout);
    } else {
      if (!want(1) || (a[0] != "0" && a[0] != "1")) return -1;
      ok = mb.SetRotation(cMB90::kBoardInfoTimeout, a[0] == "1" ? 1 : 0);
    }
    if (!ok) return 1;
    Print("Rotation", std::to_string(mb.GetRotation()));
    return 0;
  }
  if (op == "tare-delay") {
    if (!want(4)) return -1;
    for (int i = 0; i < 4; ++i)
      if (!ParseInt(a[i], x[i])) return -1;
    return mb.SetTareDelay(0, x[0], x[1], x[2], x[3]) ? 0 : 1;
  }
  if (op == "magnet-type") {
    if (!want(1) || (a[0] != "0" && a[0] != "1")) return -1;
    return mb.SetMagnetType(0, a[0] == "1" ? 1 : 0) ? 0 : 1;
  }
  if (op == "send") {
    if (a.empty() || a.size() > 2 || a[0].size() != 1) return -1;
    return mb.SendLetter(a[0][0], a.size() == 2 ? a[1] : std::string()) ? 0 : 1;
  }
  if (op == "paren") {
    if (!want(1)) return -1;
    return mb.SendSetParen(cMB90::kSetParenTimeout, a[0]) ? 0 : 1;
  }
  if (op == "tare-table") {
    // Three digits each on the wire; the table holds cups up to 511.
    if (!want(2) || !ParseInt(a[0], x[0]) || !ParseInt(a[1], x[1])) return -1;
    if (x[0] < 1 || x[1] < 1 || x[0] + x[1] - 1 > kv7::rcTestTaraTazza::kCups - 1) return -1;
    const long long ticks = x[1] * cMB90::kTareTicksPerCup;
    const auto timeout = static_cast<cMB90::TickCount>(ticks > 65535 ? 65535 : ticks);
    if (!mb.RequestTaraTazza(kv7::TaraTazzaArgument(static_cast<int>(x[0]), static_cast<int>(x[1])), timeout))
      return 1;
    kv7::rcTestTaraTazza t;
    mb.GetTestTaraTazza(t);
    for (long long cup = x[0]; cup < x[0] + x[1]; ++cup)
      for (int line = 1; line <= kv7::rcTestTaraTazza::kWeighingLines; ++line)
        Print("Tara" + std::to_string(cup) + "." + std::to_string(line),
              t.At(line - 1, static_cast<int>(cup)));
    return 0;
  }
  if (op == "abort") {
    if (!want(0)) return -1;
    return mb.SendAbort() ? 0 : 1;
  }
  if (op == "stream") return RunStream(mb, a);
  return -1;
}

int RunBoard(const Args& args) {
  std::string device;
  long long port = -1;
  bool oldBoard = false;
  std::size_t i = 0;
  for (; i < args.size(); ++i) {
    if (args[i] == "--device" && i + 1 < args.size()) {
      device = args[++i];
    } else if (args[i] == "--port" && i + 1 < args.size()) {
      if (!ParseInt(args[++i], port) || port < 1 || port > 99)
        return UsageError("board: bad port number '" + args[i] + "' (1..99)");
    } else if (args[i] == "--old-board") {
      oldBoard = true;
    } else {
      break;
    }
  }
  if (i >= args.size()) return Usage();
  if (!device.empty() && port >= 0) return UsageError("board: give --device or --port, not both");
  const std::string op = args[i];
  const Args rest(args.begin() + static_cast<std::ptrdiff_t>(i) + 1, args.end());

  kv7::store::ConfigStore store;
  if (op == "ports") return rest.empty() ? ListPorts(store) : Usage();

  if (!ArgsValid(op, rest)) return Usage();

  const std::uint32_t baud = oldBoard ? 9600 : 19200;
  StderrReporter reporter;
  std::unique_ptr<cMB90> mb;
  if (!device.empty()) {
    mb = std::make_unique<cMB90>(device, baud, reporter);
  } else {
    if (port < 0) port = store.ReadInteger("kv2", "porta_com", 1);
    if (port < 1 || port > 99) {
      std::fprintf(stderr, "kv7ctl: board: no controller port configured (porta_com %lld)\n", port);
      return 1;
    }
    mb = std::make_unique<cMB90>(static_cast<std::uint8_t>(port), baud, store, reporter);
  }
  // A port that does not open fails every command; its own message follows.
  if (!mb->Open())
    std::fprintf(stderr, "kv7ctl: board: cannot open the port '%s'\n", mb->Port().DevicePath().c_str());
  const int result = Run(*mb, op, rest);
  if (result < 0) return Usage();
  std::fflush(stdout);
  return result;
}

Registration reg("board", kUsage, &RunBoard);

}  // namespace
}  // namespace kv7ctl
