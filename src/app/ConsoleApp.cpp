#include "app/ConsoleApp.h"

#include <QTimer>

#include "link/RejectErrorMap.h"
#include "link/cSrd12.h"
#include "ui/TAboutBox.h"
#include "ui/TErr_map.h"

namespace kv7::app {

namespace {
std::vector<std::string> Words(const QStringList& list) {
  std::vector<std::string> out;
  for (const QString& s : list) out.push_back(s.toStdString());
  return out;
}
}  // namespace

ConsoleApp::ConsoleApp(QStringList args, std::filesystem::path workDir, supervisor::Operator* op,
                       store::DbParams dbParams)
    : args_(std::move(args)),
      bridge_(window_),
      ownOperator_(op ? nullptr : std::make_unique<MessageBoxOperator>(&window_)),
      operator_(op ? op : ownOperator_.get()),
      store_(store::ConfigStore::kDefaultRoot, store::ConfigStore::DefaultDirectory(),
             [this](const std::string& warning) { operator_->ShowMessage(warning); }),
      database_(std::move(dbParams)),
      supervisor_(std::make_unique<supervisor::Supervisor>(bridge_, *operator_, store_, &database_, workDir)),
      errorMap_(new ui::TErr_map(&window_)),
      aboutBox_(new ui::TAboutBox(&window_)) {
  Wire();
}

ConsoleApp::~ConsoleApp() = default;

void ConsoleApp::Wire() {
  using ui::TMain;
  auto* sup = supervisor_.get();
  connect(&window_, &TMain::FormShow, this, [this, sup] { sup->FormShow(Words(args_)); });
  connect(&window_, &TMain::Timer1Timer, this, [sup] { sup->Timer1Timer(); });
  connect(&window_, &TMain::Timer2Timer, this, [this, sup] {
    window_.Timer2()->stop();
    sup->Timer2Timer();
  });
  connect(&window_, &TMain::FormClose, this, [sup] { sup->FormClose(); });
  connect(&window_, &TMain::fine2Click, this, [this, sup] {
    sup->fine2();
    window_.close();
  });
  connect(&window_, &TMain::Image2Click, this, [sup] { sup->Image2Click(); });
  connect(&window_, &TMain::Totali1Click, this, [sup] { sup->TotaliClick(); });
  connect(&window_, &TMain::AggiornaTempiScarti1Click, this, [sup] { sup->AggiornaTempiScarti(); });
  connect(&window_, &TMain::StatusBar1Click, this, [this] { ShowErrorMap(); });
  connect(&window_, &TMain::MappaerroriSRD121Click, this, [this] { ShowErrorMap(); });
  connect(&window_, &TMain::Informazioni1Click, this, [this] { ShowAboutBox(); });
  for (const char* entry : {"Totali1", "AggiornaTempiScarti1", "MappaerroriSRD121", "fine2", "Informazioni1"})
    window_.SetEntryAvailable(entry, true);
  // No help file is installed with the console yet.
  window_.SetEntryAvailable("Aiuto1", false);
}

void ConsoleApp::ShowAboutBox(bool modal) {
  ui::TAboutBox::VersionBlock block{KV7_VERSION, "KV7 Campionatrice", "Programma Gestione Calibratrice",
                                    QString::fromStdString(supervisor_->Config().copyrigth)};
  aboutBox_->Prepare(block, QString::fromStdString(supervisor_->Config().copyrigth),
                     QString::fromStdString(supervisor_->WorkDir().string()));
  if (modal)
    aboutBox_->exec();
  else
    aboutBox_->show();
}

void ConsoleApp::ShowErrorMap(bool modal) {
  std::bitset<cSrd12::kErrorCodes> flags;
  if (cSrd12* station = supervisor_->rejectStation()) flags = station->ErrorFlags();
  errorMap_->SetEntries(RejectErrorTable(), flags);
  if (modal)
    errorMap_->exec();
  else
    errorMap_->show();
}

}  // namespace kv7::app
