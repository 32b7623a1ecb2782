// The service windows' commands: the "Assistenza" menu, the requests of the
// open window's buttons, its closing, and the cycle's service modes 1..6
// that feed it. The windows never touch the board: every exchange is made
// here, on the machine thread, and the window gets copies of the results.

#include <fstream>

#include "link/BoardSettings.h"
#include "link/cMB90.h"
#include "service/ServiceRules.h"
#include "service/TraceView.h"
#include "store/ConfigStore.h"
#include "supervisor/Supervisor.h"

namespace kv7::supervisor {
namespace {

using service::ServiceWindow;

constexpr const char* kControllerOff = "La centralina è spenta, accenderla per favore!";
constexpr const char* kMachineEmpty =
    "Verificare che la macchina sia vuota, premere Yes per eseguire la calibrazione.";
constexpr cMB90::TickCount kEmptyCupsPause = 200;  // 172.8 ms before a new "N"
constexpr int kInitialEmptyCupLimit = 10;
constexpr int kPollEvery = 12;  // as the cycle: the poll after a window is due at once

template <class... F>
struct Overloaded : F... {
  using F::operator()...;
};
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

std::optional<int> LineOf(const std::string& digit) {
  auto n = service::NumberOf(digit);
  if (!n || *n < 1 || *n > service::kLines) return std::nullopt;
  return n;
}

std::string Aligned(const std::string& number) { return RightAligned4(service::NumberOf(number).value_or(0)); }

service::TraceFrame ToFrame(const rcTracciaGrafica& r) {
  service::TraceFrame f;
  for (std::size_t i = 0; i < f.head.size(); ++i) f.head[i] = r.Head[i];
  f.samples.assign(r.Sample.begin(), r.Sample.begin() + rcTracciaGrafica::kSamples);
  return f;
}

// Appends the text; false when it could not be written whole.
bool AppendToFile(const std::filesystem::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::app);
  out << text;
  out.close();
  return static_cast<bool>(out);
}

}  // namespace

bool Supervisor::ServiceCanOpen(bool needsController) {
  if (!serviceWindows_ || serviceWindow_ != ServiceWindow::None || st_.serviceMode != 0) return false;
  if (needsController && (!controller_ || !st_.controllerOn)) {
    operator_.ShowMessage(kControllerOff);
    return false;
  }
  return true;
}

void Supervisor::OpenService(ServiceWindow window, int mode, const service::ServiceOpening& opening) {
  st_.serviceMode = mode;
  serviceWindow_ = window;
  serviceWindows_->Open(window, opening);
}

void Supervisor::ControlloCELLE1Click() {
  if (!ServiceCanOpen(true)) return;
  service::ServiceOpening opening;
  opening.multiplier = config_.xmoltiply;
  cellsPause_ = 0;
  OpenService(ServiceWindow::Cells, 1, opening);
}

void Supervisor::Memorizzato1Click() {
  if (!ServiceCanOpen(true)) return;
  st_.serviceMode = 2;
  service::ServiceOpening opening;
  opening.tares.fill("0000");
  if (controller_->RequestValues("R", cMB90::kValuesTimeout)) {
    rcTestCelle values;
    controller_->GetTestCelle(values);
    for (std::size_t l = 0; l < opening.tares.size(); ++l) {
      long long tare = service::NumberOf(values.Val[l]).value_or(0);
      if (config_.xmoltiply > 0) tare *= config_.xmoltiply;
      opening.tares[l] = RightAligned4(tare);
    }
  }
  if (!controller_->StartTestMemorizzato(cMB90::kMemorisedStartTimeout)) {
    st_.serviceMode = 0;
    return;
  }
  OpenService(ServiceWindow::Memorised, 2, opening);
}

void Supervisor::Encoder1Click() {
  if (!ServiceCanOpen(true)) return;
  if (!controller_->StartTestEncoder(cMB90::kEncoderStartTimeout)) return;
  OpenService(ServiceWindow::Encoder, 4, {});
}

void Supervisor::ControlloTazze1Click() {
  WriteLog("iniz controllo tazze\r\n");
  if (!operator_.AskYesNo(kMachineEmpty) || !ServiceCanOpen(true)) return;
  emptyCupsRunning_ = false;
  service::ServiceOpening opening;
  opening.multiplier = config_.xmoltiply;
  opening.limit = service::EmptyCupLimitText(kInitialEmptyCupLimit, config_.xmoltiply);
  OpenService(ServiceWindow::EmptyCups, 5, opening);
}

