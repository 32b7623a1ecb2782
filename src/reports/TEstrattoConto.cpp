#include "reports/TEstrattoConto.h"

#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kv7::reports {
namespace {

QDate ToQDate(const store::DbDateTime& d) {
  return QDate(d.year, d.month, d.day);
}

store::DbDateTime FromQDate(const QDate& d) {
  return store::DbDateTime{d.year(), d.month(), d.day()};
}

}  // namespace

TEstrattoConto::TEstrattoConto(QWidget* parent) : QDialog(parent) {
  setObjectName("TEstrattoConto");
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  producerLabel_ = new QLabel(this);
  fromLabel_ = new QLabel(this);
  toLabel_ = new QLabel(this);
  producers_ = new QComboBox(this);
  producers_->setObjectName("Produttore");
  from_ = new QDateEdit(this);
  from_->setObjectName("DataDa");
  from_->setCalendarPopup(true);
  to_ = new QDateEdit(this);
  to_->setObjectName("DataA");
  to_->setCalendarPopup(true);
  grid->addWidget(producerLabel_, 0, 0);
  grid->addWidget(producers_, 0, 1);
  grid->addWidget(fromLabel_, 1, 0);
  grid->addWidget(from_, 1, 1);
  grid->addWidget(toLabel_, 2, 0);
  grid->addWidget(to_, 2, 1);
  layout->addLayout(grid);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  print_ = new QPushButton(this);
  print_->setObjectName("Stampa");
  print_->setDefault(true);
  cancel_ = new QPushButton(this);
  cancel_->setObjectName("Annulla");
  connect(print_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  buttons->addWidget(print_);
  buttons->addWidget(cancel_);
  layout->addLayout(buttons);
  RetranslateUi();
}

void TEstrattoConto::RetranslateUi() {
  setWindowTitle(tr("Estratto conto stagione"));
  producerLabel_->setText(tr("Produttore"));
  fromLabel_->setText(tr("Dal"));
  toLabel_->setText(tr("Al"));
  print_->setText(tr("Stampa"));
  cancel_->setText(tr("Annulla"));
}

void TEstrattoConto::changeEvent(QEvent* e) {
  if (e->type() == QEvent::LanguageChange) RetranslateUi();
  QDialog::changeEvent(e);
}

void TEstrattoConto::Fill(const std::vector<std::pair<std::string, std::string>>& producers,
                          const store::DbDateTime& from, const store::DbDateTime& to) {
  producers_->clear();
  codes_.clear();
  for (const auto& [code, description] : producers) {
    codes_.push_back(code);
    producers_->addItem(QString::fromStdString(code + "  " + description));
  }
  from_->setDate(ToQDate(from));
  to_->setDate(ToQDate(to));
  producers_->setFocus();
}

std::string TEstrattoConto::Producer() const {
  const int i = producers_->currentIndex();
  return i >= 0 && std::size_t(i) < codes_.size() ? codes_[std::size_t(i)] : std::string();
}

store::DbDateTime TEstrattoConto::From() const {
  return FromQDate(from_->date());
}

store::DbDateTime TEstrattoConto::To() const {
  return FromQDate(to_->date());
}

}  // namespace kv7::reports
