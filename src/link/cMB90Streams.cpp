// cMB90: the five streaming service modes (trace, empty cups, line
// calibration, memorised test, encoder test) and the trace log.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "link/StreamReceiver.h"
#include "link/cMB90.h"

namespace kv7 {

bool cMB90::LineFree() const {
  return !stream_ || !stream_->Running();
}

StreamReceiver* cMB90::Held(StreamMode mode) const {
  return stream_ && stream_->Mode() == mode ? stream_.get() : nullptr;
}

std::optional<StreamMode> cMB90::HeldStreamMode() const {
  if (!stream_) return std::nullopt;
  return stream_->Mode();
}

void cMB90::EndHeldMode() {
  if (!stream_) return;
  stream_.reset();
  SendAbort();
}

void cMB90::HoldMode(StreamMode mode, bool start) {
  stream_ = std::make_unique<StreamReceiver>(port_, mode);
  if (start) stream_->Start();
}

bool cMB90::StopHeld(StreamMode mode, const char* failMessage) {
  if (!Held(mode)) return false;
  // The thread ends before the abort byte goes out: the echo wait reads the
  // port, and only one thread may.
  stream_.reset();
  if (SendAbort()) return true;
  if (failMessage) Fail(failMessage, false);
  return false;
}

bool cMB90::StartTracciaGrafica(const std::string& parameters) {
  EndHeldMode();
  if (!Transmit("O" + parameters + "\r", kEchoWholeLine)) {
    Fail("Il comando di traccia grafica non è stato inviato correttamente");
    return false;
  }
  HoldMode(StreamMode::Trace, true);
  return true;
}

std::optional<rcTracciaGrafica> cMB90::CheckTracciaGrafica() {
  StreamReceiver* r = Held(StreamMode::Trace);
  if (!r) return std::nullopt;
  auto frame = r->TakeTrace();
  if (!frame) return std::nullopt;
  // The text logged is that of the frame handed out, so the log holds every
  // frame once and in order.
  SaveTrace(frame->text);
  return std::move(frame->record);
}

bool cMB90::StopTracciaGrafica() {
  if (Held(StreamMode::Trace)) return StopHeld(StreamMode::Trace, "Termina Oscilloscopio non eseguito...");
  // No trace: the abort byte goes out all the same (it frees a board left
  // in trace mode), and the answer is that none was running.
  SendAbort();
  return false;
}

bool cMB90::StartControlloTazzeVuote(const std::string& parameters) {
  EndHeldMode();
  // The mode is held before the command goes out; a failed send leaves it
  // held without a thread, so its stop still tells the board to leave it.
  HoldMode(StreamMode::EmptyCups, false);
  if (!Transmit("N" + parameters + "\r", kEchoPerByte)) {
    Fail("Il comando di controllo tazze vuote non è stato inviato correttamente");
    return false;
  }
  stream_->Start();
  return true;
}

std::optional<rcCOntrolloTazzeVuote> cMB90::CheckControlloTazzeVuote() {
  StreamReceiver* r = Held(StreamMode::EmptyCups);
  return r ? r->TakeEmptyCup() : std::nullopt;
}

bool cMB90::StopControlloTazzeVuote() {
  return StopHeld(StreamMode::EmptyCups, "Il comando di termina tazze vuote non eseguito");
}

bool cMB90::StartCalibrazioneLinee(const std::string& parameters) {
  EndHeldMode();
  if (!Transmit("P" + parameters + "\r", kEchoPerByte)) {
    Fail("Il comando di calibrazione linee non è stato inviato correttamente");
    return false;
  }
  HoldMode(StreamMode::Calibration, true);
  return true;
}

std::optional<rcCalibrazioneLinee> cMB90::CheckCalibrazioneLinee() {
  StreamReceiver* r = Held(StreamMode::Calibration);
  return r ? r->TakeCalibration() : std::nullopt;
}

bool cMB90::StopCalibrazioneLinee() {
  return StopHeld(StreamMode::Calibration,
                  "Il comando di termina calibrazione linee non è stato inviato correttamente");
}

bool cMB90::StartTestMemorizzato(TickCount timeout) {
  EndHeldMode();
  if (!Transmit("S\r", kEchoPerByte)) {
    Fail("Il comando S non è stato trasmesso correttamente");
    return false;
  }
  Delay(kReplyDelay);
  std::string reply;
  if (!WaitReply(timeout, {}, reply)) {
    Fail("Il comando S non ha ricevuto una risposta corretta");
    return false;
  }
  HoldMode(StreamMode::Memorised, true);
  return true;
}

bool cMB90::ReadTestMemorizzato(int line, rcTestMemorizzato& out) const {
  StreamReceiver* r = Held(StreamMode::Memorised);
  if (!r || line < 1 || line > 6) {
    out = {};
    return false;
  }
  out = FormatTestMemorizzato(line, r->Memorised(line));
  return true;
}

bool cMB90::StopTestMemorizzato() {
  return StopHeld(StreamMode::Memorised, nullptr);
}

bool cMB90::StartTestEncoder(TickCount timeout) {
  EndHeldMode();
  if (!Transmit("T\r", kEchoPerByte)) {
    Fail("Il comando T non è stato trasmesso correttamente");
    return false;
  }
  Delay(kReplyDelay);
  std::string reply;
  if (!WaitReply(timeout, "T", reply)) {
    Fail("Il comando T non ha ricevuto una risposta corretta=\r" + reply + "\r");
    return false;
  }
  encoder_ = DecodeEncoderStartReply(reply);
  HoldMode(StreamMode::Encoder, true);
  return true;
}

bool cMB90::ReadTestEncoder(rcTestEncoder& out) const {
  StreamReceiver* r = Held(StreamMode::Encoder);
  if (!r) {
    out = {};
    return false;
  }
  out = FormatTestEncoder(r->Encoder());
  return true;
}

bool cMB90::StopTestEncoder() {
  return StopHeld(StreamMode::Encoder, nullptr);
}

bool cMB90::SaveTrace(const std::string& text) {
  // Opened without O_CREAT: a missing file means the log is off.
  const int fd = ::open(kTraceLogFile, O_WRONLY | O_APPEND | O_CLOEXEC);
  if (fd < 0) return false;
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += static_cast<std::size_t>(n);
  }
  ::close(fd);
  return done == text.size();
}

}  // namespace kv7