void Supervisor::TestMagneti1Click() {
  WriteLog("iniz test magneti\r\n");
  if (!operator_.AskYesNo(kMachineEmpty) || !ServiceCanOpen(true)) return;
  // The magnet test leaves the cycle as it is: the status poll goes on.
  magnetTestType_ = 0;
  OpenService(ServiceWindow::Magnets, 0, {});
}

void Supervisor::TabellaTara1Click() {
  if (!ServiceCanOpen(true)) return;
  service::ServiceOpening opening;
  opening.cups = std::max(config_.numtazze, 0);
  // The window shows its placeholders at once; the table follows when read.
  OpenService(ServiceWindow::TareTable, 0, opening);
  RequestTareTable();
}

void Supervisor::Calibrazione1Click() {
  WriteLog("iniz calibrazione\r\n");
  if (!operator_.AskYesNo(kMachineEmpty) || !ServiceCanOpen(true)) return;
  service::ServiceOpening opening;
  opening.multiplier = config_.xmoltiply;
  for (int l = 1; l <= service::kLines; ++l) {
    keptKappas_[static_cast<std::size_t>(l - 1)] = config_.kpeso[l];
    opening.kappas[static_cast<std::size_t>(l - 1)] = RightAligned4(config_.kpeso[l]);
  }
  calibrationRan_ = false;
  OpenService(ServiceWindow::Calibration, 3, opening);
}

void Supervisor::Oscilloscopio1Click() {
  if (!operator_.AskYesNo(kMachineEmpty) || !ServiceCanOpen(true)) return;
  service::ServiceOpening opening;
  for (int l = 1; l <= service::kLines; ++l) {
    opening.windowStart[static_cast<std::size_t>(l - 1)] = config_.inenc[l];
    opening.windowEnd[static_cast<std::size_t>(l - 1)] = config_.fienc[l];
  }
  opening.phase = config_.zeroencoder;
  opening.cups = std::max(config_.numtazze, 0);
  traceLine_ = 1;
  saveFrames_ = false;
  OpenService(ServiceWindow::Oscilloscope, 6, opening);
}

void Supervisor::HandleServiceRequest(const service::ServiceRequest& request) {
  if (serviceWindow_ == ServiceWindow::None || !controller_) return;
  std::visit(Overloaded{
                 [this](const service::StartCalibration& r) {
                   if (serviceWindow_ != ServiceWindow::Calibration) return;
                   const bool started = controller_->StartCalibrazioneLinee(ZeroFill(r.sampleWeight, 3));
                   calibrationRan_ = calibrationRan_ || started;
                   serviceWindows_->Show(service::CalibrationRunning{started});
                 },
                 [this](const service::EndCalibration&) {
                   if (serviceWindow_ != ServiceWindow::Calibration) return;
                   controller_->StopCalibrazioneLinee();
                   serviceWindows_->Show(service::CalibrationRunning{false});
                 },
                 [this](const service::StartEmptyCups& r) { StartEmptyCupTest(r.limit); },
                 [this](const service::StartMagnetTest& r) { StartMagnetTest(r); },
                 [this](const service::RefreshTareTable&) {
                   if (serviceWindow_ == ServiceWindow::TareTable) RequestTareTable();
                 },
                 [this](const service::Capture& r) { CaptureTrace(r); },
                 [this](const service::SaveFrames& r) { saveFrames_ = r.on; },
                 [this](const service::ServiceClosed& r) { CloseService(r); },
             },
             request);
}

void Supervisor::StartEmptyCupTest(const std::string& limit) {
  if (serviceWindow_ != ServiceWindow::EmptyCups) return;
  if (emptyCupsRunning_) {
    emptyCupsRunning_ = false;
    controller_->StopControlloTazzeVuote();
  }
  controller_->Delay(kEmptyCupsPause);
  controller_->StartControlloTazzeVuote(service::EmptyCupBoardLimit(limit, config_.xmoltiply));
  emptyCupsRunning_ = true;
}

void Supervisor::StartMagnetTest(const service::StartMagnetTest& request) {
  if (serviceWindow_ != ServiceWindow::Magnets) return;
  const int type = request.dynamic ? 1 : 2;
  if (magnetTestType_ != type) {
    controller_->SendLetter('U', service::kMagnetTestEnd);
    magnetTestType_ = type;
  }
  controller_->SendLetter('U', service::MagnetTestData(request.dynamic, request.outlet));
}

