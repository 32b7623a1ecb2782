#pragma once
// The controller board link: one operation per board command, each
// synchronous (the console calls them from its one window thread between
// timer ticks), each returning whether it worked. Failures are told to the
// operator through the injected Reporter with the command's fixed message;
// the caller only sees the boolean.
//
// Wire rules: commands are text + CR; most are sent one byte at a time and
// each byte waits for the board's echo (up to 2000 ticks, five attempts for
// the whole command); replies end with CR and are cut at fixed positions.
// All waits are counted in ticks of 0.864 ms on a monotonic clock.
//
// Longest blocking times with the default tick: a reply wait ends within
// ~2 ms of its time-out; a board that echoes nothing holds a per-byte
// command for 5 x 1.728 s before it fails. A port that disappears ends the
// operation at once with false.

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "link/BoardSettings.h"
#include "link/MachineStatus.h"
#include "link/Reporter.h"
#include "link/StreamRecords.h"
#include "link/cPort.h"

namespace kv7 {

class StreamReceiver;

class cMB90 {
 public:
  using TickCount = std::uint16_t;

  // One hundred-millionth of a day.
  static constexpr std::chrono::nanoseconds kTick{864000};
  static constexpr TickCount kEchoWindow = 2000;  // per byte, or for a whole-line echo
  static constexpr TickCount kReplyDelay = 10;    // after sending, before reading a reply
  static constexpr int kAttempts = 5;
  static constexpr char kAbortByte = '\x1b';  // leaves any streaming mode; sent alone

  // The time-outs the console passes.
  static constexpr TickCount kPollTimeout = 500;
  static constexpr TickCount kTotalsTimeout = 5000;
  static constexpr TickCount kValuesTimeout = 1500;
  static constexpr TickCount kBoardInfoTimeout = 500;  // version, type, rotation
  static constexpr TickCount kSetParenTimeout = 1000;
  static constexpr TickCount kTareTicksPerCup = 150;
  static constexpr TickCount kMemorisedStartTimeout = 1500;  // "S"
  static constexpr TickCount kEncoderStartTimeout = 500;     // "T"

  // The trace log: frames are appended only when this file already exists
  // in the working directory (creating it switches the log on).
  static constexpr const char* kTraceLogFile = "oscilloscopio.log";

  enum EchoMode : int {
    kEchoPerByte = 0,   // every byte but CR waits for its echo
    kEchoWholeLine = 1  // written in one go, then the whole line's echo is awaited
  };

  // `tick` is the length of one tick; tests shorten it to run the long
  // windows quickly. The reporter must outlive the object.
  cMB90(std::uint8_t portNumber, std::uint32_t baud, const store::ConfigStore& portMap, Reporter& reporter,
        std::chrono::nanoseconds tick = kTick);
  cMB90(std::string devicePath, std::uint32_t baud, Reporter& reporter,
        std::chrono::nanoseconds tick = kTick);
  ~cMB90();
  cMB90(const cMB90&) = delete;
  cMB90& operator=(const cMB90&) = delete;

  bool Open();
  void Close();
  bool IsOpen() const { return port_.IsOpen(); }
  const cPort& Port() const { return port_; }

  // Sends the command with the echo and retry rules. A command may end in
  // CR only (a CR inside would make the board see two commands): one with
  // a CR elsewhere is refused. False as well when the port is closed or
  // was lost.
  bool Transmit(const std::string& command, int echoMode);
  // Sleeps for n ticks.
  void Delay(TickCount n) const;

  // Letter + data + CR, per-byte echo, no reply ("V1", "F", "C", "Z", "U").
  bool SendLetter(char letter, const std::string& data = {});
  // The abort byte alone. The board leaves any streaming mode, so a running
  // receive thread is ended first (its undelivered records stay to be taken).
  bool SendAbort();

  // "A0"/"A1" status poll; no message of its own.
  bool PollState(TickCount timeout);
  void GetState(rcStateMachine& out) const { out = state_; }
  const rcStateMachine& State() const { return state_; }
  void SetAlarm(bool on) { alarm_ = on; }
  bool Alarm() const { return alarm_; }

  // "V" + block ("20".."25").
  bool RichiestaTotali(TickCount timeout, const std::string& block);
  void GetTotali(rcRichiestaTotali& out) const { out = totals_; }

  // "Q" or "R": six line values.
  bool RequestValues(const std::string& command, TickCount timeout);
  void GetTestCelle(rcTestCelle& out) const { out = values_; }

  // ">0": the raw reply is kept; GetVersion gives it without its CR.
  bool RequestVersion(TickCount timeout);
  void GetVersion(std::string& out) const;
  bool HasVersion() const { return !versionReply_.empty(); }

  // ">1": the board type number (0 none/MB3, 1 MB3mod, 2 MB6, 3 MB6-1).
  bool RequestType(TickCount timeout);
  int GetType() const { return BoardTypeFromReply(typeReply_); }

  // "-2" asks, "-0"/"-1" sets the encoder rotation; both store the answer.
  bool RequestRotation(TickCount timeout);
  bool SetRotation(TickCount timeout, int direction);
  int GetRotation() const { return rotation_; }

