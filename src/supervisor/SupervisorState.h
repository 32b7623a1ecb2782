#pragma once
// The run-time state of the console between start-up and shutdown, under the
// names the cycle, the batch lifecycle and the totals use.

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

#include "link/MachineStatus.h"

namespace kv7::supervisor {

struct SupervisorState {
  rcStateMachine machineState;  // last status record of a good poll
  bool controllerOn = false;    // the last status poll was answered
  bool boardKnown = false;      // version and type asked since the board came on
  int boardType = 0;
  std::string versionText = "-----";
  std::string baseCaption = "KV7 Campionatrice";  // the window's designed caption
  int serviceMode = 0;  // 0 the cycle, 1..6 a service window, 99 the supervisor itself
  int pollDivider = 1;
  int boardProgram = 9999;
  int machineStateNo = 0;
  std::string stateText;  // the board's state as panel 3 shows it
  int savedProgram = 0;
  std::string savedProducer = "00000";
  bool reinitRequest = false;
  bool extraInitCommand = false;
  bool endRequest = false;
  bool endArming = false;
  // The one-shot end-of-batch timer: its interval (the reject station's
  // unload time) and when it fires, if armed.
  int timer2Interval = 3000;
  std::optional<std::chrono::steady_clock::time_point> timer2Due;
  int autoTotalsCountdown = 0;
  // Automatic totals period in units of 44 polls, set by the program parameters.
  int autoTotalsPeriod = 0;
  bool oldBoardMode = false;
  double startMinutes = 0;
  std::int64_t costAmount = 0;
  int rejectCycleOn = 0;
  int rejectState = 0;

  // Program download, one "F" block per tick.
  int downloadJob = 0;
  int downloadStep = 1;
  int downloadSubStep = 1;
  int downloadProgress = 0;
  std::string downloadLabel;
  std::array<std::string, 6> programBlocks;

  int rejectScale = 0;
  bool rejectScaleRead = false;
  bool rejectReadRequest = false;
  std::int64_t rejectValue = 0;

  // Programs in the archive, as counted when the program list was filled.
  int programCount = 0;
  // Line calibration constants waiting to reach the board ("(" command).
  std::string pendingParen;
  bool parenPending = false;

  // Raw "V" blocks of lines 1..6 from the last totals request.
  std::array<rcRichiestaTotali, 6> lineTotals;

  // The batch lifecycle. Both counters start at 0 with every run of the console.
  int archiveCounter = 0;  // batches archived: numbers the print command
  int runCounter = 0;      // batches ended: the report's processing number
  // The main window's batch number and batch total as typed, and its
  // "Stampa con totale partita" box.
  std::string numBolla;
  std::string totPartita = "0";
  bool checkStpTotP = true;
  bool batchCounting = false;  // totals reset, batch not ended yet
  int waitingBatches = 0;      // ended batches the journal holds for the archive
  std::chrono::steady_clock::time_point nextReplay;  // the journal's minute
};

}  // namespace kv7::supervisor
