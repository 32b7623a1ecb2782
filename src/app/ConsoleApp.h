#pragma once
// The running console: the main window on the window thread, the supervisor
// on the machine thread, the configuration store and the archive, wired
// together. Window events become commands posted to the machine thread;
// the supervisor's screen updates come back as queued calls.

#include <QObject>
#include <QStringList>

#include <filesystem>
#include <functional>
#include <memory>

#include "app/BatchWindowsBridge.h"
#include "app/ConsoleBridge.h"
#include "app/InstallationWindowsBridge.h"
#include "app/PriceWindowsBridge.h"
#include "app/ProgramWindowsBridge.h"
#include "app/ReportWindowsBridge.h"
#include "app/ServiceWindowsBridge.h"
#include "app/WindowThreadGate.h"
#include "live/LiveWriter.h"
#include "store/ConfigStore.h"
#include "store/Database.h"
#include "supervisor/MachineThread.h"
#include "supervisor/Supervisor.h"
#include "ui/TMain.h"

namespace kv7::ui {
class TErr_map;
class TAboutBox;
}
namespace kv7::reports {
class TImpCosti;
}
namespace kv7::stats {
class TStatistiche;
}

namespace kv7::app {

class ConsoleApp : public QObject {
  Q_OBJECT
 public:
  // `op` may be null: message boxes then. It is always called on the window
  // thread. `args` are the command-line words after the program name.
  ConsoleApp(QStringList args, std::filesystem::path workDir, supervisor::Operator* op = nullptr,
             store::DbParams dbParams = store::DbParams::FromEnvironment());
  // Stops the machine thread if the window did not close first.
  ~ConsoleApp() override;

  ui::TMain& Window() { return window_; }
  // Only from the machine thread (a posted job), or once it has stopped.
  supervisor::Supervisor& Supervisor() { return *supervisor_; }
  ConsoleBridge& Bridge() { return bridge_; }
  ui::TErr_map& ErrorMap() { return *errorMap_; }
  ui::TAboutBox& AboutBox() { return *aboutBox_; }
  reports::TImpCosti& CostsWindow() { return *costsWindow_; }
  ProgramWindowsBridge& ProgramWindows() { return programWindows_; }
  ReportWindowsBridge& ReportWindows() { return reportWindows_; }
  PriceWindowsBridge& PriceWindows() { return priceWindows_; }
  // The service windows (calibration, diagnostic tests, tare table, oscilloscope).
  ServiceWindowsBridge& ServiceWindows() { return serviceWindows_; }
  // The installation window, the password window and the backup dialogs.
  InstallationWindowsBridge& InstallationWindows() { return installationWindows_; }
  // Batches, producers and the processing data.
  BatchWindowsBridge& BatchWindows() { return batchWindows_; }
  // Bolle -> Statistiche.
  stats::TStatistiche& StatsWindow() { return *statsWindow_; }

  // Runs `job` on the machine thread between ticks.
  void Post(std::function<void()> job) { machine_.Post(std::move(job)); }
  // The machine thread has run its shutdown and ended.
  bool MachineStopped() const { return machine_.Stopped(); }

 public slots:
  // Shows the reject station's error map (modal unless told otherwise),
  // once the machine thread has read the station's flags.
  void ShowErrorMap(bool modal = true);
  // The information box.
  void ShowAboutBox(bool modal = true);
  // The cost window with the costs the supervisor holds; "Salva" writes
  // "w83.cst" and has the supervisor take the new figures.
  void ShowCosts(bool modal = true);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Wire();
  void WireCommand(void (ui::TMain::*signal)(), void (supervisor::Supervisor::*command)());
  void StartMachine();
  // Runs `call` on the window thread, after the calls queued before it.
  void OnWindowThread(std::function<void()> call);

  QStringList args_;
  ui::TMain window_;
  ConsoleBridge bridge_;
  WindowThreadGate gate_;
  std::unique_ptr<supervisor::Operator> ownOperator_;
  WindowThreadOperator operator_;
  ProgramWindowsBridge programWindows_;
  BatchWindowsBridge batchWindows_;
  // The printed pages and the company header window.
  ReportWindowsBridge reportWindows_;
  PriceWindowsBridge priceWindows_;
  // The service windows and the "Assistenza" menu (ConsoleService.cpp).
  ServiceWindowsBridge serviceWindows_;
  void WireService();
  // Installation, its backup and the archive resets (ConsoleInstallation.cpp).
  InstallationWindowsBridge installationWindows_;
  void WireInstallation();
  store::ConfigStore store_;
  store::Database database_;
  // The live row for the office view, on its own thread and connection.
  live::LiveWriter liveWriter_;
  std::unique_ptr<supervisor::Supervisor> supervisor_;
  supervisor::MachineThread machine_;
  ui::TErr_map* errorMap_;
  ui::TAboutBox* aboutBox_;
  reports::TImpCosti* costsWindow_;
  void WireCosts();
  // The statistics window, fed from the machine thread (ConsoleStatistics.cpp).
  stats::TStatistiche* statsWindow_;
  void WireStatistics();
  void ShowStatistics();
  void WireBatches();
  void WireReports();
  void WireLifecycle();
};

}  // namespace kv7::app
