// kv7ctl board ... stream MODE [ARG] [--seconds S] [--count N]
//
// Starts the mode with ARG as the command's parameters (as the service
// windows pass them: "2300" trace of line 2 with threshold 300, "010" the
// empty-cup limit, "198" the calibration weight; mem and encoder take none),
// then every 100 ms, like the console's main cycle:
//  - trace, empty, calib: prints every record taken;
//  - mem, encoder: prints the latest values when they changed (mem: per
//    line 1..6).
// One record per line: Name=value fields separated by one blank, values
// exactly as held (right-aligned values keep their leading blanks).
// Ends after S seconds, N records or SIGINT/SIGTERM with the mode's stop.

#include "BoardStream.h"

#include <charconv>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "link/cMB90.h"

namespace kv7ctl {
namespace {

using kv7::cMB90;
using Clock = std::chrono::steady_clock;
using Fields = std::vector<std::pair<std::string, std::string>>;

constexpr auto kTick = std::chrono::milliseconds(100);

volatile std::sig_atomic_t interrupted = 0;

extern "C" void OnInterrupt(int) {
  interrupted = 1;
}

struct StreamRequest {
  std::string mode;
  std::string argument;
  std::optional<double> seconds;
  std::optional<long long> count;
};

bool TakesArgument(const std::string& mode) {
  return mode == "trace" || mode == "empty" || mode == "calib";
}

std::optional<StreamRequest> Parse(const Args& a) {
  if (a.empty()) return std::nullopt;
  StreamRequest r;
  r.mode = a[0];
  if (!TakesArgument(r.mode) && r.mode != "mem" && r.mode != "encoder") return std::nullopt;
  bool haveArgument = false;
  for (std::size_t i = 1; i < a.size(); ++i) {
    if (a[i] == "--seconds" && i + 1 < a.size()) {
      const std::string& t = a[++i];
      double s = 0;
      auto res = std::from_chars(t.data(), t.data() + t.size(), s);
      if (t.empty() || res.ec != std::errc() || res.ptr != t.data() + t.size() || !(s > 0))
        return std::nullopt;
      r.seconds = s;
    } else if (a[i] == "--count" && i + 1 < a.size()) {
      const std::string& t = a[++i];
      long long n = 0;
      auto res = std::from_chars(t.data(), t.data() + t.size(), n);
      if (t.empty() || res.ec != std::errc() || res.ptr != t.data() + t.size() || n < 1) return std::nullopt;
      r.count = n;
    } else if (!haveArgument && a[i].rfind("--", 0) != 0) {
      r.argument = a[i];
      haveArgument = true;
    } else {
      return std::nullopt;
    }
  }
  // One command line: a CR inside would make the board see two commands.
  if (r.argument.find_first_of("\r\x1b") != std::string::npos) return std::nullopt;
  if (TakesArgument(r.mode) != haveArgument) return std::nullopt;
  return r;
}

void PrintRecord(const Fields& fields) {
  std::string line;
  for (const auto& [name, value] : fields) {
    if (!line.empty()) line += ' ';
    line += name + "=" + value;
  }
  line += '\n';
  std::fwrite(line.data(), 1, line.size(), stdout);
  std::fflush(stdout);
}

Fields TraceFields(const kv7::rcTracciaGrafica& r) {
  Fields f;
  for (std::size_t h = 0; h < r.Head.size(); ++h) f.emplace_back("Head" + std::to_string(h + 1), r.Head[h]);
  for (std::size_t k = 0; k < kv7::rcTracciaGrafica::kSamples; ++k)
    f.emplace_back("Sample" + std::to_string(k + 1), r.Sample[k]);
  return f;
}

Fields EmptyCupFields(const kv7::rcCOntrolloTazzeVuote& r) {
  return {
      {"Linea", r.Linea}, {"NumTazza", r.NumTazza}, {"NumTazzaCopia", r.NumTazzaCopia}, {"Valore", r.Valore}};
}

Fields CalibrationFields(const kv7::rcCalibrazioneLinee& r) {
  return {{"Linea", r.Linea}, {"NPass", r.NPass}, {"Kappa", r.Kappa}, {"Peso", r.Peso}};
}

Fields MemorisedFields(const kv7::rcTestMemorizzato& r) {
  return {{"Linea", r.Linea}, {"NumTazza", r.NumTazza}, {"Tara", r.Tara}, {"Netto", r.Netto}};
}

Fields EncoderFields(const kv7::rcTestEncoder& r) {
  Fields f{{"NGiro", r.NGiro}, {"Valore", r.Valore}};
  for (std::size_t e = 0; e < r.Errore.size(); ++e)
    f.emplace_back("Errore" + std::to_string(e + 1), r.Errore[e]);
  return f;
}

bool Start(cMB90& mb, const StreamRequest& r) {
  if (r.mode == "trace") return mb.StartTracciaGrafica(r.argument);
  if (r.mode == "empty") return mb.StartControlloTazzeVuote(r.argument);
  if (r.mode == "calib") return mb.StartCalibrazioneLinee(r.argument);
  if (r.mode == "mem") return mb.StartTestMemorizzato(cMB90::kMemorisedStartTimeout);
  return mb.StartTestEncoder(cMB90::kEncoderStartTimeout);
}

bool Stop(cMB90& mb, const std::string& mode) {
  if (mode == "trace") return mb.StopTracciaGrafica();
  if (mode == "empty") return mb.StopControlloTazzeVuote();
  if (mode == "calib") return mb.StopCalibrazioneLinee();
  if (mode == "mem") return mb.StopTestMemorizzato();
  return mb.StopTestEncoder();
}

// The records of one tick, oldest first. `last` holds what was printed
// last for the latest-value modes (per line for mem).
std::vector<Fields> TakeTick(cMB90& mb, const std::string& mode, std::vector<Fields>& last) {
  std::vector<Fields> out;
  if (mode == "trace") {
    while (auto r = mb.CheckTracciaGrafica()) out.push_back(TraceFields(*r));
  } else if (mode == "empty") {
    while (auto r = mb.CheckControlloTazzeVuote()) out.push_back(EmptyCupFields(*r));
  } else if (mode == "calib") {
    while (auto r = mb.CheckCalibrazioneLinee()) out.push_back(CalibrationFields(*r));
  } else if (mode == "mem") {
    for (int line = 1; line <= 6; ++line) {
      kv7::rcTestMemorizzato r;
      if (!mb.ReadTestMemorizzato(line, r)) continue;
      Fields f = MemorisedFields(r);
      auto& seen = last[static_cast<std::size_t>(line - 1)];
      if (f != seen) out.push_back(seen = std::move(f));
    }
  } else {
    kv7::rcTestEncoder r;
    if (mb.ReadTestEncoder(r)) {
      Fields f = EncoderFields(r);
      if (f != last[0]) out.push_back(last[0] = std::move(f));
    }
  }
  return out;
}

}  // namespace

bool StreamArgsValid(const Args& args) {
  return Parse(args).has_value();
}

int RunStream(cMB90& mb, const Args& args) {
  const auto request = Parse(args);
  if (!request) return -1;
  const std::string& mode = request->mode;

  // The values before any line came count as already shown.
  std::vector<Fields> last(6);
  if (mode == "mem")
    for (int line = 1; line <= 6; ++line)
      last[line - 1] = MemorisedFields(kv7::FormatTestMemorizzato(line, {}));
  if (mode == "encoder") last[0] = EncoderFields(kv7::FormatTestEncoder({}));

  // An interrupt during the start waits for it, so a mode that did start is
  // stopped again.
  std::signal(SIGINT, &OnInterrupt);
  std::signal(SIGTERM, &OnInterrupt);
  if (!Start(mb, *request)) return 1;  // the reason is already on stderr

  const auto start = Clock::now();
  const auto end = request->seconds ? start + std::chrono::duration_cast<Clock::duration>(
                                                  std::chrono::duration<double>(*request->seconds))
                                    : Clock::time_point::max();
  long long printed = 0;
  auto nextTick = start + kTick;
  bool done = false;
  while (!done && !interrupted) {
    std::this_thread::sleep_until(std::min(nextTick, end));
    nextTick += kTick;
    for (const Fields& f : TakeTick(mb, mode, last)) {
      PrintRecord(f);
      if (request->count && ++printed >= *request->count) {
        done = true;
        break;
      }
    }
    if (Clock::now() >= end) done = true;
  }
  std::signal(SIGINT, SIG_DFL);
  std::signal(SIGTERM, SIG_DFL);
  if (!Stop(mb, mode)) {
    std::fprintf(stderr, "kv7ctl: board: the %s mode did not stop\n", mode.c_str());
    return 1;
  }
  return 0;
}

}  // namespace kv7ctl
