#include "Simulator.h"

#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "store/ConfigStore.h"

namespace kv7::sim {

namespace {
volatile sig_atomic_t gStop = 0;
void OnSignal(int) { gStop = 1; }
}  // namespace

Simulator::Simulator(SimOptions options)
    : options_(std::move(options)),
      board_(options_.board),
      reject_(options_.reject),
      lines_{LineEndpoint("controller", options_.controllerBaud), LineEndpoint("reject", 9600),
             LineEndpoint("barcode", 9600)},
      speed_(options_.speed > 0 ? options_.speed : 1.0) {
  reject_.SetTimeFactor(speed_);
  // Service streams keep a readable pace whatever the time factor.
  board_.SetStreamPeriod(options_.board.streamPeriodMs * speed_);
}

bool Simulator::Start(std::string& error) {
  for (int i = 0; i < 3; ++i) {
    auto& path = options_.devicePaths[static_cast<std::size_t>(i)];
    bool ok = path.empty() ? lines_[i].OpenPty(error) : lines_[i].OpenDevice(path, error);
    if (!ok) return false;
    lines_[i].SetPacing(options_.pace);
  }
  if (options_.portMap && !WritePortMap(error)) return false;
  if (!options_.controlPath.empty() && !control_.Listen(options_.controlPath, error)) return false;
  control_.UseStdin(options_.readStdin);

  struct sigaction sa {};
  sa.sa_handler = OnSignal;
  ::sigaction(SIGINT, &sa, nullptr);
  ::sigaction(SIGTERM, &sa, nullptr);
  ::signal(SIGPIPE, SIG_IGN);

  lastReal_ = Clock::now();
  barcode_.SetInterval(options_.barcodeEverySec * 1000.0, 0);
  std::printf("controller=%s\nreject=%s\nbarcode=%s\n", lines_[0].Path().c_str(), lines_[1].Path().c_str(),
              lines_[2].Path().c_str());
  if (!options_.controlPath.empty()) std::printf("control=%s\n", options_.controlPath.c_str());
  std::printf("ready\n");
  std::fflush(stdout);
  return true;
}

bool Simulator::WritePortMap(std::string& error) {
  store::ConfigStore store(store::ConfigStore::kDefaultRoot, options_.configDir.empty()
                                                                 ? store::ConfigStore::DefaultDirectory()
                                                                 : std::filesystem::path(options_.configDir));
  const char* keys[3] = {"porta_com", "porta_scarti", "porta_aux"};
  const char* defaults[3] = {"1", "3", "2"};
  for (int i = 0; i < 3; ++i) {
    int port = store.ReadInteger("kv2", keys[i], std::stoi(defaults[i]));
    if (port < 1 || port >= 99) {
      // 99 and above mean "no such board" to the console: nothing to map.
      std::fprintf(stderr, "kv7-sim: %s is %d, %s line not mapped\n", keys[i], port, lines_[i].Name().c_str());
      continue;
    }
    if (!store.WriteString("ports", "COM" + std::to_string(port), lines_[i].Path())) {
      error = "cannot write the port map to " + store.FilePath().string();
      return false;
    }
    std::printf("%s.port=%d\n", lines_[i].Name().c_str(), port);
  }
  return true;
}

void Simulator::UpdateModelTime() {
  auto now = Clock::now();
  modelMs_ += std::chrono::duration<double, std::milli>(now - lastReal_).count() * speed_;
  lastReal_ = now;
}

Simulator::Clock::time_point Simulator::ReplyTime(Line l, Clock::time_point now) const {
  return now + std::chrono::milliseconds(delayMs_[l]);
}

void Simulator::HandleController(const std::string& bytes, Clock::time_point now) {
  if (bytes.empty()) return;
  controllerLine_.SetStreaming(board_.Streaming());
  for (auto& ev : controllerLine_.Feed(bytes)) {
    switch (ev.kind) {
      case ControllerLine::Event::Kind::Echo: {
        std::string echo;
        std::uniform_real_distribution<double> u(0, 1);
        for (char b : ev.bytes)
          if (dropEcho_ <= 0 || u(faultRng_) >= dropEcho_) echo += b;
        lines_[kController].Send(echo, now);
        break;
      }
      case ControllerLine::Event::Kind::Command:
        lines_[kController].Send(board_.Execute(ev.bytes, modelMs_), ReplyTime(kController, now));
        break;
      case ControllerLine::Event::Kind::Abort:
        if (board_.Streaming()) {
          // The board stops at once: what has not left yet never will.
          board_.Abort();
          lines_[kController].DropQueued();
          lines_[kController].Send(std::string(1, ControllerLine::kAbort), now);
        }
        break;
    }
    controllerLine_.SetStreaming(board_.Streaming());
  }
}

void Simulator::HandleReject(const std::string& bytes, Clock::time_point now) {
  for (char b : bytes) {
    if (b != '\r') {
      if (rejectPartial_.size() < 64) rejectPartial_ += b;
      continue;
    }
    std::string cmd;
    cmd.swap(rejectPartial_);
    lines_[kReject].Send(reject_.Execute(cmd, modelMs_), ReplyTime(kReject, now));
  }
}

void Simulator::Tick() {
  UpdateModelTime();
  auto now = Clock::now();
  HandleController(lines_[kController].ReadAvailable(), now);
  HandleReject(lines_[kReject].ReadAvailable(), now);
  lines_[kBarcode].ReadAvailable();  // a reader only talks

  board_.AdvanceTo(modelMs_);
  lines_[kController].Send(board_.TakeStreamOutput(), ReplyTime(kController, now));
  controllerLine_.SetStreaming(board_.Streaming());
  reject_.AddRejected(board_.TakeRejectedGrams());
  reject_.AdvanceTo(modelMs_);
  std::string codes = barcode_.AdvanceTo(modelMs_);
  lines_[kBarcode].Send(codes, ReplyTime(kBarcode, now));
}

int Simulator::Run() {
  std::vector<pollfd> fds;
  while (!quit_ && !gStop) {
    Tick();
    auto now = Clock::now();
    auto next = now + std::chrono::milliseconds(10);
    for (auto& l : lines_) next = std::min(next, l.Flush(now));
    int timeout = static_cast<int>(std::max<long long>(
        0, std::chrono::duration_cast<std::chrono::milliseconds>(next - Clock::now()).count()));
    fds.clear();
    for (auto& l : lines_) fds.push_back({l.Fd(), POLLIN, 0});
    control_.AddPollFds(fds);
    int n = ::poll(fds.data(), fds.size(), timeout);
    if (n > 0) {
      // Line input is read at the top of the next pass; control input now.
      std::vector<pollfd> controlFds(fds.begin() + 3, fds.end());
      control_.Service(controlFds, [this](const std::string& line) { return Command(line); });
    }
  }
  // Let the last replies out (a "quit" reply among them).
  auto deadline = Clock::now() + std::chrono::milliseconds(200);
  for (auto& l : lines_) {
    while (l.Queued() && Clock::now() < deadline) {
      l.Flush(Clock::now());
      ::usleep(1000);
    }
  }
  return 0;
}

}  // namespace kv7::sim
