#pragma once
// Bolle -> Statistiche: the season's figures per producer, program, machine
// or week in a table with three charts, printed and saved as PDF through the
// reports' page code, exported as CSV in the language's separators. The
// window never reads the archive: "Aggiorna" asks for figures (Requested)
// and shows what comes back (Show); choosing a producer asks for that
// producer's weeks (TrendRequested, ShowTrend). Enter refreshes, Escape
// closes, the arrows move through the groups.

#include <QDialog>
#include <QString>

#include <filesystem>

#include "i18n/PrintFont.h"
#include "reports/ReportPages.h"
#include "stats/SeasonStatistics.h"

QT_BEGIN_NAMESPACE
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
QT_END_NAMESPACE

namespace kv7::reports {
class TPrint_boll;
}

namespace kv7::stats {

class QualitySharesChart;
class ClassDistributionChart;
class WeeklyTrendChart;

class TStatistiche : public QDialog {
  Q_OBJECT
 public:
  explicit TStatistiche(QWidget* parent = nullptr);

  // The period, grouping and producer in the controls.
  void SetQuery(const StatsQuery& q);
  // What the controls ask for: from the start of the first day to the end
  // of the last.
  StatsQuery Query() const;
  // The print font and where printing without a printer writes its file.
  void SetPrintSettings(const i18n::PrintSettings& font, const std::filesystem::path& workDir);

  // The figures shown, as a CSV file's text and as the printed page.
  std::string CsvText() const;
  reports::Page PrintedPage() const;
  // Writes CsvText() to `file`; false (and a message) when it cannot.
  bool ExportCsv(const QString& file);

  const Statistics& Shown() const { return shown_; }
  QDateEdit* Dal() const { return dal_; }
  QDateEdit* Al() const { return al_; }
  QComboBox* Raggruppa() const { return raggruppa_; }
  QLineEdit* Produttore() const { return produttore_; }
  QTableWidget* Griglia() const { return griglia_; }
  QPushButton* Aggiorna() const { return aggiorna_; }
  QualitySharesChart* SharesChart() const { return shares_; }
  ClassDistributionChart* ClassChart() const { return classes_; }
  WeeklyTrendChart* TrendChart() const { return trend_; }

 public slots:
  void Show(const kv7::stats::Statistics& s);
  void ShowTrend(const kv7::stats::Statistics& weeks);
  // The archive did not answer (the operator has been told why).
  void ShowUnavailable();

 signals:
  void Requested(const kv7::stats::StatsQuery& q);
  void TrendRequested(const kv7::stats::StatsQuery& q);

 protected:
  void changeEvent(QEvent* e) override;

 private:
  void RetranslateUi();
  void FillTable();
  void GroupChosen();
  void Print();
  void AskCsv();
  QStringList ShareNames() const;
  QString Figure(double v, int decimals) const;

  QDateEdit* dal_;
  QDateEdit* al_;
  QComboBox* raggruppa_;
  QLineEdit* produttore_;
  QLabel* dalLabel_;
  QLabel* alLabel_;
  QLabel* raggruppaLabel_;
  QLabel* produttoreLabel_;
  QLabel* stato_;
  QTableWidget* griglia_;
  QualitySharesChart* shares_;
  ClassDistributionChart* classes_;
  WeeklyTrendChart* trend_;
  QPushButton* aggiorna_;
  QPushButton* stampa_;
  QPushButton* csv_;
  QPushButton* chiudi_;
  reports::TPrint_boll* preview_ = nullptr;
  i18n::PrintSettings font_;
  std::filesystem::path workDir_;
  Statistics shown_;
  Statistics trendShown_;
  std::string trendProducer_;
};

}  // namespace kv7::stats
