#pragma once
// What the oscilloscope window makes of the trace frames without drawing
// them: the cups seen (coverage), the last frame's samples, the two series
// of a weighing window shifted by the phase, the gross value, and the block
// a frame adds to its line's frame file.

#include <array>
#include <string>
#include <vector>

#include "service/ServiceTypes.h"

namespace kv7::service {

class TraceView {
 public:
  using Points = std::array<int, kTracePoints>;
  struct Series {
    Points weighed{};  // the signal inside the weighing window, else 0
    Points rest{};     // the signal outside it, else 0 (the two ends in both)
  };

  // A chain of `cups` cups, none seen, no samples.
  void Reset(int cups);
  // A new line under test: the cups seen start again.
  void ClearCups();
  // Counts the frame's cup (its first header value, 1 when not a number)
  // and keeps its first 100 samples (0 where not a number).
  void Take(const TraceFrame& frame);

  // Cups 1..chain seen at least once and the chain, each right-aligned in 4
  // characters, joined by " / ".
  std::string Coverage() const;
  const Points& Samples() const { return samples_; }
  // The points 1..100 for the weighing window start..end, the samples taken
  // `offset` places further on (wrapping round the 100).
  Series Draw(int start, int end, int offset) const;
  // Rounded mean of the unshifted samples start..end inclusive.
  int Gross(int start, int end) const;

 private:
  int cups_ = 0;
  std::vector<int> seen_;  // frames per cup number
  Points samples_{};
};

// The cup number a frame carries (1 when not a number).
int FrameCup(const TraceFrame& frame);
// "T=" + cup + CR LF, then the first 100 samples separated by "," and ended by CR LF.
std::string FrameFileBlock(const TraceFrame& frame);
// "ondal" + line digit + ".osc".
std::string FrameFileName(int line);

}  // namespace kv7::service
