#pragma once
// The running console: the main window, the supervisor logic behind it, the
// configuration store and the archive, wired together.

#include <QObject>
#include <QStringList>

#include <filesystem>
#include <memory>

#include "app/ConsoleBridge.h"
#include "store/ConfigStore.h"
#include "store/Database.h"
#include "supervisor/Supervisor.h"
#include "ui/TMain.h"

namespace kv7::ui {
class TErr_map;
class TAboutBox;
}

namespace kv7::app {

class ConsoleApp : public QObject {
  Q_OBJECT
 public:
  // `op` may be null: message boxes then. `args` are the command-line words
  // after the program name.
  ConsoleApp(QStringList args, std::filesystem::path workDir, supervisor::Operator* op = nullptr,
             store::DbParams dbParams = store::DbParams::FromEnvironment());
  ~ConsoleApp() override;

  ui::TMain& Window() { return window_; }
  supervisor::Supervisor& Supervisor() { return *supervisor_; }
  ConsoleBridge& Bridge() { return bridge_; }
  ui::TErr_map& ErrorMap() { return *errorMap_; }
  ui::TAboutBox& AboutBox() { return *aboutBox_; }

 public slots:
  // Shows the reject station's error map (modal unless told otherwise).
  void ShowErrorMap(bool modal = true);
  // The information box.
  void ShowAboutBox(bool modal = true);

 private:
  void Wire();

  QStringList args_;
  ui::TMain window_;
  ConsoleBridge bridge_;
  std::unique_ptr<supervisor::Operator> ownOperator_;
  supervisor::Operator* operator_;
  store::ConfigStore store_;
  store::Database database_;
  std::unique_ptr<supervisor::Supervisor> supervisor_;
  ui::TErr_map* errorMap_;
  ui::TAboutBox* aboutBox_;
};

}  // namespace kv7::app
