#pragma once
// The receive thread of one streaming service mode of the controller. While
// it runs it is the only reader of the controller's port; the console's
// thread takes what it decoded:
//  - trace, empty cups, calibration: one record per line, queued in order
//    (a mutex-guarded queue; the console takes the oldest);
//  - memorised test, encoder test: only the latest values (guarded by the
//    same mutex, so a read never mixes two lines).
//
// The port is read in short slices: lines are cut from the joined bytes, so
// slice boundaries do not matter, and a silent read lasts 33 ms instead of
// the 601 ms of a 600-byte read, so Halt() ends the thread at once.

#include <atomic>
#include <cstddef>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "link/StreamRecords.h"

namespace kv7 {

class cPort;

class StreamReceiver {
 public:
  // A console that stops taking records must not let memory grow without
  // bound: beyond this many waiting records the oldest is dropped.
  static constexpr std::size_t kQueueLimit = 4096;
  static constexpr std::size_t kSlice = 32;  // bytes per read; a silent read lasts 33 ms

  struct TraceFrame {
    rcTracciaGrafica record;
    std::string text;  // the frame as received, marker to CR, for the trace log
  };

  // The port must outlive the receiver. Nothing runs until Start().
  StreamReceiver(cPort& port, StreamMode mode);
  ~StreamReceiver();
  StreamReceiver(const StreamReceiver&) = delete;
  StreamReceiver& operator=(const StreamReceiver&) = delete;

  StreamMode Mode() const { return mode_; }
  // Starts the thread; once only.
  void Start();
  // Tells the thread to stop and waits until it has ended; the port is free
  // for the caller afterwards. What was decoded stays to be taken.
  void Halt();
  // Started and not yet halted: the port belongs to the thread.
  bool Running() const { return thread_.joinable(); }

  // The oldest waiting record of a queued mode, or none.
  std::optional<TraceFrame> TakeTrace();
  std::optional<rcCOntrolloTazzeVuote> TakeEmptyCup();
  std::optional<rcCalibrazioneLinee> TakeCalibration();
  // Latest values (0 until the first line came): line 1..6.
  MemorisedValues Memorised(int line) const;
  EncoderValues Encoder() const;
  // Records dropped because the console did not take them.
  std::size_t Dropped() const;

 private:
  void Run();
  void Decode(const std::string& line);
  template <typename Q, typename R>
  void Push(Q& queue, R&& record);
  template <typename Q>
  auto Take(Q& queue) -> std::optional<typename Q::value_type>;

  cPort& port_;
  const StreamMode mode_;
  StreamLineSplitter splitter_;  // the thread's own
  std::atomic<bool> stop_{false};

  mutable std::mutex mutex_;  // guards everything below
  std::deque<TraceFrame> traces_;
  std::deque<rcCOntrolloTazzeVuote> emptyCups_;
  std::deque<rcCalibrazioneLinee> calibrations_;
  std::array<MemorisedValues, 6> memorised_{};
  EncoderValues encoder_{};
  std::size_t dropped_ = 0;

  std::thread thread_;
};

}  // namespace kv7
