// cMB90: board identification, settings and the cup tare table.
#include "link/cMB90.h"

namespace kv7 {

bool cMB90::RequestVersion(TickCount timeout) {
  if (!Transmit(">0\r", kEchoPerByte)) return false;
  Delay(kReplyDelay);
  std::string reply;
  if (!WaitReply(timeout, {}, reply)) {
    Fail("Il comando di versione non ha ricevuto una risposta corretta");
    return false;
  }
  versionReply_ = reply;
  return true;
}

void cMB90::GetVersion(std::string& out) const {
  out = versionReply_.empty() ? std::string() : versionReply_.substr(0, versionReply_.size() - 1);
}

bool cMB90::RequestType(TickCount timeout) {
  if (!Transmit(">1\r", kEchoPerByte)) return false;
  Delay(kReplyDelay);
  std::string reply;
  if (!WaitReply(timeout, {}, reply)) {
    Fail("Il comando di type non ha ricevuto una risposta corretta");
    return false;
  }
  typeReply_ = reply;
  return true;
}

bool cMB90::RequestRotation(TickCount timeout) {
  if (!Transmit("-2\r", kEchoPerByte)) {
    Fail("Il comando di controllo rotazione non è stato trasmesso correttamente");
    return false;
  }
  Delay(kReplyDelay);
  std::string reply;
  if (!WaitReply(timeout, {}, reply)) {
    Fail("Il comando di rotazione non ha ricevuto una risposta corretta");
    return false;
  }
  rotation_ = RotationFromReply(reply);
  return true;
}

bool cMB90::SetRotation(TickCount timeout, int direction) {
  if (!Transmit(direction == 0 ? "-0\r" : "-1\r", kEchoPerByte)) {
    Fail("Il comando di Set rotazione non è stato trasmesso correttamente");
    return false;
  }
  Delay(kReplyDelay);
  std::string reply;
  if (!WaitReply(timeout, {}, reply)) {
    Fail("Il comando di Set rotazione non ha ricevuto una risposta corretta");
    return false;
  }
  rotation_ = RotationFromReply(reply);
  return true;
}

bool cMB90::SetTareDelay(TickCount, long long tareDelay, long long photocellDistance, long long point,
                         long long photocellDelay) {
  if (!Transmit(TareDelayCommand(tareDelay, photocellDistance, point, photocellDelay) + "\r",
                kEchoWholeLine)) {
    Fail("Il comando di Set Delay Tara non è stato trasmesso correttamente");
    return false;
  }
  Delay(kReplyDelay);
  return true;
}

bool cMB90::SetMagnetType(TickCount, int type) {
  if (!Transmit(type == 1 ? "-41\r" : "-40\r", kEchoWholeLine)) {
    Fail("Il comando di Set Tipo Magneti non è stato trasmesso correttamente");
    return false;
  }
  Delay(kReplyDelay);
  return true;
}

bool cMB90::SendSetParen(TickCount, const std::string& data) {
  std::string command(1, '(');  // appended: "(" + text trips GCC 12's false -Wrestrict
  command += BlanksToZeros(data);
  command += '\r';
  if (!Transmit(command, kEchoPerByte)) {
    Fail("Il comando ( non è stato trasmesso correttamente");
    return false;
  }
  return true;
}

bool cMB90::RequestTaraTazza(const std::string& argument, TickCount timeout) {
  const std::string line = "R" + argument + "\r";
  const bool sendable = argument.find('\r') == std::string::npos && line.size() <= cPort::kMaxChunk;
  if (!sendable || !LineFree() || !LinePort().Write(line)) {
    Fail("Il comando tara tazza non è andato a buon fine");
    return false;
  }
  std::string reply;
  if (!WaitReply(timeout, "R", reply)) {
    Fail("Il comando R non ha ricevuto una risposta corretta");
    return false;
  }
  DecodeTaraTazza(argument, reply, tare_);
  return true;
}

}  // namespace kv7
