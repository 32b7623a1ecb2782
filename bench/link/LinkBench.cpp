// How close the controller link comes to the speed of the line itself.
//
// A board on the master side of a pty behaves like one behind a real 19200
// baud line: every byte takes 10 bit times (0.52 ms) on the wire in each
// direction, one after the other. It echoes each command byte but CR, and
// answers "A" with a 30-byte status and "V" with a 121-byte totals block.
// The line-time limit of an exchange is all its bytes on the wire (both
// directions) plus the protocol's fixed Delay(10) after sending.

#include <poll.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <string>
#include <thread>
#include <vector>

#include "link/cMB90.h"
#include "support/Pty.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr auto kByteTime = std::chrono::nanoseconds(10'000'000'000LL / 19200);  // 520.8 us

const std::string kStatusReply =
    "41203000010045"
    "011022033044055"
    "\r";  // 29 characters + CR
std::string TotalsReply(char block) {
  std::string r = std::string("V") + block;
  while (r.size() < 120) r += "00012345";
  r.resize(120);
  return r + "\r";
}

class PacedBoard {
 public:
  explicit PacedBoard(kv7::test::Pty& pty) : pty_(pty), thread_([this] { Run(); }) {}
  ~PacedBoard() {
    stop_ = true;
    thread_.join();
  }

 private:
  struct Out {
    Clock::time_point due;
    char byte;
  };

  void Queue(Clock::time_point ready, const std::string& bytes) {
    for (char b : bytes) {
      txFree_ = std::max(ready, txFree_) + kByteTime;
      out_.push_back({txFree_, b});
    }
  }

  void Run() {
    std::string line;
    while (!stop_) {
      auto now = Clock::now();
      while (!out_.empty() && out_.front().due <= now) {
        pty_.Send(std::string(1, out_.front().byte));
        out_.pop_front();
      }
      auto wait = out_.empty() ? std::chrono::nanoseconds(2ms) : out_.front().due - now;
      if (wait < std::chrono::nanoseconds::zero()) wait = {};
      timespec ts{0, static_cast<long>(std::chrono::duration_cast<std::chrono::nanoseconds>(wait).count())};
      pollfd p{pty_.MasterFd(), POLLIN, 0};
      if (::ppoll(&p, 1, &ts, nullptr) <= 0 || !(p.revents & POLLIN)) continue;
      char buf[64];
      ssize_t n = ::read(pty_.MasterFd(), buf, sizeof buf);
      const auto written = Clock::now();
      for (ssize_t i = 0; i < n; ++i) {
        // The byte is on the board's side once its own wire time is over.
        rxFree_ = std::max(written, rxFree_) + kByteTime;
        const char b = buf[i];
        if (b != '\r') {
          Queue(rxFree_, std::string(1, b));
          line.push_back(b);
          continue;
        }
        if (!line.empty() && line[0] == 'A') Queue(rxFree_, kStatusReply);
        if (line.size() == 3 && line[0] == 'V') Queue(rxFree_, TotalsReply(line[2]));
        line.clear();
      }
    }
  }

  kv7::test::Pty& pty_;
  std::deque<Out> out_;
  Clock::time_point rxFree_{};
  Clock::time_point txFree_{};
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

double Ms(Clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

double LineLimitMs(std::size_t bytesOnWire, int delays) {
  return Ms(kByteTime * bytesOnWire) + Ms(kv7::cMB90::kTick * (delays * kv7::cMB90::kReplyDelay));
}

void Report(const char* what, std::vector<double> runs, double limit) {
  std::sort(runs.begin(), runs.end());
  const double median = runs[runs.size() / 2];
  std::printf("%-34s runs %3zu  median %7.2f ms  max %7.2f ms  limit %7.2f ms  ratio %.3f (max %.3f)\n", what,
              runs.size(), median, runs.back(), limit, median / limit, runs.back() / limit);
}

double ThreadCpuSeconds() {
  timespec ts{};
  ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) / 1e9;
}

}  // namespace

int main(int argc, char** argv) {
  const int pollingSeconds = argc > 1 ? std::atoi(argv[1]) : 60;
  kv7::test::Pty pty;
  PacedBoard board(pty);
  kv7::SilentReporter quiet;
  kv7::cMB90 mb(pty.SlavePath(), 19200, quiet);
  if (!mb.Open()) {
    std::fprintf(stderr, "cannot open %s\n", pty.SlavePath().c_str());
    return 1;
  }

  std::vector<double> polls;
  for (int i = 0; i < 40; ++i) {
    const auto t0 = Clock::now();
    if (!mb.PollState(kv7::cMB90::kPollTimeout)) return std::fprintf(stderr, "poll failed\n"), 1;
    polls.push_back(Ms(Clock::now() - t0));
    std::this_thread::sleep_for(5ms);
  }
  // "A0" + CR out, two echoes back, the 30-byte reply.
  Report("status poll A0 (30-byte reply)", polls, LineLimitMs(3 + 2 + kStatusReply.size(), 1));

  std::vector<double> totals;
  for (int i = 0; i < 10; ++i) {
    const auto t0 = Clock::now();
    for (int block = 20; block <= 25; ++block)
      if (!mb.RichiestaTotali(kv7::cMB90::kTotalsTimeout, std::to_string(block)))
        return std::fprintf(stderr, "totals failed\n"), 1;
    totals.push_back(Ms(Clock::now() - t0));
    std::this_thread::sleep_for(5ms);
  }
  // Per block: "V2x" + CR out, three echoes, the 121-byte block.
  Report("totals V20..V25 (six blocks)", totals, 6 * LineLimitMs(4 + 3 + TotalsReply('0').size(), 1));

  // The console polls every 1.2 s; the link must cost next to nothing
  // between and during the polls.
  const double cpu0 = ThreadCpuSeconds();
  const auto start = Clock::now();
  int done = 0, failed = 0;
  for (auto next = start; next < start + std::chrono::seconds(pollingSeconds); next += 1200ms) {
    std::this_thread::sleep_until(next);
    (mb.PollState(kv7::cMB90::kPollTimeout) ? done : failed)++;
  }
  const double wall = std::chrono::duration<double>(Clock::now() - start).count();
  const double cpu = ThreadCpuSeconds() - cpu0;
  std::printf("polling every 1.2 s for %.1f s: %d polls (%d failed), CPU %.4f s = %.3f %% of one core\n",
              wall, done, failed, cpu, 100.0 * cpu / wall);
  return failed == 0 ? 0 : 1;
}
