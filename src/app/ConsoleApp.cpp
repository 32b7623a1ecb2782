#include "app/ConsoleApp.h"

#include <QApplication>
#include <QCloseEvent>
#include <QTimer>

#include "link/RejectErrorMap.h"
#include "link/cSrd12.h"
#include "reports/TImpCosti.h"
#include "stats/TStatistiche.h"
#include "store/SideFiles.h"
#include "ui/TAboutBox.h"
#include "ui/TErr_map.h"
#include "ui/THelp.h"

namespace kv7::app {

namespace {
// The pace of the watch under a box: the cycle's own tick.
constexpr std::chrono::milliseconds kWatchPeriod{100};

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
      gate_(window_),
      ownOperator_(op ? nullptr : std::make_unique<MessageBoxOperator>(&window_)),
      operator_(op ? *op : *ownOperator_, gate_),
      programWindows_(window_, gate_),
      batchWindows_(window_, gate_),
      reportWindows_(window_, gate_, workDir),
      priceWindows_(window_, gate_),
      serviceWindows_(window_, gate_),
      installationWindows_(window_, gate_),
      store_(store::ConfigStore::kDefaultRoot, store::ConfigStore::DefaultDirectory(),
             [this](const std::string& warning) { operator_.ShowMessage(warning); }),
      database_(std::move(dbParams)),
      liveWriter_(database_.Params()),
      supervisor_(std::make_unique<supervisor::Supervisor>(bridge_, operator_, store_, &database_, workDir)),
      errorMap_(new ui::TErr_map(&window_)),
      aboutBox_(new ui::TAboutBox(&window_)),
      costsWindow_(new reports::TImpCosti(&window_)),
      statsWindow_(new stats::TStatistiche(&window_)) {
  supervisor_->SetProgramWindows(&programWindows_);
  supervisor_->SetBatchWindows(&batchWindows_);
  supervisor_->SetReportWindows(&reportWindows_);
  supervisor_->SetPriceWindows(&priceWindows_);
  supervisor_->SetServiceWindows(&serviceWindows_);
  supervisor_->SetInstallationWindows(&installationWindows_);
  supervisor_->SetLiveSink(&liveWriter_);
  // The program parameters' OK carries a new weight unit to the batch editor.
  supervisor_->SetUnitsChangedHook([this](bool grams) { batchWindows_.SetUnits(grams); });
  // While the machine thread waits for the person, the machine stays watched.
  auto* sup = supervisor_.get();
  gate_.SetWatch(
      [this, sup] {
        if (machine_.OnMachineThread()) sup->WatchWhileWaiting();
      },
      kWatchPeriod);
  Wire();
}

ConsoleApp::~ConsoleApp() {
  // Nobody is left to answer: release a question the machine thread may be
  // waiting on, then let it run its shutdown and end.
  gate_.Close();
  machine_.Stop();
}

void ConsoleApp::OnWindowThread(std::function<void()> call) {
  QMetaObject::invokeMethod(this, std::move(call), Qt::QueuedConnection);
}

void ConsoleApp::StartMachine() {
  auto* sup = supervisor_.get();
  // Nothing ends the console abruptly: the machine thread stops in order
  // after this, and its stop closes the window.
  machine_.SetFailureHandler([sup](const std::string& what) { sup->UnexpectedError(what); });
  machine_.Start({
      [this, sup] {
        // A start that stopped ends the program the way closing it does.
        if (!sup->FormShow(Words(args_))) OnWindowThread([this] { window_.close(); });
      },
      [sup] { sup->Tick(); },
      [sup] { sup->FormClose(); },
      // The console closes for good once the links are closed, with any
      // window still open beside it (help, error map), so the program ends.
      [this] { OnWindowThread([] { QApplication::closeAllWindows(); }); },
  });
}

void ConsoleApp::WireCommand(void (ui::TMain::*signal)(), void (supervisor::Supervisor::*command)()) {
  auto* sup = supervisor_.get();
  connect(&window_, signal, this, [this, sup, command] { machine_.Post([sup, command] { (sup->*command)(); }); });
}

void ConsoleApp::Wire() {
  using ui::TMain;
  // The machine thread drives the cycle and the end-of-batch timer.
  window_.installEventFilter(this);
  connect(&window_, &TMain::FormShow, this, [this] { StartMachine(); });
  connect(&window_, &TMain::fine2Click, this, [this] {
    auto* sup = supervisor_.get();
    machine_.Post([this, sup] {
      sup->fine2();
      OnWindowThread([this] { window_.close(); });
    });
  });
  WireCommand(&TMain::Image2Click, &supervisor::Supervisor::Image2Click);
  // Grading programs.
  WireCommand(&TMain::Programma1Click, &supervisor::Supervisor::Programma1Click);
  WireCommand(&TMain::ModificaPU1Click, &supervisor::Supervisor::ModificaPU1Click);
  WireCommand(&TMain::Nuovo1Click, &supervisor::Supervisor::Nuovo1Click);
  WireCommand(&TMain::Modifica1Click, &supervisor::Supervisor::Modifica1Click);
  WireCommand(&TMain::Cancella1Click, &supervisor::Supervisor::Cancella1Click);
  WireCommand(&TMain::Programma2Click, &supervisor::Supervisor::Programma2Click);
  WireCommand(&TMain::Totali1Click, &supervisor::Supervisor::TotaliClick);
  WireCommand(&TMain::Start1Click, &supervisor::Supervisor::Start1);
  WireCosts();
  WireBatches();
  WireReports();
  WireStatistics();
  WireInstallation();
  WireService();
  WireCommand(&TMain::AggiornaTempiScarti1Click, &supervisor::Supervisor::AggiornaTempiScarti);
  // A language chosen by the operator redraws the totals in it.
  connect(&window_, &TMain::LanguageChosen, this, [this] {
    auto* sup = supervisor_.get();
    machine_.Post([sup] { sup->RefreshTotalsDisplay(); });
  });
  connect(&window_, &TMain::StatusBar1Click, this, [this] { ShowErrorMap(); });
  connect(&window_, &TMain::MappaerroriSRD121Click, this, [this] { ShowErrorMap(); });
  connect(&window_, &TMain::Informazioni1Click, this, [this] { ShowAboutBox(); });
  for (const char* entry : {"Totali1", "AggiornaTempiScarti1", "MappaerroriSRD121", "fine2", "Informazioni1",
                            "Programma1", "ModificaPU1", "Nuovo1", "Modifica1", "Cancella1", "Programma2"})
    window_.SetEntryAvailable(entry, true);
  // The operator guide, read afresh each time it is opened.
  connect(&window_, &TMain::Aiuto1Click, this, [this] {
    auto* help = new ui::THelp(&window_);
    help->setAttribute(Qt::WA_DeleteOnClose);
    help->Load();
    help->show();
  });
  window_.SetEntryAvailable("Aiuto1", true);
}

bool ConsoleApp::eventFilter(QObject* watched, QEvent* event) {
  // Closing the window (title bar, "Fine", SIGTERM) asks the machine thread
  // to stop: it ends the exchange in progress, closes the links and then
  // closes the window for good. Until then the window stays, so a question
  // the shutdown asks can still be answered.
  if (watched == &window_ && event->type() == QEvent::Close && machine_.Running()) {
    event->ignore();
    machine_.RequestStop();
    return true;
  }
  return QObject::eventFilter(watched, event);
}

void ConsoleApp::ShowAboutBox(bool modal) {
  auto* sup = supervisor_.get();
  machine_.Post([this, sup, modal] {
    const QString copyright = QString::fromStdString(sup->Config().copyrigth);
    const QString workDir = QString::fromStdString(sup->WorkDir().string());
    OnWindowThread([this, copyright, workDir, modal] {
      aboutBox_->Prepare({KV7_VERSION, "KV7 Campionatrice", "Programma Gestione Calibratrice", copyright}, copyright,
                         workDir);
      if (modal)
        aboutBox_->exec();
      else
        aboutBox_->show();
    });
  });
}

void ConsoleApp::WireCosts() {
  connect(&window_, &ui::TMain::Costi2Click, this, [this] { ShowCosts(); });
  connect(costsWindow_, &reports::TImpCosti::Saved, this, [this](const store::ProcessingCosts& costs) {
    auto* sup = supervisor_.get();
    machine_.Post([this, sup, costs] {
      // Written on the machine thread, which reads the file back at once.
      sup->SaveCosts(costs);
    });
  });
  for (const char* entry : {"Start1", "Costi2"}) window_.SetEntryAvailable(entry, true);
}

void ConsoleApp::ShowCosts(bool modal) {
  auto* sup = supervisor_.get();
  machine_.Post([this, sup, modal] {
    const store::ProcessingCosts costs = sup->Costs();
    OnWindowThread([this, costs, modal] {
      costsWindow_->SetCosts(costs);
      if (modal)
        costsWindow_->exec();
      else
        costsWindow_->show();
    });
  });
}

void ConsoleApp::ShowErrorMap(bool modal) {
  auto* sup = supervisor_.get();
  machine_.Post([this, sup, modal] {
    std::bitset<cSrd12::kErrorCodes> flags;
    if (cSrd12* station = sup->rejectStation()) flags = station->ErrorFlags();
    OnWindowThread([this, flags, modal] {
      errorMap_->SetEntries(RejectErrorTable(), flags);
      if (modal)
        errorMap_->exec();
      else
        errorMap_->show();
    });
  });
}

void ConsoleApp::WireBatches() {
  using supervisor::Supervisor;
  WireCommand(&ui::TMain::Dati1Click, &Supervisor::Dati1Click);
  WireCommand(&ui::TMain::Nuova1Click, &Supervisor::Nuova1Click);
  WireCommand(&ui::TMain::Modifica2Click, &Supervisor::Modifica2Click);
  WireCommand(&ui::TMain::Cancella2Click, &Supervisor::Cancella2Click);
  WireCommand(&ui::TMain::nuova2Click, &Supervisor::nuova2Click);
  WireCommand(&ui::TMain::Modifica3Click, &Supervisor::Modifica3Click);
  WireCommand(&ui::TMain::cancella3Click, &Supervisor::cancella3Click);
  auto* sup = supervisor_.get();
  connect(&window_, &ui::TMain::numBollaEnter, this, [this, sup](const QString& text) {
    machine_.Post([sup, t = text.toStdString()] { sup->numBollaEnter(t); });
  });
  connect(&window_, &ui::TMain::totPartitaEnter, this, [this, sup](const QString& text) {
    machine_.Post([sup, t = text.toStdString()] { sup->totPartitaEnter(t); });
  });
  for (const char* entry : {"Dati1", "Nuova1", "Modifica2", "Cancella2", "nuova2", "Modifica3", "cancella3"})
    window_.SetEntryAvailable(entry, true);
  WireLifecycle();
}

void ConsoleApp::WireLifecycle() {
  using supervisor::Supervisor;
  using ui::TMain;
  WireCommand(&TMain::Partita1Click, &Supervisor::Partita1Click);
  WireCommand(&TMain::ResetCentralina1Click, &Supervisor::ResetCentralina1Click);
  WireCommand(&TMain::exportfrom1Click, &Supervisor::exportfrom1Click);
  WireCommand(&TMain::esportagiornaliero1Click, &Supervisor::esportagiornaliero1Click);
  auto* sup = supervisor_.get();
  connect(&window_, &TMain::numBollaEdited, this, [this, sup](const QString& text) {
    machine_.Post([sup, t = text.toStdString()] { sup->numBollaEdited(t); });
  });
  connect(&window_, &TMain::totPartitaEdited, this, [this, sup](const QString& text) {
    machine_.Post([sup, t = text.toStdString()] { sup->totPartitaEdited(t); });
  });
  connect(&window_, &TMain::CheckStpTotPClick, this, [this, sup](bool checked) {
    machine_.Post([sup, checked] { sup->CheckStpTotPClick(checked); });
  });
  for (const char* entry : {"Partita1", "ResetCentralina1", "exportfrom1", "esportagiornaliero1"})
    window_.SetEntryAvailable(entry, true);
}

void ConsoleApp::WireReports() {
  using ui::TMain;
  using supervisor::Supervisor;
  WireCommand(&TMain::Stampa3Click, &Supervisor::Stampa3Click);
  WireCommand(&TMain::Stampa2Click, &Supervisor::Stampa2Click);
  WireCommand(&TMain::Stampa1Click, &Supervisor::Stampa1Click);
  WireCommand(&TMain::stampa4Click, &Supervisor::stampa4Click);
  WireCommand(&TMain::Azienda1Click, &Supervisor::Azienda1Click);
  WireCommand(&TMain::Listino1Click, &Supervisor::Listino1Click);
  WireCommand(&TMain::EstrattoConto1Click, &Supervisor::EstrattoConto1Click);
  for (const char* entry : {"Stampa3", "Stampa2", "Stampa1", "stampa4", "Azienda1", "Listino1", "EstrattoConto1"})
    window_.SetEntryAvailable(entry, true);
}

}  // namespace kv7::app
