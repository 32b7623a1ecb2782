// Bolle -> Statistiche on the console: the window opens at once on this
// season; every figure it shows is read on the machine thread and handed
// back as a value, so the window never waits on the archive.

#include <QPushButton>

#include "app/ConsoleApp.h"
#include "i18n/PrintFont.h"
#include "stats/TStatistiche.h"

namespace kv7::app {

void ConsoleApp::WireStatistics() {
  using stats::TStatistiche;
  auto* sup = supervisor_.get();
  connect(&window_, &ui::TMain::Statistiche1Click, this, [this] { ShowStatistics(); });
  connect(statsWindow_, &TStatistiche::Requested, this, [this, sup](const stats::StatsQuery& q) {
    machine_.Post([this, sup, q] {
      auto figures = sup->Statistiche(q);
      OnWindowThread([this, figures = std::move(figures)] {
        if (figures)
          statsWindow_->Show(*figures);
        else
          statsWindow_->ShowUnavailable();
      });
    });
  });
  connect(statsWindow_, &TStatistiche::TrendRequested, this, [this, sup](const stats::StatsQuery& q) {
    machine_.Post([this, sup, q] {
      auto weeks = sup->Statistiche(q);
      if (weeks) OnWindowThread([this, weeks = std::move(*weeks)] { statsWindow_->ShowTrend(weeks); });
    });
  });
  window_.SetEntryAvailable("Statistiche1", true);
}

void ConsoleApp::ShowStatistics() {
  auto* sup = supervisor_.get();
  statsWindow_->SetQuery(stats::SeasonQuery(store::DbDateTime::LocalNow()));
  statsWindow_->show();
  statsWindow_->raise();
  statsWindow_->activateWindow();
  machine_.Post([this, sup] {
    const auto font = i18n::PrintSettings::FromConfiguration(sup->Config());
    const auto workDir = sup->WorkDir();
    OnWindowThread([this, font, workDir] {
      statsWindow_->SetPrintSettings(font, workDir);
      statsWindow_->Aggiorna()->click();
    });
  });
}

}  // namespace kv7::app
