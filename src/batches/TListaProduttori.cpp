#include "batches/TListaProduttori.h"

#include <QEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace kv7::batches {

TListaProduttori::TListaProduttori(QWidget* parent) : QDialog(parent) {
  setObjectName("TListaProduttori");
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  label_ = new QLabel(this);
  layout->addWidget(label_);
  list_ = new QListWidget(this);
  list_->setObjectName("ListaBox");
  list_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  list_->setUniformItemSizes(true);
  layout->addWidget(list_);
  auto* count = new QHBoxLayout;
  countLabel_ = new QLabel(this);
  count->addWidget(countLabel_);
  numMax_ = new QLabel(this);
  numMax_->setObjectName("NumMax");
  numMax_->setFont(list_->font());
  count->addWidget(numMax_);
  count->addStretch();
  layout->addLayout(count);
  // A click picks; `activated` also comes with Enter on the current entry.
  connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* i) { Pick(list_->row(i)); });
  connect(list_, &QListWidget::activated, this, [this](const QModelIndex& i) { Pick(i.row()); });
  RetranslateUi();
}

void TListaProduttori::RetranslateUi() {
  setWindowTitle(tr("Lista Produttori"));
  label_->setText(tr("Selezionare il produttore"));
  countLabel_->setText(tr("Numero  Produttori"));
}

void TListaProduttori::changeEvent(QEvent* e) {
  if (e->type() == QEvent::LanguageChange) RetranslateUi();
  QDialog::changeEvent(e);
}

void TListaProduttori::SetProducers(std::vector<Producer> producers) {
  producers_ = std::move(producers);
  selected_.reset();
  QStringList lines;
  for (const auto& p : producers_) lines << QString::fromStdString(p.ListText());
  list_->clear();
  list_->addItems(lines);
  if (list_->count() > 0) list_->setCurrentRow(0);
  numMax_->setText(QString("%1").arg(producers_.size(), 4));
}

QString TListaProduttori::NumMaxText() const {
  return numMax_->text();
}

void TListaProduttori::Pick(int row) {
  if (row < 0 || row >= static_cast<int>(producers_.size())) return;
  selected_ = producers_[static_cast<std::size_t>(row)];
  accept();
}

void TListaProduttori::showEvent(QShowEvent* e) {
  selected_.reset();
  list_->setFocus();
  QDialog::showEvent(e);
}

}  // namespace kv7::batches
