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
//
// Nothing a job throws leaves the thread: the failure handler hears of it
// (at most once per failure) and the thread stops in order, running the
// closing job and the stopped callback as for any stop.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
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
  using FailureHandler = std::function<void(const std::string& what)>;

  explicit MachineThread(std::chrono::milliseconds period = std::chrono::milliseconds(100));
  ~MachineThread();  // stops and joins, as Stop()
  MachineThread(const MachineThread&) = delete;
  MachineThread& operator=(const MachineThread&) = delete;

  void Start(Jobs jobs);
  // Before Start: told on the machine thread what a job threw. The thread
  // then stops; a failure while closing comes here too.
  void SetFailureHandler(FailureHandler handler) { failed_ = std::move(handler); }
  // Runs `job` on the machine thread between ticks. Ignored once a stop has
  // been requested.
  void Post(Job job);
  void RequestStop();
  // RequestStop() and wait for the thread to end. The caller must not be the
  // machine thread, and must not be needed to answer the closing job.
  void Stop();

  bool Running() const;
  bool Stopped() const;
  bool OnMachineThread() const { return std::this_thread::get_id() == runningId_.load(); }

 private:
  void Run();
  // Runs `job`; whatever it throws goes to the failure handler and stops the thread.
  void RunGuarded(const Job& job);
  void Failed(const std::string& what);
  // Waits for a command or the next tick; false when a stop was requested.
  bool NextJob(Job& job, std::chrono::steady_clock::time_point& nextTick);

  const std::chrono::milliseconds period_;
  Jobs jobs_;
  FailureHandler failed_;
  mutable std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<Job> commands_;
  bool started_ = false;
  bool stopRequested_ = false;
  bool stopped_ = false;
  std::thread thread_;
  // Set by the thread itself, so asking never races with Start's assignment.
  std::atomic<std::thread::id> runningId_{};
};

}  // namespace kv7::supervisor
