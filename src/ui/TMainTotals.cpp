// The console's totals: every cell, production and cost from one picture of
// the supervisor, and the bar chart of the quality page shown.
#include <QLabel>
#include <QTabWidget>

#include "i18n/Numbers.h"
#include "ui/TMain.h"
#include "ui/TotalsChart.h"

namespace kv7::ui {
namespace {

void Put(QLabel* cell, const supervisor::Figure& f) {
  if (f.empty) {
    cell->clear();
    return;
  }
  cell->setText(TMain::FigureText(f));
}

}  // namespace

QString TMain::FigureText(const supervisor::Figure& f) {
  if (f.empty) return {};
  return i18n::FormatNumber(f.value, f.decimals).rightJustified(f.width, QLatin1Char(' '));
}

QWidget* TMain::BuildChart(QWidget* parent) {
  chart_ = new TotalsChart(parent);
  connect(pageControl1_, &QTabWidget::currentChanged, this, [this] { RedrawChart(); });
  return chart_;
}

void TMain::ShowTotals(const supervisor::TotalsView& view) {
  totals_ = view;
  for (int q = 1; q <= kQualities; ++q) {
    for (int c = 1; c <= kClasses; ++c) {
      Put(TotC(c, q), view.classTotal[q - 1][c - 1]);
      Put(TotP(c, q), view.classShare[q - 1][c - 1]);
    }
  }
  for (int q = 1; q <= 5; ++q) {
    Put(LavoratoQ(q), view.qualityTotal[q - 1]);
    Put(LavoratoPQ(q), view.qualityShare[q - 1]);
  }
  Put(totaleG_, view.grandTotal);
  costPerKg_.reset();
  RetranslateTotals();
  RedrawChart();
}

void TMain::RetranslateTotals() {
  if (!totals_) return;
  if (totals_->production) {
    const QString rate = i18n::FormatNumber(static_cast<double>(*totals_->production), 0);
    production_->setText(tr("Produzione oraria = %1 ql/h").arg(rate.rightJustified(4, QLatin1Char(' '))));
    production_->show();
  }
  ShowCost();
}

void TMain::ShowCostPerKg(const supervisor::TotalsView::Cost& cost) {
  costPerKg_ = cost;
  ShowCost();
}

void TMain::ShowCost() {
  if (costPerKg_) {
    costo_->setText(tr("Costo al Kg. L. %1 %2")
                        .arg(i18n::FormatNumber(static_cast<double>(costPerKg_->amount), 0), 6)
                        .arg(i18n::FormatNumber(costPerKg_->perKg, 3), 10));
  } else if (totals_ && totals_->cost) {
    costo_->setText(tr("Costo L. %1   al Kg. L. %2 (%3)")
                        .arg(i18n::FormatNumber(static_cast<double>(totals_->cost->amount), 0),
                             i18n::FormatNumber(totals_->cost->perKg, 0),
                             i18n::FormatNumber(totals_->cost->perKgCurrency, 3)));
  } else {
    costo_->clear();
  }
}

void TMain::RedrawChart() {
  if (!chart_) return;
  const int q = pageControl1_->currentIndex() + 1;
  if (q < 1 || q > kQualities) return;
  QStringList names;
  for (int c = 1; c <= kClasses; ++c) names << NomeCal(c, q)->text();
  const std::array<supervisor::Figure, kClasses> none{};
  chart_->Show(tr("Qualità %1: % per calibro").arg(q), names, totals_ ? totals_->classShare[q - 1] : none);
}

}  // namespace kv7::ui
