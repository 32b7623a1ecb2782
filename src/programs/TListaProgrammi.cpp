#include "programs/TListaProgrammi.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace kv7::programs {

TListaProgrammi::TListaProgrammi(QWidget* parent) : QDialog(parent) {
  setObjectName("TListaProgrammi");
  setWindowTitle(tr("Lista Programmi"));
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(tr("Selezionare il programma"), this));
  list_ = new QListWidget(this);
  list_->setObjectName("ListaBox");
  list_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  list_->setUniformItemSizes(true);
  layout->addWidget(list_);
  auto* count = new QHBoxLayout;
  count->addWidget(new QLabel(tr("Numero  Programmi"), this));
  numMax_ = new QLabel(this);
  numMax_->setObjectName("NumMax");
  numMax_->setFont(list_->font());
  count->addWidget(numMax_);
  count->addStretch();
  layout->addLayout(count);
  // A click picks; `activated` also comes with Enter on the current entry.
  connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* i) { Pick(list_->row(i)); });
  connect(list_, &QListWidget::activated, this, [this](const QModelIndex& i) { Pick(i.row()); });
}

void TListaProgrammi::SetPrograms(const ProgramLists& lists) {
  codes_ = lists.codes;
  selected_ = 0;
  QStringList lines;
  lines.reserve(lists.Count());
  for (const auto& e : lists.entries) lines << QString::fromStdString(e.Text());
  list_->clear();
  list_->addItems(lines);
  if (list_->count() > 0) list_->setCurrentRow(0);
  numMax_->setText(QString("%1").arg(lists.Count(), 4));
}

QString TListaProgrammi::NumMaxText() const {
  return numMax_->text();
}

void TListaProgrammi::Pick(int row) {
  if (row < 0 || row >= list_->count()) return;
  selected_ = row + 1;
  accept();
}

void TListaProgrammi::showEvent(QShowEvent* e) {
  selected_ = 0;
  list_->setFocus();
  QDialog::showEvent(e);
}

}  // namespace kv7::programs
