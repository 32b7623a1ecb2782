#include "service/TraceView.h"

#include <algorithm>
#include <cmath>

#include "link/StreamRecords.h"
#include "service/ServiceRules.h"

namespace kv7::service {
namespace {

constexpr int kMaxCup = 9999;  // a 4-digit header

int SampleValue(const TraceFrame& f, std::size_t i) {
  return i < f.samples.size() ? NumberOf(f.samples[i]).value_or(0) : 0;
}

}  // namespace

int FrameCup(const TraceFrame& frame) { return NumberOf(frame.head[0]).value_or(1); }

void TraceView::Reset(int cups) {
  cups_ = std::max(cups, 0);
  samples_ = {};
  ClearCups();
}

void TraceView::ClearCups() { seen_.assign(static_cast<std::size_t>(cups_) + 1, 0); }

void TraceView::Take(const TraceFrame& frame) {
  const int cup = FrameCup(frame);
  if (cup >= 0 && cup <= kMaxCup) {
    if (static_cast<std::size_t>(cup) >= seen_.size()) seen_.resize(static_cast<std::size_t>(cup) + 1, 0);
    ++seen_[static_cast<std::size_t>(cup)];
  }
  for (std::size_t i = 0; i < samples_.size(); ++i) samples_[i] = SampleValue(frame, i);
}

std::string TraceView::Coverage() const {
  int seen = 0;
  for (int c = 1; c <= cups_ && static_cast<std::size_t>(c) < seen_.size(); ++c)
    if (seen_[static_cast<std::size_t>(c)] > 0) ++seen;
  return RightAligned4(seen) + " / " + RightAligned4(cups_);
}

TraceView::Series TraceView::Draw(int start, int end, int offset) const {
  Series s;
  for (int i = 1; i <= kTracePoints; ++i) {
    int k = i + offset - 1;
    if (k > kTracePoints) k -= kTracePoints;
    if (k < 0) k += kTracePoints;
    if (k == 0) k = 1;
    const int v = samples_[static_cast<std::size_t>(std::clamp(k, 1, kTracePoints) - 1)];
    const auto at = static_cast<std::size_t>(i - 1);
    s.weighed[at] = start <= i && i <= end ? v : 0;
    s.rest[at] = start < i && i < end ? 0 : v;
  }
  return s;
}

int TraceView::Gross(int start, int end) const {
  start = std::max(start, 1);
  end = std::min(end, kTracePoints);
  if (start > end) return 0;
  double sum = 0;
  for (int i = start; i <= end; ++i) sum += samples_[static_cast<std::size_t>(i - 1)];
  return static_cast<int>(std::lround(sum / (end - start + 1)));
}

std::string FrameFileBlock(const TraceFrame& frame) {
  std::string out = "T=" + std::to_string(FrameCup(frame)) + "\r\n";
  for (std::size_t i = 0; i < kTracePoints; ++i) {
    out += std::to_string(SampleValue(frame, i));
    out += i + 1 < kTracePoints ? "," : "\r\n";
  }
  return out;
}

std::string FrameFileName(int line) { return "ondal" + std::to_string(line) + ".osc"; }

}  // namespace kv7::service
