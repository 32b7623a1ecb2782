#pragma once
// Carries a call from the machine thread to the window thread and makes the
// machine thread wait for its result: the way questions, lists and editors
// reach the person while the window stays live. Only one call waits at a
// time, since the machine thread is the only caller off the window thread.
// Called on the window thread itself, it calls straight through.
//
// While it waits, the caller runs the watch every period (the machine is
// watched under an open box). A call the watch itself makes never opens a
// second box: it gets its fallback at once. What the watch throws waits for
// the answer and is then thrown to the caller.

#include <QObject>
#include <QPointer>
#include <QThread>

#include <chrono>
#include <condition_variable>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace kv7::app {

class WindowThreadGate {
 public:
  explicit WindowThreadGate(QObject& windowSide) : side_(&windowSide) {}

  // Set before the first call from another thread.
  void SetWatch(std::function<void()> watch, std::chrono::milliseconds period) {
    watch_ = std::move(watch);
    watchPeriod_ = period;
  }

  // `call`'s result, or `fallback` once the gate is closed.
  template <class T>
  T Call(std::function<T()> call, T fallback) {
    QObject* side = side_.data();
    if (side && QThread::currentThread() == side->thread()) return call();
    auto answer = std::make_shared<Answer<T>>();
    {
      std::lock_guard lock(mutex_);
      if (closed_ || !side || waiting_ == std::this_thread::get_id()) return fallback;
      cancel_ = [answer, fallback] { answer->Give(fallback); };
      waiting_ = std::this_thread::get_id();
    }
    QMetaObject::invokeMethod(
        side, [answer, call = std::move(call)] { answer->Give(call()); }, Qt::QueuedConnection);
    std::exception_ptr failure;
    while (!answer->WaitFor(watchPeriod_)) {
      if (failure || !watch_) continue;
      try {
        watch_();
      } catch (...) {
        failure = std::current_exception();
      }
    }
    T result = answer->Take();
    {
      std::lock_guard lock(mutex_);
      cancel_ = nullptr;
      waiting_ = {};
    }
    if (failure) std::rethrow_exception(failure);
    return result;
  }

  // Runs `call` on the window thread without waiting for it.
  void Post(std::function<void()> call) {
    QObject* side = side_.data();
    if (!side || Closed()) return;
    QMetaObject::invokeMethod(side, std::move(call), Qt::QueuedConnection);
  }

  // The window is going away: the call waiting now, and every later one,
  // returns its fallback at once, so the machine thread can finish.
  void Close() {
    std::function<void()> cancel;
    {
      std::lock_guard lock(mutex_);
      closed_ = true;
      cancel = std::move(cancel_);
    }
    if (cancel) cancel();
  }

  bool Closed() const {
    std::lock_guard lock(mutex_);
    return closed_;
  }

 private:
  template <class T>
  struct Answer {
    std::mutex mutex;
    std::condition_variable given;
    std::optional<T> value;

    void Give(T v) {
      {
        std::lock_guard lock(mutex);
        if (value) return;
        value = std::move(v);
      }
      given.notify_all();
    }
    bool WaitFor(std::chrono::milliseconds period) {
      std::unique_lock lock(mutex);
      return given.wait_for(lock, period, [this] { return value.has_value(); });
    }
    T Take() {
      std::lock_guard lock(mutex);
      return *value;
    }
  };

  QPointer<QObject> side_;
  mutable std::mutex mutex_;
  bool closed_ = false;
  std::function<void()> cancel_;
  std::thread::id waiting_;  // the thread waiting for an answer, if any
  std::function<void()> watch_;
  std::chrono::milliseconds watchPeriod_{100};
};

}  // namespace kv7::app