void Supervisor::RequestTareTable() {
  const int cups = std::max(config_.numtazze, 0);
  const service::TareRequest request = service::TareTableRequest(cups);
  if (!controller_->RequestTaraTazza(request.argument, static_cast<cMB90::TickCount>(request.timeoutTicks))) return;
  rcTestTaraTazza table;
  controller_->GetTestTaraTazza(table);
  service::TareTable view;
  view.rows.resize(static_cast<std::size_t>(cups));
  for (int cup = 1; cup <= cups; ++cup)
    for (int l = 0; l < service::kLines; ++l)
      view.rows[static_cast<std::size_t>(cup - 1)][static_cast<std::size_t>(l)] = table.At(l, cup);
  serviceWindows_->Show(view);
}

void Supervisor::CaptureTrace(const service::Capture& request) {
  if (serviceWindow_ != ServiceWindow::Oscilloscope) return;
  if (request.start) {
    traceLine_ = LineOf(request.line).value_or(1);
    saveFrames_ = request.save;
    const bool started = controller_->StartTracciaGrafica(request.line + request.limit);
    serviceWindows_->Show(service::CaptureState{started});
    return;
  }
  const bool wasRunning = controller_->StopTracciaGrafica();
  serviceWindows_->Show(service::CaptureState{false});
  if (!wasRunning) operator_.ShowMessage("Fine funzione oscilloscopio... non eseguita!");
}

void Supervisor::ServeServiceMode(int mode) {
  if (!serviceWindows_ || serviceWindow_ == ServiceWindow::None) return;
  const int m = config_.xmoltiply;
  switch (mode) {
    case 1:
      // After an unanswered "Q" the next one waits a poll's time, so the
      // technician can close the window between the failure boxes.
      if (cellsPause_ > 0) {
        --cellsPause_;
        break;
      }
      if (!controller_->RequestValues("Q", cMB90::kValuesTimeout)) {
        cellsPause_ = kPollEvery - 1;
      } else {
        rcTestCelle values;
        controller_->GetTestCelle(values);
        service::CellValues cells;
        for (std::size_t l = 0; l < cells.value.size(); ++l) cells.value[l] = service::ShownWeight(values.Val[l], m);
        serviceWindows_->Show(cells);
      }
      break;
    case 2:
      for (int l = 1; l <= service::kLines; ++l) {
        rcTestMemorizzato r;
        if (!controller_->ReadTestMemorizzato(l, r)) continue;
        std::optional<std::string> tare;
        if (r.Tara != "   0") tare = service::ShownWeight(r.Tara, m);
        serviceWindows_->Show(service::MemorisedRow{l, r.NumTazza, tare, service::ShownWeight(r.Netto, m)});
      }
      break;
    case 3:
      if (auto r = controller_->CheckCalibrazioneLinee(); r && LineOf(r->Linea))
        serviceWindows_->Show(service::CalibrationRow{*LineOf(r->Linea), Aligned(r->NPass), Aligned(r->Kappa),
                                                      service::ShownWeight(r->Peso, m)});
      break;
    case 4:
      if (rcTestEncoder r; controller_->ReadTestEncoder(r))
        serviceWindows_->Show(service::EncoderRow{r.NGiro, r.Valore, r.Errore});
      break;
    case 5:
      if (!emptyCupsRunning_) break;
      if (auto r = controller_->CheckControlloTazzeVuote(); r && LineOf(r->Linea))
        serviceWindows_->Show(service::EmptyCupRow{*LineOf(r->Linea), r->NumTazza, r->Valore});
      break;
    case 6: ServeTrace(); break;
    default: break;
  }
}

void Supervisor::ServeTrace() {
  if (controller_->HeldStreamMode() != StreamMode::Trace) return;
  auto record = controller_->CheckTracciaGrafica();
  if (!record) return;
  const service::TraceFrame frame = ToFrame(*record);
  if (saveFrames_) AppendFrame(frame);
  serviceWindows_->Show(frame);
}

