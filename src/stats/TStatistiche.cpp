#include "stats/TStatistiche.h"

#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include "i18n/LanguageModules.h"
#include "i18n/Numbers.h"
#include "reports/PageOutput.h"
#include "stats/StatsCharts.h"
#include "stats/StatsPageData.h"
#include "stats/StatsTable.h"
#include "store/FileIo.h"

namespace kv7::stats {
namespace {

constexpr int kFixedColumns = 10;  // group .. reject share
constexpr int kValueColumn = kFixedColumns;
constexpr int kColumns = kFixedColumns + 2;

QDate DateOf(const store::DbDateTime& d) {
  return QDate(d.year, d.month, d.day);
}

store::DbDateTime DayAt(const QDate& d, int hour, int minute, int second) {
  return {d.year(), d.month(), d.day(), hour, minute, second};
}

QTableWidgetItem* Cell(const QString& text, bool number) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
  if (number) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return item;
}

}  // namespace

TStatistiche::TStatistiche(QWidget* parent) : QDialog(parent) {
  setObjectName("TStatistiche");
  dal_ = new QDateEdit(this);
  dal_->setObjectName("Dal");
  dal_->setCalendarPopup(true);
  al_ = new QDateEdit(this);
  al_->setObjectName("Al");
  al_->setCalendarPopup(true);
  raggruppa_ = new QComboBox(this);
  raggruppa_->setObjectName("Raggruppa");
  for (int i = 0; i < 4; ++i) raggruppa_->addItem(QString(), i);
  produttore_ = new QLineEdit(this);
  produttore_->setObjectName("Produttore");
  produttore_->setMaxLength(5);
  dalLabel_ = new QLabel(this);
  alLabel_ = new QLabel(this);
  raggruppaLabel_ = new QLabel(this);
  produttoreLabel_ = new QLabel(this);
  dalLabel_->setBuddy(dal_);
  alLabel_->setBuddy(al_);
  raggruppaLabel_->setBuddy(raggruppa_);
  produttoreLabel_->setBuddy(produttore_);
  stato_ = new QLabel(this);
  stato_->setObjectName("Stato");

  griglia_ = new QTableWidget(0, kColumns, this);
  griglia_->setObjectName("Griglia");
  griglia_->setSelectionBehavior(QAbstractItemView::SelectRows);
  griglia_->setSelectionMode(QAbstractItemView::SingleSelection);
  griglia_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  griglia_->verticalHeader()->hide();
  griglia_->setTabKeyNavigation(false);
  shares_ = new QualitySharesChart(this);
  classes_ = new ClassDistributionChart(this);
  trend_ = new WeeklyTrendChart(this);

  aggiorna_ = new QPushButton(this);
  aggiorna_->setObjectName("Aggiorna");
  aggiorna_->setDefault(true);
  stampa_ = new QPushButton(this);
  stampa_->setObjectName("Stampa");
  stampa_->setAutoDefault(false);
  csv_ = new QPushButton(this);
  csv_->setObjectName("Csv");
  csv_->setAutoDefault(false);
  chiudi_ = new QPushButton(this);
  chiudi_->setObjectName("Chiudi");
  chiudi_->setAutoDefault(false);

  auto* filters = new QHBoxLayout;
  for (QWidget* w : std::initializer_list<QWidget*>{dalLabel_, dal_, alLabel_, al_, raggruppaLabel_, raggruppa_,
                                                    produttoreLabel_, produttore_, aggiorna_})
    filters->addWidget(w);
  filters->addStretch();
  auto* charts = new QSplitter(Qt::Horizontal, this);
  charts->addWidget(shares_);
  charts->addWidget(classes_);
  charts->addWidget(trend_);
  auto* body = new QSplitter(Qt::Vertical, this);
  body->addWidget(griglia_);
  body->addWidget(charts);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(stato_, 1);
  for (QPushButton* b : {stampa_, csv_, chiudi_}) buttons->addWidget(b);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(filters);
  layout->addWidget(body, 1);
  layout->addLayout(buttons);
  setTabOrder(dal_, al_);
  setTabOrder(al_, raggruppa_);
  setTabOrder(raggruppa_, produttore_);
  setTabOrder(produttore_, griglia_);
  resize(1100, 720);

  connect(aggiorna_, &QPushButton::clicked, this, [this] {
    stato_->clear();
    emit Requested(Query());
  });
  connect(griglia_, &QTableWidget::itemSelectionChanged, this, [this] { GroupChosen(); });
  connect(stampa_, &QPushButton::clicked, this, [this] { Print(); });
  connect(csv_, &QPushButton::clicked, this, [this] { AskCsv(); });
  connect(chiudi_, &QPushButton::clicked, this, &QDialog::reject);
  SetQuery(SeasonQuery(store::DbDateTime::LocalNow()));
  RetranslateUi();
}

