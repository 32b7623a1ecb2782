#pragma once
// The statistics window's charts: the quality shares of every group as
// stacked bars, the class distribution of one group, and a producer's
// weekly trend. Each is redrawn from a statistics value; the names of the
// series come translated from the window.

#include <QChartView>
#include <QStringList>

#include "stats/SeasonStatistics.h"

QT_BEGIN_NAMESPACE
class QBarCategoryAxis;
class QValueAxis;
QT_END_NAMESPACE

namespace kv7::stats {

// Q1..Q4 and the reject, stacked to 100 % per group.
class QualitySharesChart : public QChartView {
  Q_OBJECT
 public:
  explicit QualitySharesChart(QWidget* parent = nullptr);
  // `names`: the five series (qualities, then the reject).
  void Show(const Statistics& s, const QStringList& names);
  // The share drawn for series i of group g, for checks.
  double Share(int i, int g) const;
  int Groups() const;
};

// One group's weighted class distribution: a bar per class and quality.
class ClassDistributionChart : public QChartView {
  Q_OBJECT
 public:
  explicit ClassDistributionChart(QWidget* parent = nullptr);
  // `names`: the four qualities.
  void Show(const QString& title, const GroupFigures& g, const QStringList& names);
  double Share(int q, int c) const;  // q 0..3, c 0..14
};

// A producer's weeks: the share of each quality (and the reject) week by week.
class WeeklyTrendChart : public QChartView {
  Q_OBJECT
 public:
  explicit WeeklyTrendChart(QWidget* parent = nullptr);
  // `weeks` grouped by week; `names`: the five series.
  void Show(const QString& title, const Statistics& weeks, const QStringList& names);
  void Clear(const QString& title);
  int Weeks() const;
};

}  // namespace kv7::stats
