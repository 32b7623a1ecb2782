#include "service/Ttabtara.h"

#include <QEvent>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kv7::service {

Ttabtara::Ttabtara(QWidget* parent) : ServiceDialog(parent, ServiceWindow::TareTable), grid_(new QTableWidget(this)) {
  setObjectName("Ttabtara");
  SetTitle(QT_TR_NOOP("TABELLA TARA"));
  grid_->setObjectName("StringGrid1");
  grid_->setColumnCount(kLines + 1);
  RetranslateHeader();
  grid_->verticalHeader()->setVisible(false);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  QPushButton* refresh = Button(QT_TR_NOOP("Rinfresca"));
  refresh->setObjectName("Button1");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(grid_, 1);
  layout->addWidget(refresh);
  connect(refresh, &QPushButton::clicked, this, [this] { Post(RefreshTareTable{}); });
  resize(460, 520);
}

void Ttabtara::RetranslateHeader() {
  QStringList heads{tr("N.")};
  for (int l = 1; l <= kLines; ++l) heads << QString::number(l);
  grid_->setHorizontalHeaderLabels(heads);
}

void Ttabtara::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) RetranslateHeader();
  ServiceDialog::changeEvent(event);
}

void Ttabtara::SetCell(int row, int column, const QString& text) {
  if (QTableWidgetItem* item = grid_->item(row, column))
    item->setText(text);
  else
    grid_->setItem(row, column, new QTableWidgetItem(text));
}

void Ttabtara::Prepare(const ServiceOpening& opening) {
  // As many rows as cups on the chain, however many that is.
  grid_->setRowCount(opening.cups);
  for (int cup = 1; cup <= opening.cups; ++cup) {
    SetCell(cup - 1, 0, QString::number(cup));
    for (int l = 1; l <= kLines; ++l) SetCell(cup - 1, l, "----");
  }
  grid_->setCurrentCell(0, 0);
  grid_->setFocus();
}

void Ttabtara::Show(const ServiceRecord& record) {
  const auto* table = std::get_if<TareTable>(&record);
  if (!table) return;
  const int rows = std::min(grid_->rowCount(), static_cast<int>(table->rows.size()));
  for (int r = 0; r < rows; ++r)
    for (int l = 1; l <= kLines; ++l)
      SetCell(r, l, QString::fromStdString(table->rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(l - 1)]));
}

}  // namespace kv7::service
