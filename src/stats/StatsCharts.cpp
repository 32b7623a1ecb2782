#include "stats/StatsCharts.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QLineSeries>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace kv7::stats {
namespace {

// The same colour for a quality in every chart.
const QColor kColours[] = {QColor(0x0f, 0x3a, 0x66), QColor(0x2e, 0x7d, 0x32), QColor(0xf9, 0xa8, 0x25),
                           QColor(0x6a, 0x1b, 0x9a), QColor(0xb7, 0x1c, 0x1c)};

QChart* NewChart(QChartView* view) {
  view->setRenderHint(QPainter::Antialiasing);
  view->setFocusPolicy(Qt::NoFocus);
  auto* chart = new QChart;
  chart->setAnimationOptions(QChart::NoAnimation);
  chart->setMargins(QMargins(2, 2, 2, 2));
  chart->legend()->setAlignment(Qt::AlignBottom);
  view->setChart(chart);
  view->setMinimumSize(240, 180);
  return chart;
}

// Drops the chart's series and axes before it is drawn afresh.
void Reset(QChart* chart) {
  chart->removeAllSeries();
  for (QAbstractAxis* axis : chart->axes()) {
    chart->removeAxis(axis);
    delete axis;
  }
}

void Attach(QChart* chart, QAbstractSeries* series, const QStringList& categories, double top) {
  chart->addSeries(series);
  auto* x = new QBarCategoryAxis;
  x->setCategories(categories);
  auto* y = new QValueAxis;
  y->setLabelFormat("%.0f");
  y->setRange(0, top);
  chart->addAxis(x, Qt::AlignBottom);
  chart->addAxis(y, Qt::AlignLeft);
  series->attachAxis(x);
  series->attachAxis(y);
}

QBarSet* FindSet(const QChart* chart, int i) {
  if (chart->series().isEmpty()) return nullptr;
  const auto* bars = qobject_cast<QAbstractBarSeries*>(chart->series().first());
  return bars && i >= 0 && i < bars->count() ? bars->barSets().at(i) : nullptr;
}

// A scale in steps of 5 % that the tallest bar nearly fills.
double Top(double highest) {
  return std::clamp(std::ceil(highest / 5.0) * 5.0, 5.0, 100.0);
}

}  // namespace

QualitySharesChart::QualitySharesChart(QWidget* parent) : QChartView(parent) {
  setObjectName("QualitySharesChart");
  NewChart(this);
}

void QualitySharesChart::Show(const Statistics& s, const QStringList& names) {
  Reset(chart());
  auto* series = new QStackedBarSeries;
  QStringList groups;
  for (const auto& g : s.groups) groups << QString::fromStdString(g.key);
  for (int i = 0; i < kShares; ++i) {
    auto* set = new QBarSet(names.value(i));
    set->setColor(kColours[i]);
    for (const auto& g : s.groups) set->append(g.QualityShare(i));
    series->append(set);
  }
  Attach(chart(), series, groups, 100);
}

double QualitySharesChart::Share(int i, int g) const {
  const QBarSet* set = FindSet(chart(), i);
  return set && g >= 0 && g < set->count() ? set->at(g) : 0.0;
}

int QualitySharesChart::Groups() const {
  const QBarSet* set = FindSet(chart(), 0);
  return set ? set->count() : 0;
}

ClassDistributionChart::ClassDistributionChart(QWidget* parent) : QChartView(parent) {
  setObjectName("ClassDistributionChart");
  NewChart(this);
}

void ClassDistributionChart::Show(const QString& title, const GroupFigures& g, const QStringList& names) {
  Reset(chart());
  auto* series = new QBarSeries;
  QStringList classes;
  for (int c = 1; c <= kClasses; ++c) classes << QString::number(c);
  double highest = 0;
  for (int q = 0; q < kQualities; ++q) {
    auto* set = new QBarSet(names.value(q));
    set->setColor(kColours[q]);
    for (int c = 0; c < kClasses; ++c) {
      set->append(g.ClassShare(q, c));
      highest = std::max(highest, g.ClassShare(q, c));
    }
    series->append(set);
  }
  Attach(chart(), series, classes, Top(highest));
  chart()->setTitle(title);
}

double ClassDistributionChart::Share(int q, int c) const {
  const QBarSet* set = FindSet(chart(), q);
  return set && c >= 0 && c < set->count() ? set->at(c) : 0.0;
}

WeeklyTrendChart::WeeklyTrendChart(QWidget* parent) : QChartView(parent) {
  setObjectName("WeeklyTrendChart");
  NewChart(this);
}

void WeeklyTrendChart::Show(const QString& title, const Statistics& weeks, const QStringList& names) {
  Reset(chart());
  QStringList labels;
  for (const auto& g : weeks.groups) labels << QString::fromStdString(g.key);
  double highest = 0;
  QList<QLineSeries*> lines;
  for (int i = 0; i < kShares; ++i) {
    auto* line = new QLineSeries;
    line->setName(names.value(i));
    line->setColor(kColours[i]);
    for (std::size_t w = 0; w < weeks.groups.size(); ++w) {
      const double share = weeks.groups[w].QualityShare(i);
      line->append(static_cast<double>(w), share);
      highest = std::max(highest, share);
    }
    lines << line;
  }
  Attach(chart(), lines.first(), labels, Top(highest));
  const auto axes = chart()->axes();
  for (int i = 1; i < lines.size(); ++i) {
    chart()->addSeries(lines[i]);
    for (QAbstractAxis* axis : axes) lines[i]->attachAxis(axis);
  }
  chart()->setTitle(title);
}

void WeeklyTrendChart::Clear(const QString& title) {
  Reset(chart());
  chart()->setTitle(title);
}

int WeeklyTrendChart::Weeks() const {
  if (chart()->series().isEmpty()) return 0;
  const auto* line = qobject_cast<const QLineSeries*>(chart()->series().first());
  return line ? static_cast<int>(line->count()) : 0;
}

}  // namespace kv7::stats
