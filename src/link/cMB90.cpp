#include "link/cMB90.h"

#include <algorithm>
#include <thread>

#include "link/StreamReceiver.h"

namespace kv7 {

using Clock = std::chrono::steady_clock;

cMB90::cMB90(std::uint8_t portNumber, std::uint32_t baud, const store::ConfigStore& portMap,
             Reporter& reporter, std::chrono::nanoseconds tick)
    : port_(portNumber, baud, portMap), reporter_(reporter), tick_(tick) {}

cMB90::cMB90(std::string devicePath, std::uint32_t baud, Reporter& reporter, std::chrono::nanoseconds tick)
    : port_(std::move(devicePath), baud), reporter_(reporter), tick_(tick) {}

cMB90::~cMB90() {
  Close();
}

bool cMB90::Open() {
  return port_.Open();
}

void cMB90::Close() {
  // The receiver's destructor waits for its thread: no read after Close.
  stream_.reset();
  port_.Close();
}

void cMB90::Fail(const std::string& message, bool beep) {
  reporter_.Report(message, beep);
}

void cMB90::Delay(TickCount n) const {
  std::this_thread::sleep_until(Clock::now() + TicksToTime(n));
}

bool cMB90::WaitByteEcho(char sent, bool& lost) {
  const auto deadline = Clock::now() + TicksToTime(kEchoWindow);
  std::string got;
  while (Clock::now() < deadline) {
    if (port_.Read(1, got)) {
      if (got[0] == sent) return true;  // anything else is noise and dropped
    } else if (!Usable()) {
      lost = true;
      return false;
    }
  }
  return false;
}

bool cMB90::WaitLineEcho(const std::string& line, bool& lost) {
  const auto deadline = Clock::now() + TicksToTime(kEchoWindow);
  std::string echo, got;
  while (Clock::now() < deadline) {
    if (port_.Read(line.size() + 5, got)) {
      echo += got;
      if (echo == line) return true;
    } else if (!Usable()) {
      lost = true;
      return false;
    }
  }
  return false;
}

bool cMB90::Transmit(const std::string& command, int echoMode) {
  if (command.empty() || command.find('\r') < command.size() - 1) return false;
  if (!LineFree() || !Usable()) return false;
  const bool wholeLine = echoMode == kEchoWholeLine;
  for (int attempt = 1; attempt <= kAttempts; ++attempt) {
    std::size_t reached = 0;
    for (std::size_t i = 0; i < command.size(); ++i) {
      reached = i;
      const char byte = command[i];
      bool echoed = true;
      bool lost = false;
      if (!port_.Write(std::string(1, byte))) {
        if (!Usable()) return false;
        echoed = false;  // the byte never left: as good as a missing echo
      } else if (byte == '\r') {
        if (wholeLine) echoed = WaitLineEcho(command, lost);
      } else if (!wholeLine) {
        echoed = WaitByteEcho(byte, lost);
      }
      if (lost) return false;
      if (!echoed) {
        // An extra CR ends whatever part of the line the board has taken.
        port_.Write("\r");
        if (!Usable()) return false;
        break;
      }
      if (byte == '\r') break;
    }
    // A miss on the byte just before the final CR (or later) still counts
    // as sent: the extra CR has completed the line.
    if (reached + 2 >= command.size()) return true;
  }
  return false;
}

bool cMB90::WaitReply(TickCount timeout, const std::string& marker, std::string& reply) {
  reply.clear();
  if (!LineFree()) return false;
  const auto deadline = Clock::now() + TicksToTime(timeout);
  std::string chunk;
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) return false;
    // A read on a silent line lasts 1 + n ms: ask for no more than the time
    // left so the wait ends on time.
    const std::size_t want = static_cast<std::size_t>(std::clamp<long long>(left - 1, 1, cPort::kMaxChunk));
    if (port_.Read(want, chunk)) {
      reply += chunk;
      if (reply.back() == '\r' && (marker.empty() || reply.find(marker) != std::string::npos)) return true;
    } else if (!Usable()) {
      return false;
    }
  }
}

bool cMB90::SendLetter(char letter, const std::string& data) {
  if (Transmit(std::string(1, letter) + data + "\r", kEchoPerByte)) return true;
  Fail(std::string("Il comando ") + letter + " non è andato a buon fine");
  return false;
}

bool cMB90::SendAbort() {
  if (stream_) stream_->Halt();
  return Transmit(std::string(1, kAbortByte), kEchoPerByte);
}

}  // namespace kv7
