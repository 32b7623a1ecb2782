#pragma once
// The machine thread: the one thread that talks to the boards and the
// archive. It runs a start-up job, then a tick every period and the commands
// posted to it, one at a time and in the order they were posted, between
// ticks. A command posted while a tick is in an exchange waits for it to end;
// a tick never runs twice at once, and none runs while a command (or a
// question it asks the operator) is in progress.
//
// Stopping is asynchronous so that the caller's thread stays free to answer
// questions the closing job may still ask: RequestStop() ends the ticks once
// the running job is over, drops the commands not yet started, runs the
// closing job and calls the stopped callback on the machine thread.

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace kv7::supervisor {

class MachineThread {
 public:
  using Job = std::function<void()>;

  struct Jobs {
    Job start;    // once, before the first tick
    Job tick;     // every period
    Job close;    // once, after the last tick
    Job stopped;  // after close, still on the machine thread
  };

  explicit MachineThread(std::chrono::milliseconds period = std::chrono::milliseconds(100));
  ~MachineThread();  // stops and joins, as Stop()
  MachineThread(const MachineThread&) = delete;
  MachineThread& operator=(const MachineThread&) = delete;

  void Start(Jobs jobs);
  // Runs `job` on the machine thread between ticks. Ignored once a stop has
  // been requested.
  void Post(Job job);
  void RequestStop();
  // RequestStop() and wait for the thread to end. The caller must not be the
  // machine thread, and must not be needed to answer the closing job.
  void Stop();

  bool Running() const;
  bool Stopped() const;
  bool OnMachineThread() const { return std::this_thread::get_id() == thread_.get_id(); }

 private:
  void Run();
  // Waits for a command or the next tick; false when a stop was requested.
  bool NextJob(Job& job, std::chrono::steady_clock::time_point& nextTick);

  const std::chrono::milliseconds period_;
  Jobs jobs_;
  mutable std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<Job> commands_;
  bool started_ = false;
  bool stopRequested_ = false;
  bool stopped_ = false;
  std::thread thread_;
};

}  // namespace kv7::supervisor
