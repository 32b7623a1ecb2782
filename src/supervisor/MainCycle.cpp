// The 100 ms main cycle: status poll and panels, identification, set-up and
// initialisation of the board, program download, barcode lines, reject station.

#include <cmath>
#include <cstdio>

#include "batches/ReaderText.h"
#include "link/cMB90.h"
#include "link/cSrd12.h"
#include "link/tPolling.h"
#include "store/Configuration.h"
#include "supervisor/Supervisor.h"

namespace kv7::supervisor {
namespace {

constexpr int kPollEvery = 12;          // ticks: one status poll every 1.2 s
constexpr int kPollsPerTotalsUnit = 44;  // one unit of the automatic totals period
constexpr int kReopenEveryPolls = 3;     // a lost controller port is reopened this often

std::optional<int> AsNumber(const std::string& text) {
  auto v = store::ParseStoredNumber(text);
  if (!v) return std::nullopt;
  return static_cast<int>(*v);
}

const char* ProcessingStateText(const std::string& stato) {
  if (stato == "0") return "0 - Accesa    ";
  if (stato == "1") return "1 - Stand By";
  if (stato == "2") return "2 - Attesa Encoder";
  if (stato == "3") return "3 - Tara iniziale";
  if (stato == "4") return "4 - Lavorazione";
  if (stato == "5") return "5 - Fine partita";
  return nullptr;
}

}  // namespace

void Supervisor::Timer1Timer() {
  if (closed_) return;
  ShowControllerMenus();

  if (controller_) {
    if (st_.parenPending && controller_->SendSetParen(cMB90::kSetParenTimeout, st_.pendingParen))
      st_.parenPending = false;
    if (st_.downloadJob == 0) {
      if (st_.serviceMode == 0) {
        if (st_.pollDivider < kPollEvery) {
          ++st_.pollDivider;
        } else {
          st_.pollDivider = 1;
          StatusPoll();
        }
      } else if (st_.serviceMode >= 1 && st_.serviceMode <= 6) {
        // Service windows: the open window's exchange (ServiceCommands.cpp).
        ServeServiceMode(st_.serviceMode);
      }
    } else {
      DownloadStep();
    }
  }

  if (st_.endRequest && !st_.endArming) {
    st_.endArming = true;
    StartTimer2();
    st_.endArming = false;
    st_.endRequest = false;
  }

  ServeBarcode();
  ServeRejectStation();
}

void Supervisor::WatchWhileWaiting() {
  if (closed_ || failed_ || watching_) return;
  watching_ = true;
  holding_.Hold(true);
  struct EndWatch {
    Supervisor& s;
    ~EndWatch() {
      s.holding_.Hold(false);
      s.watching_ = false;
    }
  } endWatch{*this};
  // The waiting routine holds the board: none of its exchanges may
  // interleave with a poll.
  const bool boardHeld = st_.serviceMode != 0 || st_.downloadJob != 0;
  if (!boardHeld) {
    ShowControllerMenus();
    if (controller_) {
      if (st_.pollDivider < kPollEvery) {
        ++st_.pollDivider;
      } else {
        st_.pollDivider = 1;
        if (PollAndShowState()) ShowPollFigures();
      }
    }
  }
  ServeBarcode();
  if (!boardHeld) ServeRejectStation();
}

void Supervisor::ShowControllerMenus() {
  if (st_.controllerOn) {
    console_.SetEnabled(Control::Lavorazione, true);
    console_.SetEnabled(Control::Assistenza1, true);
  } else {
    st_.boardKnown = false;
    console_.SetEnabled(Control::Lavorazione, false);
    console_.SetEnabled(Control::Assistenza1, false);
  }
  console_.SetEnabled(Control::Cancella2, true);
}

bool Supervisor::PollAndShowState() {
  ReopenLostController();
  if (!controller_->PollState(cMB90::kPollTimeout)) {
    console_.SetStatusAlignment(3, Align::Right);
    st_.stateText = "0 - Centralina off ";
    console_.SetStatusPanel(3, st_.stateText);
    st_.controllerOn = false;
    OfferLive();
    return false;
  }
  st_.controllerOn = true;
  controller_->GetState(st_.machineState);
  const rcStateMachine& m = st_.machineState;
  if (!m.Fc1.empty()) {
    WriteLog("ALBERO - " + m.NumTazza + "\r\n");
    WriteLog("FC - " + m.Fc1 + "/" + m.Fc2 + "/" + m.Fc3 + "/" + m.Fc4 + "/" + m.Fc5 + "\r\n");
  }
  console_.SetStatusAlignment(3, Align::Left);

  if (!st_.boardKnown) {
    IdentifyBoard();
    SetUpBoard();
  }
  ShowProcessingState();
  OfferLive();
  return true;
}

void Supervisor::ShowPollFigures() {
  const rcStateMachine& m = st_.machineState;
  if (!m.Stato.empty() && m.Stato[0] >= '0' && m.Stato[0] <= '9') st_.machineStateNo = m.Stato[0] - '0';
  const std::string& rate = m.Cadenza;
  console_.SetStatusPanel(1, rate.substr(0, 2) + "," + (rate.size() > 2 ? rate.substr(2, 1) : "") + "tz/s");
  console_.SetText(Control::tazzebad, m.TazzeBad);
  console_.SetText(Control::numtazza, m.NumTazza.substr(0, 3));
}

void Supervisor::StatusPoll() {
  if (!PollAndShowState()) return;
  const rcStateMachine& m = st_.machineState;
  if (m.Stato == "4" || m.Stato == "5") WatchProgramOnBoard();
  ShowPollFigures();

  if (auto n = AsNumber(m.NumProgramma); n && *n != st_.boardProgram) {
    st_.boardProgram = *n;
    ShowProgramClasses(*n);
    TotaliClick();
    WriteLog("update program  vis " + std::to_string(*n) + "\r\n");
  }

  if (m.Stato == "0" || st_.reinitRequest) InitialiseBoard();
}

void Supervisor::ReopenLostController() {
  // A USB adapter pulled out and plugged back comes back as a new device:
  // the old descriptor is dead, so the port is opened again now and then.
  const cPort& port = controller_->Port();
  if (port.IsOpen() && !port.Lost()) return;
  if (reopenCountdown_ > 0) {
    --reopenCountdown_;
    return;
  }
  reopenCountdown_ = kReopenEveryPolls;
  controller_->Close();
  controller_->Open();
}

void Supervisor::IdentifyBoard() {
  if (!controller_->RequestVersion(cMB90::kBoardInfoTimeout)) return;
  st_.boardKnown = true;
  st_.versionText = "old board";
  std::string version;
  controller_->GetVersion(version);
  // Built from the designed caption each time, so a board identified again
  // after coming back does not collect a second suffix.
  std::string caption = MachineCaption();
  if (!version.empty()) {
    st_.versionText = version;
    caption += " / " + st_.versionText;
  }
  if (!controller_->RequestType(cMB90::kBoardInfoTimeout)) {
    st_.boardType = 0;
  } else {
    st_.boardType = controller_->GetType();
    static const char* const kSuffix[] = {" : MB3", " : MB3mod", " : MB6", " : MB6-1", ""};
    if (st_.boardType >= 0 && st_.boardType <= 4) caption += kSuffix[st_.boardType];
  }
  console_.SetCaption(caption);
}

void Supervisor::SetUpBoard() {
  switch (st_.boardType) {
    case 1:
      controller_->SetTareDelay(cMB90::kBoardInfoTimeout, config_.delay_tara, 0, 94, 0);
      [[fallthrough]];
    case 0:
      console_.SetEnabled(Control::TabellaTara1, false);
      console_.SetVisible(Control::Label55, false);
      console_.SetVisible(Control::numtazza, false);
      console_.SetVisible(Control::tazzebad, false);
      break;
    case 2:
    case 3:
    case 4: {
      console_.SetEnabled(Control::TabellaTara1, !st_.oldBoardMode);
      console_.SetVisible(Control::numtazza, true);
      controller_->SetTareDelay(cMB90::kBoardInfoTimeout, config_.delay_tara, config_.distanza_fc,
                                config_.point_gest, config_.ritfc);
      if (controller_->HasVersion()) {
        // Without a reply the stored rotation still tells the operator the
        // direction last known and is compared with the installation.
        controller_->RequestRotation(cMB90::kBoardInfoTimeout);
        if (controller_->GetRotation() > 0) {
          console_.SetStatusPanel(2, "set Encoder orario");
          if (config_.rotdirection != 1) controller_->SetRotation(cMB90::kBoardInfoTimeout, config_.rotdirection);
        } else {
          console_.SetStatusPanel(2, "set Encoder antiorario");
          if (config_.rotdirection != 0) controller_->SetRotation(cMB90::kBoardInfoTimeout, config_.rotdirection);
        }
      }
      break;
    }
    default: break;
  }
}

void Supervisor::ShowProcessingState() {
  const std::string& stato = st_.machineState.Stato;
  if (const char* text = ProcessingStateText(stato)) {
    st_.stateText = text;
    console_.SetStatusPanel(3, text);
  }
  if (stato == "0" || stato == "1" || stato == "2" || stato == "3") console_.SetVisible(Control::Label53, true);
}

void Supervisor::WatchProgramOnBoard() {
  const int n = AsNumber(st_.machineState.NumProgramma).value_or(99);
  if (n >= 1 && n <= 98) console_.SetVisible(Control::Label53, false);
  if (n == 0 && st_.savedProgram > 0) {
    // By code, not by count: codes may have gaps after a deletion.
    if (!programCodes_.HasNumber(st_.savedProgram)) {
      st_.savedProgram = 0;
    } else {
      st_.serviceMode = 99;
      LoadProgram(st_.savedProgram);
      st_.serviceMode = 0;
      WriteLog("reload prog (" + std::to_string(st_.savedProgram) + ")\r\n");
    }
  }
  if (st_.autoTotalsCountdown == 0) {
    st_.autoTotalsCountdown = kPollsPerTotalsUnit * st_.autoTotalsPeriod;
    if (st_.autoTotalsPeriod > 0) TotaliClick();
  } else {
    --st_.autoTotalsCountdown;
  }
}

void Supervisor::InitialiseBoard() {
  if (st_.boardType > 0)
    controller_->SetTareDelay(cMB90::kBoardInfoTimeout, config_.delay_tara, config_.distanza_fc, config_.point_gest,
                              config_.ritfc);
  if (st_.boardType > 1) controller_->SetMagnetType(cMB90::kBoardInfoTimeout, 0);
  controller_->SendLetter('C', config_.InstallString);
  st_.reinitRequest = false;
  if (controller_->HasVersion()) controller_->SetRotation(cMB90::kBoardInfoTimeout, config_.rotdirection);
  if (st_.extraInitCommand) {
    controller_->SendLetter('Z');
    st_.extraInitCommand = false;
  }
  RefreshTotalsDisplay();
  WriteLog("init Mb6 board\r\n");
  ResendProgramAfterInstallation();
}

void Supervisor::DownloadStep() {
  st_.downloadLabel = " Programma ";
  if (st_.downloadStep == 1) {
    const int block = std::clamp(st_.downloadSubStep, 1, 6);
    controller_->SendLetter('F', st_.programBlocks[static_cast<std::size_t>(block - 1)]);
    st_.downloadProgress += 16;
    if (block >= 6) {
      st_.downloadSubStep = 0;
      st_.downloadStep = 2;
      st_.downloadProgress = 100;
    } else {
      st_.downloadSubStep = block + 1;
    }
  } else {
    st_.downloadSubStep = 1;
    st_.downloadStep = 0;
    st_.downloadJob = 0;
  }
  char progress[8];
  std::snprintf(progress, sizeof progress, "%3d", st_.downloadProgress);
  console_.SetStatusPanel(2, "Trasf. " + st_.downloadLabel + "Mb3 = " + progress + " %");
}

void Supervisor::ServeBarcode() {
  // Barcode lines follow the reader's own option: a site with a reader and
  // no reject station must still see its codes.
  if (auxThread_ && config_.barcode_enab > 0 && auxThread_->count() > 0) {
    std::string code = batches::CleanBarcode(auxThread_->take());
    if (!code.empty()) AcceptBarcodeLine(std::move(code));  // a bare line end is no code
  }
}

void Supervisor::ServeRejectStation() {
  if (!rejectStation_ || config_.scarti_enab <= 0) return;
  if (RefreshRejectTimes()) {
    SwitchRejectCycleOn();
    if (!st_.rejectScaleRead) {
      st_.rejectScale = rejectStation_->ReadDecimals();
      st_.rejectScaleRead = true;
    }
  }
  if (st_.rejectCycleOn > 0) console_.SetStatusPanel(4, cSrd12::StateText(st_.rejectState));
  if ((st_.rejectState >= 2 && st_.rejectState <= 5) || st_.rejectReadRequest) {
    RejectWeights weights;
    if (rejectStation_->ReadWeights(weights) < 0) {
      console_.SetStatusPanel(4, "? - errore scarti ");
      return;
    }
    st_.rejectReadRequest = false;
    static const double kScale[] = {1000, 100, 10, 1};
    if (st_.rejectScale >= 0 && st_.rejectScale <= 3)
      st_.rejectValue = static_cast<std::int64_t>(std::nearbyint(weights.reject * kScale[st_.rejectScale]));
  }
}

}  // namespace kv7::supervisor