void TStatistiche::SetQuery(const StatsQuery& q) {
  const QDate today = QDate::currentDate();
  dal_->setDate(q.from ? DateOf(*q.from) : QDate(today.year(), 1, 1));
  al_->setDate(q.to ? DateOf(*q.to) : today);
  raggruppa_->setCurrentIndex(static_cast<int>(q.by));
  produttore_->setText(QString::fromStdString(q.producer));
}

StatsQuery TStatistiche::Query() const {
  StatsQuery q;
  q.from = DayAt(dal_->date(), 0, 0, 0);
  q.to = DayAt(al_->date(), 23, 59, 59);
  q.by = static_cast<Grouping>(raggruppa_->currentData().toInt());
  q.producer = produttore_->text().trimmed().toStdString();
  return q;
}

void TStatistiche::SetPrintSettings(const i18n::PrintSettings& font, const std::filesystem::path& workDir) {
  font_ = font;
  workDir_ = workDir;
}

QString TStatistiche::Figure(double v, int decimals) const {
  return i18n::FormatNumber(v, decimals);
}

QStringList TStatistiche::ShareNames() const {
  return {tr("Qualita 1"), tr("Qualita 2"), tr("Qualita 3"), tr("Qualita 4"), tr("Scarto")};
}

void TStatistiche::Show(const Statistics& s) {
  shown_ = s;
  trendShown_ = {};
  trendProducer_.clear();
  FillTable();
  shares_->Show(s, ShareNames());
  stato_->setText(s.groups.empty() ? tr("Nessuna bolla nel periodo") : QString());
  if (griglia_->rowCount() > 0) griglia_->selectRow(0);
  GroupChosen();
}

void TStatistiche::FillTable() {
  griglia_->setRowCount(0);
  const bool values = shown_.HasValues();
  griglia_->setColumnHidden(kValueColumn, !values);
  griglia_->setColumnHidden(kValueColumn + 1, !values);
  griglia_->setColumnHidden(1, shown_.query.by != Grouping::Producer);
  std::vector<const GroupFigures*> rows;
  for (const auto& g : shown_.groups) rows.push_back(&g);
  if (!rows.empty()) rows.push_back(&shown_.total);
  griglia_->setRowCount(static_cast<int>(rows.size()));
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    const GroupFigures& g = *rows[std::size_t(r)];
    const bool total = &g == &shown_.total;
    griglia_->setItem(r, 0, Cell(total ? tr("Totale") : QString::fromStdString(g.key), false));
    griglia_->setItem(r, 1, Cell(QString::fromStdString(g.label), false));
    griglia_->setItem(r, 2, Cell(Figure(static_cast<double>(g.batches), 0), true));
    griglia_->setItem(r, 3, Cell(Figure(static_cast<double>(g.declaredKg), 0), true));
    griglia_->setItem(r, 4, Cell(Figure(g.SampledKg(), 1), true));
    for (int i = 0; i < kShares; ++i) griglia_->setItem(r, 5 + i, Cell(Figure(g.QualityShare(i), 2), true));
    griglia_->setItem(r, kValueColumn, Cell(g.value ? Figure(*g.value, 2) : QString(), true));
    griglia_->setItem(r, kValueColumn + 1, Cell(g.valuePerKg ? Figure(*g.valuePerKg, 3) : QString(), true));
  }
  griglia_->resizeColumnsToContents();
}

