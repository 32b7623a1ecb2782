#include "BoardModel.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "Fields.h"

namespace kv7::sim {

const char* StreamName(StreamMode m) {
  switch (m) {
    case StreamMode::None: return "none";
    case StreamMode::Trace: return "trace";
    case StreamMode::EmptyCups: return "empty-cups";
    case StreamMode::Calibration: return "calibration";
    case StreamMode::Memorised: return "memorised";
    case StreamMode::Encoder: return "encoder";
  }
  return "none";
}

BoardModel::BoardModel(Settings settings) : settings_(std::move(settings)), rng_(settings_.seed) {}

int BoardModel::ActiveLines() const {
  return install_.received ? std::clamp(install_.lines, 1, kLines) : 0;
}

std::uint64_t BoardModel::LineTotal(int line) const {
  std::uint64_t sum = 0;
  for (auto v : totals_[line]) sum += v;
  return sum;
}

int BoardModel::Classify(const LineProgram& p, int grams) {
  if (!p.loaded) return -1;
  // Neighbouring classes share their limit; the shared limit belongs to the
  // upper class. Unused classes (limits not rising) catch nothing.
  for (int c = 0; c < kClasses; ++c) {
    int lo = p.limits[c], hi = p.limits[c + 1];
    if (lo < hi && grams >= lo && grams < hi) return c;
  }
  return -1;
}

void BoardModel::Enter(int state, double atMs) {
  state_ = state;
  stateSince_ = atMs;
  if (state == 4) cupClock_ = atMs;
}

void BoardModel::AdvanceTo(double nowMs) {
  if (nowMs < now_) nowMs = now_;
  now_ = nowMs;
  if (state_ == 1 && autoRun_) Enter(2, now_);
  if (state_ == 2 && now_ - stateSince_ >= settings_.encoderWaitMs)
    Enter(3, stateSince_ + settings_.encoderWaitMs);
  if (state_ == 3 && now_ - stateSince_ >= settings_.initialTareMs)
    Enter(4, stateSince_ + settings_.initialTareMs);

  // The chain turns while processing and during the service tests.
  bool chainRuns = state_ == 4 || stream_ != StreamMode::None;
  if (chainRuns && settings_.cupRate > 0) {
    double period = 1000.0 / settings_.cupRate;
    // A long pause (a stopped debugger, a huge time factor) must not hang the
    // loop: past a bound the chain simply catches up.
    int guard = 0;
    while (cupClock_ + period <= now_) {
      cupClock_ += period;
      CupStep();
      if (++guard > 100000) {
        cupClock_ = now_;
        break;
      }
    }
  } else {
    cupClock_ = now_;
  }

  if (stream_ != StreamMode::None && settings_.streamPeriodMs > 0) {
    int guard = 0;
    while (streamClock_ + settings_.streamPeriodMs <= now_) {
      streamClock_ += settings_.streamPeriodMs;
      StreamStep();
      if (++guard > 50) {
        streamClock_ = now_;
        break;
      }
    }
  }
}

void BoardModel::CupStep() {
  ++cupSteps_;
  if (state_ != 4) return;
  std::uniform_real_distribution<double> u(0.0, 1.0);
  for (int l = 0; l < ActiveLines(); ++l) {
    int cup = CupNumber();
    if (settings_.emptyShare > 0 && u(rng_) < settings_.emptyShare) {
      ++badCups_;
      lastNet_[l] = 0;
      lastGross_[l] = Tare(l, cup);
      continue;
    }
    int g = settings_.weights.Draw(rng_);
    ++fruit_;
    lastNet_[l] = g;
    lastGross_[l] = g + Tare(l, cup);
    if (settings_.rejectShare > 0 && u(rng_) < settings_.rejectShare) {
      rejectedPending_ += g;
      rejectedTotal_ += static_cast<std::uint64_t>(g);
      continue;
    }
    int c = Classify(programs_[l], g);
    if (c < 0)
      unclassed_[l] += static_cast<std::uint64_t>(g);
    else
      totals_[l][c] += static_cast<std::uint64_t>(g);
  }
}

int BoardModel::CupNumber() const {
  int cups = install_.cups >= 1 && install_.cups <= kMaxCup ? install_.cups : 100;
  return static_cast<int>(cupSteps_ % static_cast<std::uint64_t>(cups)) + 1;
}

int BoardModel::Tare(int line, int cup) const {
  // Every cup has its own empty weight, stable for the life of the board.
  unsigned h = static_cast<unsigned>(line) * 7919u + static_cast<unsigned>(cup) * 104729u + settings_.seed;
  h ^= h >> 7;
  return 30 + static_cast<int>(h % 31u);
}

std::string BoardModel::TakeStreamOutput() {
  std::string out;
  out.swap(streamOut_);
  return out;
}

std::int64_t BoardModel::TakeRejectedGrams() {
  std::int64_t g = rejectedPending_;
  rejectedPending_ = 0;
  return g;
}

void BoardModel::Abort() {
  stream_ = StreamMode::None;
  streamLead_ = false;
}

void BoardModel::PowerCycle(double nowMs) {
  AdvanceTo(nowMs);
  Enter(0, now_);
  autoRun_ = false;
  install_ = {};
  programs_ = {};
  program_ = 0;
  kappas_ = {};
  tareSettings_ = {};
  rotation_ = 0;
  magnetType_ = 0;
  magnetTest_ = "off";
  alarm_ = false;
  cupSteps_ = 0;
  badCups_ = 0;
  lastGross_ = {};
  lastNet_ = {};
  Abort();
  streamOut_.clear();
}

void BoardModel::ForceState(int state, double nowMs) {
  AdvanceTo(nowMs);
  state = std::clamp(state, 0, 5);
  Enter(state, now_);
  // A forced stand-by or end of batch holds; 2 and 3 run on to processing.
  autoRun_ = state == 2 || state == 3 || state == 4;
}

void BoardModel::StartRunning(double nowMs) {
  AdvanceTo(nowMs);
  autoRun_ = true;
  if (state_ == 5) Enter(4, now_);
  AdvanceTo(nowMs);
}

void BoardModel::SetCupRate(double cupsPerSecond) {
  settings_.cupRate = std::clamp(cupsPerSecond, 0.0, 99.9);
}

std::string BoardModel::StatusReply() const {
  int cadenza = state_ == 4 ? static_cast<int>(std::lround(settings_.cupRate * 10)) : 0;
  std::string r;
  r += State();
  r += Digits(program_, 2);
  r += Digits(cadenza, 3);
  r += '0';
  r += Digits(static_cast<std::int64_t>(cupSteps_ % 1000), 3);
  r += Digits(static_cast<std::int64_t>(badCups_), 4);
  if (settings_.photocells) {
    for (int i = 0; i < 5; ++i)
      r += Digits(100 + static_cast<int>((cupSteps_ * 7 + static_cast<std::uint64_t>(i) * 13) % 20), 3);
  }
  return r + '\r';
}

std::string BoardModel::TotalsBlock(int line) const {
  std::string r;
  for (int c = 0; c < kClasses; ++c) r += Digits(static_cast<std::int64_t>(totals_[line][c]), 8);
  return r + '\r';
}

std::string BoardModel::ValuesReply(char letter, bool live) const {
  std::string r(1, letter);
  for (int l = 0; l < kLines; ++l) {
    int v = 0;
    if (l < ActiveLines()) v = live ? (state_ == 4 ? lastGross_[l] : Tare(l, CupNumber())) : lastNet_[l];
    r += Digits(v, 4);
  }
  return r + '\r';
}

std::string BoardModel::TareTable(const std::string& argument) const {
  int first = DigitsOrZero(argument.substr(0, 3));
  int count = DigitsOrZero(argument.substr(3, 3));
  std::string r = "R" + argument;
  for (int j = 0; j < count; ++j) {
    int cup = first + j;
    for (int l = 0; l < kLines; ++l) r += Digits(cup >= 1 && cup <= kMaxCup ? Tare(l, cup) : 0, 4);
  }
  return r + '\r';
}

bool BoardModel::ParseInstallation(const std::string& d) {
  // Fixed positions; a number written wider than its field shifts the rest,
  // and the board then takes what it finds there, as it would.
  if (d.size() < 119) return false;
  Installation in;
  in.received = true;
  in.text = d;
  std::size_t p = 0;
  auto take = [&](std::size_t w) {
    int v = DigitsOrZero(std::string_view(d).substr(p, w));
    p += w;
    return v;
  };
  in.lines = take(1);
  in.outlets = take(2);
  in.cups = take(3);
  in.zeroEncoder = take(2);
  for (int l = 0; l < kLines; ++l) {
    in.windowStart[l] = take(2);
    in.windowEnd[l] = take(2);
  }
  for (int l = 0; l < kLines; ++l) in.kappa[l] = take(4);
  in.tipoatt = take(1) == 1;
  in.magnetOpen = take(2);
  for (int o = 0; o < 30; ++o) in.outletSetting[o] = take(2);
  if (d.size() >= 122) {
    in.hasSuffix = true;
    in.tareMode = d[119];
    in.magnetTime = DigitsOrZero(d.substr(120, 2));
  }
  install_ = in;
  kappas_ = in.kappa;
  return true;
}

bool BoardModel::ParseProgramBlock(const std::string& d) {
  if (d.size() != 3 + 3 * kLimits) return false;
  auto program = ParseDigits(d.substr(0, 2));
  auto line = ParseDigits(d.substr(2, 1));
  if (!program || !line || *line >= kLines) return false;
  LineProgram lp;
  lp.loaded = true;
  lp.program = *program;
  for (int k = 0; k < kLimits; ++k) {
    auto v = ParseDigits(d.substr(3 + 3 * static_cast<std::size_t>(k), 3));
    if (!v) return false;
    lp.limits[k] = *v;
  }
  programs_[*line] = lp;
  program_ = *program;
  if (program_ > 0) {
    autoRun_ = true;
    if (state_ == 1) AdvanceTo(now_);
  }
  return true;
}

void BoardModel::StartStream(StreamMode m, int param, double nowMs) {
  stream_ = m;
  streamParam_ = param;
  streamClock_ = nowMs;
  calibPasses_ = {};
}

std::string BoardModel::EncoderFields() const {
  int cups = install_.cups >= 1 && install_.cups <= kMaxCup ? install_.cups : 100;
  auto turn = static_cast<std::int64_t>(cupSteps_ / static_cast<std::uint64_t>(cups) % 1000);
  auto pos = static_cast<std::int64_t>(cupSteps_ % static_cast<std::uint64_t>(cups));
  std::string r = Digits(turn, 3) + Digits(pos, 4);
  for (int i = 0; i < 5; ++i) r += "0000";
  return r;
}

std::string BoardModel::TraceFrame() {
  int line = std::clamp(streamParam_, 1, kLines) - 1;
  int cup = CupNumber();
  int net = state_ == 4 ? lastNet_[line] : settings_.weights.Draw(rng_);
  int tare = Tare(line, cup);
  std::normal_distribution<double> noise(0.0, 2.0);
  std::array<int, 101> s{};
  for (int i = 0; i < 101; ++i) {
    double v = 20 + noise(rng_);
    // The cup rides over the cell between samples 25 and 75.
    if (i >= 25 && i <= 75) v += (tare + net) * std::sin(std::numbers::pi * (i - 25) / 50.0);
    s[static_cast<std::size_t>(i)] = std::clamp(static_cast<int>(std::lround(v)), 0, 9999);
  }
  auto [mn, mx] = std::minmax_element(s.begin(), s.end());
  if (*mx < traceThreshold_) return {};
  std::string f;
  f.reserve(2 + 4 * (3 + s.size()));
  f += 'O';
  for (int v : {cup, *mn, *mx}) f += Digits(v, 4);
  for (int v : s) f += Digits(v, 4);
  f += '\r';
  return f;
}

void BoardModel::StreamStep() {
  int lines = std::max(1, ActiveLines());
  int cup = CupNumber();
  switch (stream_) {
    case StreamMode::None:
      return;
    case StreamMode::Trace: {
      std::string f = TraceFrame();
      if (f.empty()) return;
      // The first frame follows one lead byte, which the console's trace
      // receiver drops from the first chunk it reads.
      if (streamLead_) {
        streamOut_ += '\n';
        streamLead_ = false;
      }
      streamOut_ += f;
      return;
    }
    case StreamMode::EmptyCups:
      for (int l = 0; l < lines; ++l) {
        int reading = std::uniform_int_distribution<int>(0, 20)(rng_);
        if (reading > streamParam_)
          streamOut_ += Frame('N', {std::to_string(l + 1), Digits(cup, 4), Digits(reading, 4)});
      }
      return;
    case StreamMode::Calibration:
      for (int l = 0; l < lines; ++l) {
        std::normal_distribution<double> err(0.0, streamParam_ * 0.01);
        int measured = std::max(1, static_cast<int>(std::lround(streamParam_ + err(rng_))));
        int kappa = kappas_[l] > 0 ? kappas_[l] : 1000;
        int newKappa = static_cast<int>(std::lround(double(kappa) * streamParam_ / measured));
        ++calibPasses_[l];
        streamOut_ += Frame('P', {std::to_string(l + 1), Digits(calibPasses_[l], 4), Digits(newKappa, 4),
                                  Digits(measured, 4)});
      }
      return;
    case StreamMode::Memorised:
      for (int l = 0; l < lines; ++l) {
        int net = state_ == 4 ? lastNet_[l] : settings_.weights.Draw(rng_);
        streamOut_ += Frame('S', {std::to_string(l + 1), Digits(cup, 4), Digits(Tare(l, cup), 4), Digits(net, 4)});
      }
      return;
    case StreamMode::Encoder:
      streamOut_ += Frame('T', {EncoderFields()});
      return;
  }
}

std::string BoardModel::Execute(const std::string& c, double nowMs) {
  AdvanceTo(nowMs);
  // While a mode streams the board listens only for the abort byte.
  if (c.empty() || stream_ != StreamMode::None) {
    if (!c.empty()) ++ignored_;
    return {};
  }
  const std::string arg = c.substr(1);
  switch (c[0]) {
    case 'A':
      if (arg == "0" || arg == "1") {
        alarm_ = arg == "1";
        return StatusReply();
      }
      break;
    case 'Q':
      if (arg.empty()) return ValuesReply('Q', true);
      break;
    case 'R':
      if (arg.empty()) return ValuesReply('R', false);
      if (arg.size() == 6 && ParseDigits(arg)) return TareTable(arg);
      break;
    case 'V':
      if (arg == "1") {
        totals_ = {};
        unclassed_ = {};
        // Zeroing the counters starts the next batch.
        if (state_ == 5) Enter(4, now_);
        return {};
      }
      if (arg.size() == 2 && arg[0] == '2' && arg[1] >= '0' && arg[1] <= '5') {
        if (arg[1] - '0' + 1 == settings_.silentTotalsLine) return {};
        return TotalsBlock(arg[1] - '0');
      }
      break;
    case 'F':
      if (ParseProgramBlock(arg)) return {};
      break;
    case '(':
      if (arg.size() == 4 * kLines && AllDigits(arg)) {
        for (int l = 0; l < kLines; ++l) kappas_[l] = DigitsOrZero(arg.substr(4 * static_cast<std::size_t>(l), 4));
        return {};
      }
      break;
    case 'C':
      if (ParseInstallation(arg)) {
        Enter(1, now_);
        bool hasProgram = std::any_of(programs_.begin(), programs_.end(), [](auto& p) { return p.loaded; });
        autoRun_ = autoRun_ || (hasProgram && program_ > 0);
        AdvanceTo(now_);
        return {};
      }
      break;
    case 'Z':
      if (arg.empty()) {
        cupSteps_ = 0;
        badCups_ = 0;
        return {};
      }
      break;
    case 'U':
      magnetCommands_ += (magnetCommands_.empty() ? "" : ",") + c;
      if (arg == "000") {
        magnetTest_ = "off";
        return {};
      }
      if (arg.size() == 3 && (arg[0] == '1' || arg[0] == '2')) {
        auto outlet = ParseDigits(arg.substr(1));
        if (outlet && *outlet >= 1 && *outlet <= 30) {
          magnetTest_ = std::string(arg[0] == '1' ? "dynamic:" : "static:") + arg.substr(1);
          return {};
        }
      }
      break;
    case '>':
      if (arg == "0") return settings_.version + '\r';
      if (arg == "1") {
        if (settings_.type <= 0) return "00\r";
        return std::string{'1', static_cast<char>('/' + std::min(settings_.type, 9))} + '\r';
      }
      break;
    case '-':
      if (arg == "2") return Frame('-', {std::to_string(rotation_)});
      if (arg == "0" || arg == "1") {
        rotation_ = arg[0] - '0';
        return Frame('-', {std::to_string(rotation_)});
      }
      if (arg.size() == 11 && arg[0] == '3' && AllDigits(arg.substr(1))) {
        tareSettings_ = {DigitsOrZero(arg.substr(1, 3)), DigitsOrZero(arg.substr(4, 3)), DigitsOrZero(arg.substr(7, 2)),
                         DigitsOrZero(arg.substr(9, 2))};
        return {};
      }
      if (arg == "40" || arg == "41") {
        magnetType_ = arg[1] - '0';
        return {};
      }
      break;
    case 'O':
      if ((arg.size() == 4 || arg.size() == 5) && arg[0] >= '1' && arg[0] <= '6' && ParseDigits(arg.substr(1))) {
        StartStream(StreamMode::Trace, arg[0] - '0', now_);
        traceThreshold_ = DigitsOrZero(arg.substr(1));
        streamLead_ = true;
        return {};
      }
      break;
    case 'N':
      if (arg.size() == 3 && ParseDigits(arg)) {
        StartStream(StreamMode::EmptyCups, DigitsOrZero(arg), now_);
        return {};
      }
      break;
    case 'P':
      if (arg.size() == 3 && ParseDigits(arg)) {
        StartStream(StreamMode::Calibration, std::max(1, DigitsOrZero(arg)), now_);
        return {};
      }
      break;
    case 'S':
      if (arg.empty()) {
        StartStream(StreamMode::Memorised, 0, now_);
        return "S\r";
      }
      break;
    case 'T':
      if (arg.empty()) {
        StartStream(StreamMode::Encoder, 0, now_);
        // Start reply: "T", a status digit, then the fields of a stream line.
        return "T0" + EncoderFields() + '\r';
      }
      break;
    default:
      break;
  }
  ++ignored_;
  return {};
}

}  // namespace kv7::sim
