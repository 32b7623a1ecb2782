// cMB90: the status poll, the totals blocks and the line values.
#include "link/cMB90.h"

namespace kv7 {

bool cMB90::PollState(TickCount timeout) {
  const std::string command = std::string("A") + (alarm_ ? '1' : '0') + '\r';
  if (!Transmit(command, kEchoPerByte)) {
    // The board may be stuck in a streaming mode; the abort byte frees it
    // for the next poll.
    SendAbort();
    return false;
  }
  Delay(kReplyDelay);
  std::string reply;
  if (!WaitReply(timeout, {}, reply)) return false;
  state_ = DecodeStateMachine(reply);
  return true;
}

bool cMB90::RichiestaTotali(TickCount timeout, const std::string& block) {
  if (!Transmit("V" + block + "\r", kEchoPerByte)) {
    Fail("Il comando V non è stato trasmesso correttamente");
    return false;
  }
  Delay(kReplyDelay);
  std::string reply;
  if (!WaitReply(timeout, {}, reply)) {
    Fail("Il comando V non ha ricevuto una risposta corretta");
    return false;
  }
  totals_ = DecodeRichiestaTotali(reply);
  return true;
}

bool cMB90::RequestValues(const std::string& command, TickCount timeout) {
  const std::string line = command + "\r";
  // The line must go out whole and be one command.
  const bool sendable = command.find('\r') == std::string::npos && line.size() <= cPort::kMaxChunk;
  if (!sendable || !LineFree() || !LinePort().Write(line)) {
    Fail("Il comando " + command + " non è andato a buon fine");
    return false;
  }
  std::string reply;
  if (!WaitReply(timeout, command, reply)) {
    Fail("Il comando " + command + " non ha ricevuto una risposta corretta");
    return false;
  }
  DecodeTestCelle(reply, values_);
  return true;
}

}  // namespace kv7