void TStatistiche::GroupChosen() {
  const int row = griglia_->currentRow();
  const bool isGroup = row >= 0 && row < static_cast<int>(shown_.groups.size());
  const GroupFigures& g = isGroup ? shown_.groups[std::size_t(row)] : shown_.total;
  const QString name = isGroup ? QString::fromStdString(g.key) : tr("Totale");
  classes_->Show(tr("Calibri: %1").arg(name), g, ShareNames());
  // The weeks of one producer: the one chosen in the table, or the one the
  // period is limited to when the table is already by week.
  std::string producer;
  if (shown_.query.by == Grouping::Producer && isGroup) producer = g.key;
  if (shown_.query.by == Grouping::Week) producer = shown_.query.producer;
  if (producer.empty()) {
    trend_->Clear(tr("Andamento settimanale: scegliere un produttore"));
    return;
  }
  if (shown_.query.by == Grouping::Week) {
    ShowTrend(shown_);
    return;
  }
  if (producer == trendProducer_) return;
  trendProducer_ = producer;
  StatsQuery weeks = shown_.query;
  weeks.by = Grouping::Week;
  weeks.producer = producer;
  emit TrendRequested(weeks);
}

void TStatistiche::ShowTrend(const Statistics& weeks) {
  // An answer for a producer no longer chosen is dropped.
  if (weeks.query.producer.empty() ||
      (shown_.query.by != Grouping::Week && weeks.query.producer != trendProducer_))
    return;
  trendShown_ = weeks;
  trend_->Show(tr("Andamento settimanale: %1").arg(QString::fromStdString(weeks.query.producer)), weeks,
               ShareNames());
}

void TStatistiche::ShowUnavailable() {
  stato_->setText(tr("Archivio non disponibile"));
}

std::string TStatistiche::CsvText() const {
  const i18n::CsvMarks marks = i18n::CsvSeparators();
  return TableText(shown_, marks.field, marks.decimal);
}

reports::Page TStatistiche::PrintedPage() const {
  return MakeStatsPage(shown_);
}

bool TStatistiche::ExportCsv(const QString& file) {
  if (const std::error_code e = store::WriteFileDurably(file.toStdString(), CsvText()); e) {
    QMessageBox::warning(this, windowTitle(),
                         tr("File CSV non scritto: %1").arg(QString::fromStdString(e.message())));
    return false;
  }
  stato_->setText(tr("Scritto %1").arg(file));
  return true;
}

void TStatistiche::AskCsv() {
  const QString start = QString::fromStdString((workDir_ / "statistiche.csv").string());
  const QString file = QFileDialog::getSaveFileName(this, tr("Esporta CSV"), start, tr("File CSV (*.csv)"));
  if (!file.isEmpty()) ExportCsv(file);
}

void TStatistiche::Print() {
  if (!preview_) {
    preview_ = new reports::TPrint_boll(this);
    preview_->SetWorkDir(workDir_);
  }
  preview_->Preview(PrintedPage(), font_);
}

void TStatistiche::changeEvent(QEvent* e) {
  if (e->type() == QEvent::LanguageChange) {
    RetranslateUi();
    if (!shown_.groups.empty()) Show(shown_);
  }
  QDialog::changeEvent(e);
}

void TStatistiche::RetranslateUi() {
  setWindowTitle(tr("Statistiche"));
  dalLabel_->setText(tr("&Dal:"));
  alLabel_->setText(tr("&Al:"));
  raggruppaLabel_->setText(tr("&Raggruppa per:"));
  produttoreLabel_->setText(tr("&Produttore:"));
  const QString groupings[] = {tr("Produttore"), tr("Programma"), tr("Macchina"), tr("Settimana")};
  for (int i = 0; i < 4; ++i) raggruppa_->setItemText(i, groupings[i]);
  aggiorna_->setText(tr("A&ggiorna"));
  stampa_->setText(tr("&Stampa"));
  csv_->setText(tr("&Esporta CSV"));
  chiudi_->setText(tr("&Chiudi"));
  const QLocale locale = i18n::CurrentLocale();
  dal_->setLocale(locale);
  al_->setLocale(locale);
  griglia_->setHorizontalHeaderLabels({tr("Gruppo"), tr("Nome"), tr("Bolle"), tr("Kg dichiarati"),
                                       tr("Kg campionati"), tr("Q1 %"), tr("Q2 %"), tr("Q3 %"), tr("Q4 %"),
                                       tr("Scarto %"), tr("Valore"), tr("Valore/Kg")});
}

}  // namespace kv7::stats
