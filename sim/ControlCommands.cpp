// The control commands of the simulator and its status report.

#include <iomanip>
#include <sstream>
#include <vector>

#include "Simulator.h"

namespace kv7::sim {

namespace {

const char* kHelp =
    "status                      board, totals, reject station, faults (key=value lines)\n"
    "power-cycle                 board back to state 0, installation and program lost\n"
    "state N                     force processing state 0..5\n"
    "start                       run on to processing, with or without a program\n"
    "tare LINE CUP               the empty weight of a cup on a line\n"
    "rate N                      cups per second on every line (0 stops the chain)\n"
    "weights normal:M:SD|uniform:MIN:MAX|fixed:G\n"
    "reject-share P              share of fruit rejected to the reject station (0..1)\n"
    "photocells on|off           long or short status replies\n"
    "totals-silent N|off         no answer to the totals block of weighing line N\n"
    "barcode [CODE]              send a code line now (a generated one without CODE)\n"
    "barcode-every SEC           send generated codes every SEC seconds (0: off)\n"
    "drop-echo P|all|off         drop controller echo bytes with probability P\n"
    "delay MS [LINE]             delay replies by MS milliseconds\n"
    "silence on|off [LINE]       the board stops answering (it still listens)\n"
    "noise N [LINE]              send N random bytes now\n"
    "disconnect [LINE]           cut the line both ways (the device path stays)\n"
    "reconnect [LINE]            restore it\n"
    "reject-error NN [COUNT]     the next COUNT reject-station replies are ENN; 'off' clears\n"
    "speed X                     machine time per real time\n"
    "pace on|off                 emit bytes at the line's baud rate\n"
    "quit                        end the simulator\n"
    "LINE is controller (default), reject or barcode.\n";

bool ToDouble(const std::string& s, double& v) {
  try {
    std::size_t used = 0;
    v = std::stod(s, &used);
    return used == s.size();
  } catch (...) {
    return false;
  }
}

bool ToInt(const std::string& s, int& v) {
  try {
    std::size_t used = 0;
    v = std::stoi(s, &used);
    return used == s.size();
  } catch (...) {
    return false;
  }
}

bool OnOff(const std::string& s, bool& v) {
  if (s == "on" || s == "1") return v = true, true;
  if (s == "off" || s == "0") return v = false, true;
  return false;
}

}  // namespace

bool Simulator::ParseLine(const std::string& word, Line& out) {
  if (word.empty() || word == "controller") return out = kController, true;
  if (word == "reject") return out = kReject, true;
  if (word == "barcode") return out = kBarcode, true;
  return false;
}

std::string Simulator::Status() const {
  std::ostringstream o;
  const auto& s = board_.GetSettings();
  o << "state=" << board_.State() << '\n'
    << "program=" << board_.ProgramNumber() << '\n'
    << "alarm=" << (board_.Alarm() ? 1 : 0) << '\n'
    << "cup_rate=" << s.cupRate << '\n'
    << "cup_steps=" << board_.CupSteps() << '\n'
    << "lines=" << board_.ActiveLines() << '\n'
    << "installed=" << (board_.Install().received ? 1 : 0) << '\n'
    << "install_text=" << board_.Install().text << '\n'
    << "fruit=" << board_.FruitCount() << '\n'
    << "weights=" << s.weights.Describe() << '\n'
    << "reject_share=" << s.rejectShare << '\n'
    << "stream=" << StreamName(board_.Stream()) << '\n'
    << "rotation=" << board_.Rotation() << '\n'
    << "magnet_type=" << board_.MagnetType() << '\n'
    << "magnet_test=" << board_.MagnetTest() << '\n'
    << "magnet_commands=" << board_.MagnetCommands() << '\n';
  auto t = board_.TareSettings();
  o << "tare_settings=" << t[0] << ',' << t[1] << ',' << t[2] << ',' << t[3] << '\n';
  o << "kappas=";
  for (int l = 0; l < kLines; ++l) o << (l ? "," : "") << board_.Kappas()[l];
  o << '\n' << "ignored_commands=" << board_.IgnoredCommands() << '\n';
  std::uint64_t grand = 0;
  for (int l = 0; l < kLines; ++l) {
    const auto& p = board_.Program(l);
    std::string key = "line" + std::to_string(l + 1);
    o << key << ".program=" << (p.loaded ? p.program : 0) << '\n' << key << ".limits=";
    for (int k = 0; k < kLimits; ++k) o << (k ? "," : "") << p.limits[k];
    o << '\n' << key << ".classes=";
    for (int c = 0; c < kClasses; ++c) o << (c ? "," : "") << board_.ClassTotals()[l][c];
    o << '\n'
      << key << ".total=" << board_.LineTotal(l) << '\n'
      << key << ".unclassed=" << board_.Unclassed()[l] << '\n';
    grand += board_.LineTotal(l);
  }
  o << "classed_total=" << grand << '\n'
    << "rejected_grams=" << board_.RejectedGramsTotal() << '\n'
    << "reject.cycle=" << (reject_.CycleOn() ? 1 : 0) << '\n'
    << "reject.state=" << reject_.State() << '\n'
    << "reject.decimals=" << reject_.Decimals() << '\n'
    << "reject.total_grams=" << reject_.TotalGrams() << '\n'
    << "reject.weight=" << reject_.InUnits(reject_.TotalGrams()) << '\n'
    << "reject.hopper_grams=" << reject_.HopperGrams() << '\n'
    << "reject.errors_pending=" << reject_.ErrorsLeft() << '\n'
    << "barcode.sent=" << barcode_.Sent() << '\n'
    << "barcode.every_s=" << barcode_.IntervalMs() / 1000.0 << '\n'
    << "speed=" << speed_ << '\n'
    << "model_ms=" << static_cast<long long>(modelMs_) << '\n'
    << "fault.drop_echo=" << dropEcho_ << '\n';
  for (int i = 0; i < 3; ++i) {
    const auto& l = lines_[i];
    o << l.Name() << ".path=" << l.Path() << '\n'
      << l.Name() << ".silent=" << (l.Silent() ? 1 : 0) << '\n'
      << l.Name() << ".connected=" << (l.Connected() ? 1 : 0) << '\n'
      << l.Name() << ".delay_ms=" << delayMs_[i] << '\n'
      << l.Name() << ".bytes_in=" << l.BytesIn() << '\n'
      << l.Name() << ".bytes_out=" << l.BytesOut() << '\n';
  }
  return o.str();
}

std::string Simulator::Command(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> w;
  for (std::string s; in >> s;) w.push_back(s);
  if (w.empty()) return "ok\n";
  auto err = [](const std::string& m) { return "error: " + m + "\n"; };
  const std::string& cmd = w[0];
  auto arg = [&](std::size_t i) { return i < w.size() ? w[i] : std::string(); };
  auto now = std::chrono::steady_clock::now();
  UpdateModelTime();
  board_.AdvanceTo(modelMs_);

  if (cmd == "help") return kHelp + std::string("ok\n");
  if (cmd == "status") return Status() + "ok\n";
  if (cmd == "quit" || cmd == "exit") {
    quit_ = true;
    return "ok\n";
  }
  if (cmd == "power-cycle") {
    board_.PowerCycle(modelMs_);
    reject_.PowerCycle();
    controllerLine_.Reset();
    controllerLine_.SetStreaming(false);
    lines_[kController].DropQueued();
    return "ok\n";
  }
  if (cmd == "state") {
    int n = 0;
    if (!ToInt(arg(1), n) || n < 0 || n > 5) return err("state takes 0..5");
    board_.ForceState(n, modelMs_);
    return "ok\n";
  }
  if (cmd == "tare") {
    int line = 0, cup = 0;
    if (!ToInt(arg(1), line) || !ToInt(arg(2), cup) || line < 1 || line > kLines || cup < 1 || cup > kMaxCup)
      return err("tare takes LINE 1..6 and CUP 1..511");
    return "tare=" + std::to_string(board_.CupTare(line - 1, cup)) + "\nok\n";
  }
  if (cmd == "start") {
    board_.StartRunning(modelMs_);
    return "ok\n";
  }
  if (cmd == "rate") {
    double r = 0;
    if (!ToDouble(arg(1), r) || r < 0 || r > 99.9) return err("rate takes 0..99.9 cups per second");
    board_.SetCupRate(r);
    return "ok\n";
  }
  if (cmd == "weights") {
    WeightDistribution d;
    if (!WeightDistribution::Parse(arg(1), d)) return err("weights: normal:MEAN:SD, uniform:MIN:MAX or fixed:G");
    board_.SetWeights(d);
    return "ok\n";
  }
  if (cmd == "reject-share") {
    double p = 0;
    if (!ToDouble(arg(1), p) || p < 0 || p > 1) return err("reject-share takes 0..1");
    board_.SetRejectShare(p);
    return "ok\n";
  }
  if (cmd == "photocells") {
    bool on = false;
    if (!OnOff(arg(1), on)) return err("photocells on|off");
    board_.SetPhotocells(on);
    return "ok\n";
  }
  if (cmd == "totals-silent") {
    int n = 0;
    if (arg(1) != "off" && (!ToInt(arg(1), n) || n < 1 || n > 6)) return err("totals-silent 1..6|off");
    board_.SetSilentTotalsLine(n);
    return "ok\n";
  }
  if (cmd == "barcode") {
    std::string code = w.size() > 1 ? text.substr(text.find(w[1])) : barcode_.NextCode();
    if (code.find_first_of("\r\n") != std::string::npos) return err("a code is one line");
    lines_[kBarcode].Send(BarcodeReader::Line(code), ReplyTime(kBarcode, now));
    barcode_.CountSent();
    return "code=" + code + "\nok\n";
  }
  if (cmd == "barcode-every") {
    double s = 0;
    if (!ToDouble(arg(1), s) || s < 0) return err("barcode-every takes seconds, 0 for off");
    barcode_.SetInterval(s * 1000.0, modelMs_);
    return "ok\n";
  }
  if (cmd == "drop-echo") {
    double p = 0;
    if (arg(1) == "all")
      p = 1;
    else if (arg(1) == "off")
      p = 0;
    else if (!ToDouble(arg(1), p) || p < 0 || p > 1)
      return err("drop-echo takes a probability 0..1, all or off");
    dropEcho_ = p;
    return "ok\n";
  }
  Line line = kController;
  if (cmd == "delay") {
    int ms = 0;
    if (!ToInt(arg(1), ms) || ms < 0 || ms > 60000) return err("delay takes 0..60000 ms");
    if (!ParseLine(arg(2), line)) return err("unknown line " + arg(2));
    delayMs_[line] = ms;
    return "ok\n";
  }
  if (cmd == "silence") {
    bool on = false;
    if (!OnOff(arg(1), on)) return err("silence on|off [line]");
    if (!ParseLine(arg(2), line)) return err("unknown line " + arg(2));
    lines_[line].SetSilent(on);
    return "ok\n";
  }
  if (cmd == "noise") {
    int n = 0;
    if (!ToInt(arg(1), n) || n < 1 || n > 100000) return err("noise takes 1..100000 bytes");
    if (!ParseLine(arg(2), line)) return err("unknown line " + arg(2));
    std::string bytes;
    std::uniform_int_distribution<int> b(0, 255);
    for (int i = 0; i < n; ++i) bytes += static_cast<char>(b(faultRng_));
    lines_[line].Send(bytes, now, true);
    return "ok\n";
  }
  if (cmd == "disconnect" || cmd == "reconnect") {
    if (!ParseLine(arg(1), line)) return err("unknown line " + arg(1));
    lines_[line].SetConnected(cmd == "reconnect");
    if (line == kController) controllerLine_.Reset();
    if (line == kReject) rejectPartial_.clear();
    return "ok\n";
  }
  if (cmd == "reject-error") {
    int code = 0, count = 1;
    if (arg(1) == "off") {
      reject_.InjectError(0, 0);
      return "ok\n";
    }
    if (!ToInt(arg(1), code) || code < 0 || code > 99) return err("reject-error takes a code 00..99");
    if (w.size() > 2 && (!ToInt(arg(2), count) || count < 1)) return err("reject-error count must be positive");
    reject_.InjectError(code, count);
    return "ok\n";
  }
  if (cmd == "speed") {
    double x = 0;
    if (!ToDouble(arg(1), x) || x <= 0 || x > 10000) return err("speed takes a factor above 0");
    speed_ = x;
    reject_.SetTimeFactor(x);
    board_.SetStreamPeriod(options_.board.streamPeriodMs * x);
    return "ok\n";
  }
  if (cmd == "pace") {
    bool on = false;
    if (!OnOff(arg(1), on)) return err("pace on|off");
    for (auto& l : lines_) l.SetPacing(on);
    return "ok\n";
  }
  return err("unknown command " + cmd + " (try help)");
}

}  // namespace kv7::sim
