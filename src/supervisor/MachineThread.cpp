#include "supervisor/MachineThread.h"

#include <exception>

namespace kv7::supervisor {

using Clock = std::chrono::steady_clock;

MachineThread::MachineThread(std::chrono::milliseconds period) : period_(period) {}

MachineThread::~MachineThread() { Stop(); }

void MachineThread::Start(Jobs jobs) {
  std::lock_guard lock(mutex_);
  if (started_) return;
  started_ = true;
  jobs_ = std::move(jobs);
  thread_ = std::thread([this] { Run(); });
}

void MachineThread::Post(Job job) {
  {
    std::lock_guard lock(mutex_);
    if (stopRequested_) return;
    commands_.push_back(std::move(job));
  }
  wake_.notify_one();
}

void MachineThread::RequestStop() {
  {
    std::lock_guard lock(mutex_);
    stopRequested_ = true;
    // A stop never runs what the operator asked for before it: a function
    // key pressed just before closing must not start an exchange now.
    commands_.clear();
    if (!started_) stopped_ = true;
  }
  wake_.notify_one();
}

void MachineThread::Stop() {
  RequestStop();
  if (thread_.joinable() && !OnMachineThread()) thread_.join();
}

bool MachineThread::Running() const {
  std::lock_guard lock(mutex_);
  return started_ && !stopped_;
}

bool MachineThread::Stopped() const {
  std::lock_guard lock(mutex_);
  return stopped_;
}

bool MachineThread::NextJob(Job& job, Clock::time_point& nextTick) {
  std::unique_lock lock(mutex_);
  for (;;) {
    if (stopRequested_) return false;
    if (!commands_.empty()) {
      job = std::move(commands_.front());
      commands_.pop_front();
      return true;
    }
    const auto now = Clock::now();
    if (now >= nextTick) {
      // A tick that came late (a long exchange, a question) is not made up
      // for with a burst: the next one is a full period away.
      nextTick = std::max(nextTick + period_, now + period_ / 2);
      job = jobs_.tick;
      return true;
    }
    wake_.wait_until(lock, nextTick);
  }
}

void MachineThread::RunGuarded(const Job& job) {
  if (!job) return;
  try {
    job();
  } catch (const std::exception& e) {
    Failed(e.what());
  } catch (...) {
    Failed("unknown exception");
  }
}

void MachineThread::Failed(const std::string& what) {
  // No further command or tick: the state the job left is not trusted.
  RequestStop();
  if (!failed_) return;
  try {
    failed_(what);
  } catch (...) {
    // The handler is the last resort; the closing goes on regardless.
  }
}

void MachineThread::Run() {
  runningId_ = std::this_thread::get_id();
  RunGuarded(jobs_.start);
  auto nextTick = Clock::now() + period_;
  Job job;
  while (NextJob(job, nextTick)) {
    RunGuarded(job);
    job = nullptr;
  }
  RunGuarded(jobs_.close);
  {
    std::lock_guard lock(mutex_);
    stopped_ = true;
  }
  RunGuarded(jobs_.stopped);
}

}  // namespace kv7::supervisor