  // "-3" tare and photocell settings, whole-line echo, no reply. The
  // time-out is not used (kept for the callers' symmetry).
  bool SetTareDelay(TickCount timeout, long long tareDelay, long long photocellDistance, long long point,
                    long long photocellDelay);
  // "-41" for type 1, "-40" otherwise.
  bool SetMagnetType(TickCount timeout, int type);
  // "(" + line calibration constants (blanks sent as 0), no reply.
  bool SendSetParen(TickCount timeout, const std::string& data);

  // "R" + first cup (3 digits) + count (3 digits): the cup tare table.
  bool RequestTaraTazza(const std::string& argument, TickCount timeout);
  void GetTestTaraTazza(rcTestTaraTazza& out) const { out = tare_; }

  // Streaming service modes. A start sends the command and starts the
  // mode's receive thread; while it runs the thread alone reads the port and
  // every other command is refused (false, with its usual message) until the
  // mode is stopped. The check and read operations take what the thread
  // decoded and never block on the line. A stop ends the thread first, then
  // sends the abort byte. Starting a mode while another one is held stops
  // that one first (thread ended, abort byte sent).
  //
  // "O" + parameters (line digit + threshold, e.g. "2300"), whole-line echo.
  bool StartTracciaGrafica(const std::string& parameters);
  // The oldest frame received, or none. A returned frame is also appended to
  // the trace log with SaveTrace.
  std::optional<rcTracciaGrafica> CheckTracciaGrafica();
  // Sends the abort byte even when no trace runs; true only when a trace
  // was running and the abort byte went out.
  bool StopTracciaGrafica();

  // "N" + the limit in 3 digits. After a failed send the mode still counts
  // as held (its stop sends the abort byte) but nothing is received.
  bool StartControlloTazzeVuote(const std::string& parameters);
  std::optional<rcCOntrolloTazzeVuote> CheckControlloTazzeVuote();
  // Only when held: abort byte; true when it went out.
  bool StopControlloTazzeVuote();

  // "P" + the sample weight in 3 digits.
  bool StartCalibrazioneLinee(const std::string& parameters);
  std::optional<rcCalibrazioneLinee> CheckCalibrazioneLinee();
  bool StopCalibrazioneLinee();

  // "S", then any CR-terminated reply within the time-out.
  bool StartTestMemorizzato(TickCount timeout);
  // The latest values of line 1..6; false and an empty record when the test
  // is not running or the line is out of range.
  bool ReadTestMemorizzato(int line, rcTestMemorizzato& out) const;
  // True when the test was running and the abort byte went out.
  bool StopTestMemorizzato();

  // "T", then a reply holding "T"; its seven fields go to GetTestEncoder.
  bool StartTestEncoder(TickCount timeout);
  // The latest streamed values; false and an empty record when not running.
  bool ReadTestEncoder(rcTestEncoder& out) const;
  void GetTestEncoder(rcTestEncoder& out) const { out = encoder_; }
  bool StopTestEncoder();

  // Appends the text to the trace log when that file exists; true when
  // written.
  static bool SaveTrace(const std::string& text);

  // Whether a streaming mode is held, and which.
  bool InStreamingMode() const { return stream_ != nullptr; }
  std::optional<StreamMode> HeldStreamMode() const;

 protected:
  // Collects bytes until the buffer ends in CR (and holds `marker`, when
  // given) or the time-out passes. Bytes before the reply stay in front.
  bool WaitReply(TickCount timeout, const std::string& marker, std::string& reply);
  void Fail(const std::string& message, bool beep = true);
  cPort& LinePort() { return port_; }

 private:
  bool WaitByteEcho(char sent, bool& lost);
  bool WaitLineEcho(const std::string& line, bool& lost);
  bool Usable() const { return port_.IsOpen() && !port_.Lost(); }
  // False while a receive thread owns the port's reads.
  bool LineFree() const;
  // The receiver of `mode` when it is the one held, else null.
  StreamReceiver* Held(StreamMode mode) const;
  // Before a start: a mode still held is ended and the board told to leave it.
  void EndHeldMode();
  // Creates the receiver of `mode` and holds it; started when `start`.
  void HoldMode(StreamMode mode, bool start);
  // The stop of a mode that is held: thread ended, reference cleared,
  // abort byte sent; the message (no beep) when it could not be sent.
  bool StopHeld(StreamMode mode, const char* failMessage);
  std::chrono::nanoseconds TicksToTime(TickCount n) const { return tick_ * n; }

  cPort port_;
  rcStateMachine state_;
  // The streaming mode held, if any: while its thread runs it owns the
  // reads of the port and this thread only writes the abort byte, after
  // ending the thread. Close ends it.
  std::unique_ptr<StreamReceiver> stream_;
  rcTestCelle values_;
  rcTestTaraTazza tare_;
  rcTestEncoder encoder_;  // fields of the last "T" start reply
  rcRichiestaTotali totals_;
  std::string versionReply_;
  std::string typeReply_;
  std::int32_t rotation_ = 0;
  bool alarm_ = false;
  Reporter& reporter_;
  std::chrono::nanoseconds tick_;
};

}  // namespace kv7
