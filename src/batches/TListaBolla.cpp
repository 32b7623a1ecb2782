#include "batches/TListaBolla.h"

#include <QCheckBox>
#include <QEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QStringListModel>
#include <QVBoxLayout>

#include <string_view>

#include "batches/ProducerArchive.h"

namespace kv7::batches {

TListaBolla::TListaBolla(QWidget* parent) : QDialog(parent) {
  setObjectName("TListaBolla");
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  label_ = new QLabel(this);
  layout->addWidget(label_);
  list_ = new QListView(this);
  list_->setObjectName("ListaBox");
  list_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  list_->setUniformItemSizes(true);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  model_ = new QStringListModel(this);
  list_->setModel(model_);
  layout->addWidget(list_);
  auto* bottom = new QHBoxLayout;
  countLabel_ = new QLabel(this);
  numMax_ = new QLabel(this);
  numMax_->setObjectName("NumMax");
  numMax_->setFont(list_->font());
  part_ = new QCheckBox(this);
  part_->setObjectName("Part");
  scart_ = new QCheckBox(this);
  scart_->setObjectName("Scart");
  scart_->setVisible(false);
  bottom->addWidget(countLabel_);
  bottom->addWidget(numMax_);
  bottom->addStretch();
  bottom->addWidget(part_);
  bottom->addWidget(scart_);
  layout->addLayout(bottom);
  resize(640, 480);
  // A click picks; `activated` also comes with Enter on the current entry.
  connect(list_, &QListView::clicked, this, [this](const QModelIndex& i) { Pick(i.row()); });
  connect(list_, &QListView::activated, this, [this](const QModelIndex& i) { Pick(i.row()); });
  RetranslateUi();
}

void TListaBolla::RetranslateUi() {
  setWindowTitle(tr("Lista Bolle"));
  label_->setText(tr("Selezionare la Bolla"));
  countLabel_->setText(tr("Numero  Bolle"));
  part_->setText(tr("Partita"));
  scart_->setText(tr("Scarto"));
  ShowEntries();
}

void TListaBolla::changeEvent(QEvent* e) {
  if (e->type() == QEvent::LanguageChange) RetranslateUi();
  QDialog::changeEvent(e);
}

void TListaBolla::SetBatches(const BatchList& list) {
  selected_.reset();
  numbers_.clear();
  for (const auto& item : list.items) numbers_.push_back(item.num);
  entries_ = list.items;
  ShowEntries();
  if (!entries_.empty()) list_->setCurrentIndex(model_->index(0));
  numMax_->setText(QString::fromStdString(list.NumMaxText()));
}

void TListaBolla::ShowEntries() {
  // A producer code no producer has ends the entry with a note the operator
  // reads in the language in force.
  const std::string_view note = kNewProducer;
  QStringList lines;
  lines.reserve(static_cast<qsizetype>(entries_.size()));
  for (const BatchListItem& entry : entries_) {
    const std::string& text = entry.text;
    if (!entry.newProducer || !text.ends_with(note)) {
      lines << QString::fromStdString(text);
      continue;
    }
    lines << QString::fromStdString(text.substr(0, text.size() - note.size())) + QLatin1Char(' ') +
             tr("<nuovo produttore>");
  }
  const int row = list_->currentIndex().row();
  model_->setStringList(lines);
  if (row >= 0) list_->setCurrentIndex(model_->index(row));
}

QString TListaBolla::NumMaxText() const {
  return numMax_->text();
}

QString TListaBolla::EntryText(int row) const {
  return model_->data(model_->index(row)).toString();
}

void TListaBolla::Pick(int row) {
  if (row < 0 || row >= Count()) return;
  selected_ = numbers_[static_cast<std::size_t>(row)];
  accept();
}

void TListaBolla::showEvent(QShowEvent* e) {
  selected_.reset();
  list_->setFocus();
  QDialog::showEvent(e);
}

}  // namespace kv7::batches
