#include "ControllerLine.h"

namespace kv7::sim {

bool ControllerLine::EchoesFinalCr(const std::string& c) {
  return c.rfind("-3", 0) == 0 || c.rfind("-4", 0) == 0 || c.rfind("O", 0) == 0;
}

std::vector<ControllerLine::Event> ControllerLine::Feed(std::string_view bytes) {
  std::vector<Event> out;
  auto echo = [&](char b) {
    if (!out.empty() && out.back().kind == Event::Kind::Echo)
      out.back().bytes += b;
    else
      out.push_back({Event::Kind::Echo, std::string(1, b)});
  };
  for (char b : bytes) {
    if (b == kAbort) {
      line_.clear();
      overflow_ = false;
      echo(b);
      out.push_back({Event::Kind::Abort, {}});
      continue;
    }
    if (streaming_) continue;
    if (b == '\r') {
      std::string cmd;
      cmd.swap(line_);
      bool dropped = overflow_;
      overflow_ = false;
      if (cmd.empty() || dropped) continue;
      if (EchoesFinalCr(cmd)) echo('\r');
      out.push_back({Event::Kind::Command, cmd});
      continue;
    }
    // The first byte decides whether the line is echoed.
    if (!(line_.empty() ? Unechoed(b) : Unechoed(line_[0]))) echo(b);
    if (line_.size() >= kMaxLine) {
      overflow_ = true;  // an endless line is noise, not a command
      line_.clear();
    }
    if (!overflow_) line_ += b;
  }
  return out;
}

}  // namespace kv7::sim
