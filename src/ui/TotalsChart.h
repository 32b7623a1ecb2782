#pragma once
// The class distribution of one quality as bars: each class's share of the
// grand total, redrawn with every totals request. Seen from a distance, the
// shape tells the operator more at a glance than the sixty figures beside it.

#include <QChartView>
#include <QStringList>

#include <array>

#include "supervisor/TotalsView.h"

QT_BEGIN_NAMESPACE
class QBarSet;
class QBarCategoryAxis;
class QValueAxis;
QT_END_NAMESPACE

namespace kv7::ui {

class TotalsChart : public QChartView {
  Q_OBJECT
 public:
  explicit TotalsChart(QWidget* parent = nullptr);

  // `names` are the class names shown on the page (empty ones get the class
  // number); shares without a value (grand total 0) draw as 0.
  void Show(const QString& title, const QStringList& names,
            const std::array<supervisor::Figure, supervisor::TotalsView::kClasses>& shares);
  // The share drawn for class c (1..15), for checks.
  double Share(int c) const;

 private:
  QBarSet* bars_;
  QBarCategoryAxis* classes_;
  QValueAxis* percent_;
};

}  // namespace kv7::ui
