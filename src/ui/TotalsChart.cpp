#include "ui/TotalsChart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace kv7::ui {

TotalsChart::TotalsChart(QWidget* parent) : QChartView(parent) {
  setObjectName("TotalsChart");
  setRenderHint(QPainter::Antialiasing);
  setFocusPolicy(Qt::NoFocus);
  auto* chart = new QChart;
  chart->legend()->hide();
  chart->setAnimationOptions(QChart::NoAnimation);
  chart->setMargins(QMargins(2, 2, 2, 2));
  bars_ = new QBarSet(QString());
  bars_->setColor(QColor(0x0f, 0x3a, 0x66));
  for (int c = 0; c < supervisor::TotalsView::kClasses; ++c) bars_->append(0.0);
  auto* series = new QBarSeries;
  series->append(bars_);
  series->setBarWidth(0.8);
  chart->addSeries(series);
  classes_ = new QBarCategoryAxis;
  percent_ = new QValueAxis;
  percent_->setLabelFormat("%.0f");
  percent_->setRange(0, 10);
  chart->addAxis(classes_, Qt::AlignBottom);
  chart->addAxis(percent_, Qt::AlignLeft);
  series->attachAxis(classes_);
  series->attachAxis(percent_);
  setChart(chart);
  setMinimumHeight(140);
}

void TotalsChart::Show(const QString& title, const QStringList& names,
                       const std::array<supervisor::Figure, supervisor::TotalsView::kClasses>& shares) {
  QStringList categories;
  double top = 0;
  for (int c = 0; c < supervisor::TotalsView::kClasses; ++c) {
    const QString name = c < names.size() ? names[c].trimmed() : QString();
    // The number keeps every category distinct when two classes share a name.
    categories << (name.isEmpty() ? QString::number(c + 1) : QString::number(c + 1) + '\n' + name);
    const auto& f = shares[static_cast<std::size_t>(c)];
    const double share = f.empty ? 0.0 : f.value;
    bars_->replace(c, share);
    top = std::max(top, share);
  }
  classes_->setCategories(categories);
  // A scale in steps of 5 % that the tallest bar nearly fills.
  percent_->setRange(0, std::clamp(std::ceil(top / 5.0) * 5.0, 5.0, 100.0));
  chart()->setTitle(title);
}

double TotalsChart::Share(int c) const {
  return c >= 1 && c <= bars_->count() ? bars_->at(c - 1) : 0.0;
}

}  // namespace kv7::ui