void Supervisor::AppendFrame(const service::TraceFrame& frame) {
  const std::string name = service::FrameFileName(traceLine_);
  if (AppendToFile(workDir_ / name, service::FrameFileBlock(frame))) return;
  // The trace goes on; saving stops and the technician is told once.
  saveFrames_ = false;
  serviceWindows_->Show(service::TraceSavingStopped{});
  WriteLog("errore file " + name + "\r\n");
  operator_.ShowMessage("Impossibile scrivere il file " + name + ": le tracce non vengono più salvate.");
}

bool Supervisor::StopBoardTest(ServiceWindow window) {
  if (!controller_) return true;
  switch (window) {
    case ServiceWindow::Calibration: controller_->StopCalibrazioneLinee(); return true;
    case ServiceWindow::Memorised: return controller_->StopTestMemorizzato();
    case ServiceWindow::Encoder: return controller_->StopTestEncoder();
    case ServiceWindow::EmptyCups:
      emptyCupsRunning_ = false;
      controller_->StopControlloTazzeVuote();
      return true;
    case ServiceWindow::Magnets:
      magnetTestType_ = 0;
      controller_->SendLetter('U', service::kMagnetTestEnd);
      return true;
    case ServiceWindow::Oscilloscope:
      return controller_->HeldStreamMode() != StreamMode::Trace || controller_->StopTracciaGrafica();
    default: return true;
  }
}

void Supervisor::CloseService(const service::ServiceClosed& closed) {
  if (closed.window != serviceWindow_) return;
  const bool stopped = StopBoardTest(closed.window);
  switch (closed.window) {
    case ServiceWindow::Calibration:
      if (closed.accepted) SaveCalibration(closed);
      // The board may have taken kappas of its own: it gets the kept ones back.
      else if (calibrationRan_) SendCalibrationConstants();
      WriteLog("fine calibrazione\r\n");
      break;
    case ServiceWindow::Memorised:
      if (!stopped) {
        operator_.Beep();
        operator_.ShowMessage("Termine Memorizzato non accettato!");
      }
      break;
    case ServiceWindow::Encoder:
      if (!stopped) operator_.Beep();
      break;
    case ServiceWindow::EmptyCups: WriteLog("fine controllo tazze\r\n"); break;
    case ServiceWindow::Magnets: WriteLog("fine test magneti\r\n"); break;
    case ServiceWindow::Oscilloscope:
      if (closed.accepted) SaveOscilloscope(closed);
      if (!stopped) operator_.ShowMessage("Fine funzione oscilloscopio... non eseguita!");
      break;
    default: break;
  }
  serviceWindow_ = ServiceWindow::None;
  st_.serviceMode = 0;
  st_.pollDivider = kPollEvery;
}

void Supervisor::EndServiceSession() {
  if (serviceWindow_ == ServiceWindow::None) return;
  StopBoardTest(serviceWindow_);
  if (serviceWindows_) serviceWindows_->Close();
  serviceWindow_ = ServiceWindow::None;
  st_.serviceMode = 0;
}

void Supervisor::SaveCalibration(const service::ServiceClosed& closed) {
  for (int l = 1; l <= service::kLines; ++l)
    if (auto k = service::KappaValue(closed.kappas[static_cast<std::size_t>(l - 1)])) config_.kpeso[l] = *k;
  store::SaveConfiguration(config_, store_, workDir_, [this](const std::string& m) { operator_.ShowMessage(m); });
  SendCalibrationConstants();
}

void Supervisor::SendCalibrationConstants() {
  std::array<int, service::kLines> kappas{};
  for (int l = 1; l <= service::kLines; ++l) kappas[static_cast<std::size_t>(l - 1)] = config_.kpeso[l];
  // Newer boards take the constants alone; older ones with the installation.
  if (st_.boardType >= 3)
    SetPendingCalibration(service::CalibrationConstants(kappas));
  else
    st_.reinitRequest = true;
}

void Supervisor::SaveOscilloscope(const service::ServiceClosed& closed) {
  config_.zeroencoder = closed.phase;
  for (int l = 1; l <= service::kLines; ++l) {
    const auto i = static_cast<std::size_t>(l - 1);
    config_.inenc[l] = service::NumberOf(closed.windowStart[i]).value_or(config_.inenc[l]);
    config_.fienc[l] = service::NumberOf(closed.windowEnd[i]).value_or(config_.fienc[l]);
  }
  store::SaveConfiguration(config_, store_, workDir_, [this](const std::string& m) { operator_.ShowMessage(m); });
  st_.reinitRequest = true;
}

}  // namespace kv7::supervisor
