#include "link/StreamReceiver.h"

#include <chrono>

#include "link/cPort.h"

namespace kv7 {

StreamReceiver::StreamReceiver(cPort& port, StreamMode mode)
    : port_(port), mode_(mode), splitter_(StreamMarker(mode), mode == StreamMode::Trace) {}

StreamReceiver::~StreamReceiver() {
  Halt();
}

void StreamReceiver::Start() {
  if (thread_.joinable() || stop_.load()) return;
  thread_ = std::thread(&StreamReceiver::Run, this);
}

void StreamReceiver::Halt() {
  stop_.store(true);
  if (thread_.joinable()) thread_.join();
}

void StreamReceiver::Run() {
  std::string slice;
  while (!stop_.load()) {
    if (port_.Read(kSlice, slice)) {
      for (const std::string& line : splitter_.Feed(slice)) Decode(line);
    } else if (!port_.IsOpen() || port_.Lost()) {
      // A port that is gone fails every read at once: wait as long as a
      // silent read would instead of spinning until the mode is stopped.
      std::this_thread::sleep_for(std::chrono::milliseconds(1 + kSlice));
    }
  }
}

template <typename Q, typename R>
void StreamReceiver::Push(Q& queue, R&& record) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (queue.size() >= kQueueLimit) {
    queue.pop_front();
    ++dropped_;
  }
  queue.push_back(std::forward<R>(record));
}

void StreamReceiver::Decode(const std::string& lineWithCr) {
  const std::string line = lineWithCr.substr(0, lineWithCr.size() - 1);
  switch (mode_) {
    case StreamMode::Trace:
      Push(traces_, TraceFrame{DecodeTracciaGrafica(line), lineWithCr});
      return;
    case StreamMode::EmptyCups:
      Push(emptyCups_, DecodeControlloTazzeVuote(line));
      return;
    case StreamMode::Calibration:
      Push(calibrations_, DecodeCalibrazioneLinee(line));
      return;
    case StreamMode::Memorised: {
      MemorisedValues values;
      const int lineNo = DecodeTestMemorizzato(line, values);
      std::lock_guard<std::mutex> lock(mutex_);
      memorised_[static_cast<std::size_t>(lineNo - 1)] = values;
      return;
    }
    case StreamMode::Encoder: {
      const EncoderValues values = DecodeTestEncoder(line);
      std::lock_guard<std::mutex> lock(mutex_);
      encoder_ = values;
      return;
    }
  }
}

template <typename Q>
auto StreamReceiver::Take(Q& queue) -> std::optional<typename Q::value_type> {
  std::lock_guard<std::mutex> lock(mutex_);
  if (queue.empty()) return std::nullopt;
  auto record = std::move(queue.front());
  queue.pop_front();
  return record;
}

std::optional<StreamReceiver::TraceFrame> StreamReceiver::TakeTrace() {
  return Take(traces_);
}

std::optional<rcCOntrolloTazzeVuote> StreamReceiver::TakeEmptyCup() {
  return Take(emptyCups_);
}

std::optional<rcCalibrazioneLinee> StreamReceiver::TakeCalibration() {
  return Take(calibrations_);
}

MemorisedValues StreamReceiver::Memorised(int line) const {
  std::lock_guard<std::mutex> lock(mutex_);
  if (line < 1 || line > static_cast<int>(memorised_.size())) return {};
  return memorised_[static_cast<std::size_t>(line - 1)];
}

EncoderValues StreamReceiver::Encoder() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return encoder_;
}

std::size_t StreamReceiver::Dropped() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return dropped_;
}

}  // namespace kv7
