#include "batches/Texpfiltdata.h"

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kv7::batches {
namespace {

store::DbDateTime FromQt(const QDateTime& t) {
  const QDate d = t.date();
  const QTime h = t.time();
  return {d.year(), d.month(), d.day(), h.hour(), h.minute(), h.second()};
}

QDateTimeEdit* MakePicker(QWidget* parent, const char* name) {
  auto* picker = new QDateTimeEdit(parent);
  picker->setObjectName(name);
  picker->setDisplayFormat("dd/MM/yyyy HH:mm:ss");
  picker->setCalendarPopup(true);
  return picker;
}

}  // namespace

Texpfiltdata::Texpfiltdata(QWidget* parent) : QDialog(parent) {
  setObjectName("expfiltdata");
  setModal(true);
  from_ = MakePicker(this, "DateTimePicker1");
  to_ = MakePicker(this, "DateTimePicker2");
  fromLabel_ = new QLabel(this);
  toLabel_ = new QLabel(this);
  fromLabel_->setBuddy(from_);
  toLabel_->setBuddy(to_);
  header_ = new QCheckBox(this);
  header_->setObjectName("CheckBox1");
  export_ = new QPushButton(this);
  export_->setObjectName("Button1");
  export_->setDefault(true);
  connect(export_, &QPushButton::clicked, this, &QDialog::accept);

  auto* form = new QFormLayout;
  form->addRow(fromLabel_, from_);
  form->addRow(toLabel_, to_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(header_);
  layout->addWidget(export_);
  RetranslateUi();
  Reset();
}

void Texpfiltdata::Reset() {
  const QDateTime now = QDateTime::currentDateTime();
  from_->setDateTime(QDateTime(now.date(), QTime(0, 0)));
  to_->setDateTime(now);
  from_->setFocus();
}

store::DbDateTime Texpfiltdata::From() const { return FromQt(from_->dateTime()); }
store::DbDateTime Texpfiltdata::To() const { return FromQt(to_->dateTime()); }
bool Texpfiltdata::Header() const { return header_->isChecked(); }

void Texpfiltdata::RetranslateUi() {
  setWindowTitle(tr("Esporta Bolle con filtro per DATA"));
  fromLabel_->setText(tr("Data inizio"));
  toLabel_->setText(tr("Data Fine"));
  header_->setText(tr("Nomi campi"));
  export_->setText(tr("ESPORTA"));
}

void Texpfiltdata::changeEvent(QEvent* e) {
  if (e->type() == QEvent::LanguageChange) RetranslateUi();
  QDialog::changeEvent(e);
}

}  // namespace kv7::batches
