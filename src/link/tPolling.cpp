#include "link/tPolling.h"

namespace kv7 {
namespace {

using Clock = std::chrono::steady_clock;

// Bytes per read: a barcode line fits, and a stop request waits at most one
// such read (26 ms).
constexpr std::size_t kReadChunk = 25;
// A line that grows this long without a CR is noise, not a barcode.
constexpr std::size_t kMaxLine = cPort::kMaxChunk;
// The last look before stopping reads only what is already waiting.
constexpr auto kLastLookTime = std::chrono::milliseconds(30);

constexpr char kCR = '\r';
constexpr char kLF = '\n';

}  // namespace

tPolling::tPolling(std::uint8_t portNumber, const store::ConfigStore& portMap,
                   std::chrono::milliseconds period)
    : period_(period) {
  if (portNumber >= 1 && portNumber < 99) port_ = std::make_unique<cPort>(portNumber, kBaud, portMap);
}

tPolling::tPolling(std::string devicePath, std::chrono::milliseconds period)
    : period_(period), port_(std::make_unique<cPort>(std::move(devicePath), kBaud)) {}

tPolling::~tPolling() {
  Terminate();
}

bool tPolling::Start() {
  if (thread_.joinable() || stop_.load()) return port_ == nullptr || portOpen_.load();
  bool opened = true;
  if (port_) {
    opened = port_->Open();
    portOpen_.store(opened);
  }
  thread_ = std::thread(&tPolling::Run, this);
  return opened;
}

void tPolling::Terminate() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stop_.store(true);
  }
  wake_.notify_all();
  if (thread_.joinable()) thread_.join();
}

std::size_t tPolling::count() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return queue_.size();
}

std::string tPolling::take() {
  std::lock_guard<std::mutex> lock(mutex_);
  if (queue_.empty()) return {};
  std::string line = std::move(queue_.front());
  queue_.pop_front();
  return line;
}

void tPolling::Run() {
  auto nextPass = Clock::now();
  for (;;) {
    {
      std::unique_lock<std::mutex> lock(mutex_);
      if (port_)
        wake_.wait_until(lock, nextPass, [this] { return StopRequested(); });
      else
        wake_.wait(lock, [this] { return StopRequested(); });
      if (StopRequested()) break;
    }
    nextPass = Clock::now() + period_;
    Pass(false);
  }
  if (port_) {
    Pass(true);
    port_->Close();
    portOpen_.store(false);
  }
}

void tPolling::Pass(bool last) {
  if (!port_->IsOpen()) {
    if (last || !port_->Open()) return;
    portOpen_.store(true);
  }
  // A full queue: leave the bytes in the port until the console has made
  // room, rather than overwrite or drop a line.
  if (!HandOver()) return;

  const auto lastLookEnd = Clock::now() + kLastLookTime;
  std::size_t taken = 0;
  std::string chunk;
  while (taken < cPort::kMaxChunk) {
    if (!port_->Read(kReadChunk, chunk)) break;
    taken += chunk.size();
    Assemble(chunk);
    if (!HandOver()) break;
    // Fewer bytes than asked for: the line went quiet.
    if (chunk.size() < kReadChunk) break;
    if (last ? Clock::now() >= lastLookEnd : StopRequested()) break;
  }
}

void tPolling::Assemble(const std::string& bytes) {
  for (char c : bytes) {
    // The reader ends lines with CR LF; the LF may come in the next read.
    if (dropLf_) {
      dropLf_ = false;
      if (c == kLF) continue;
    }
    partial_ += c;
    if (c == kCR) {
      // A bare CR (an empty line) carries no code.
      if (partial_.size() > 1) finished_.push_back(std::move(partial_));
      partial_.clear();
      dropLf_ = true;
    } else if (partial_.size() >= kMaxLine) {
      partial_.clear();
    }
  }
}

bool tPolling::HandOver() {
  if (finished_.empty()) return true;
  std::lock_guard<std::mutex> lock(mutex_);
  while (!finished_.empty() && queue_.size() < kQueueCapacity) {
    queue_.push_back(std::move(finished_.front()));
    finished_.pop_front();
  }
  return finished_.empty();
}

}  // namespace kv7
