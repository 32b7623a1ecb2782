#include "batches/TProduttori.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "batches/BatchMessages.h"
#include "batches/ProducerArchive.h"

namespace kv7::batches {

TProduttori::TProduttori(QWidget* parent) : QDialog(parent) {
  setObjectName("TProduttori");
  setModal(true);
  auto* grid = new QGridLayout(this);
  codeLabel_ = new QLabel(this);
  descriptionLabel_ = new QLabel(this);
  code_ = new QLineEdit(this);
  code_->setObjectName("Edit1");
  code_->setMaxLength(15);
  description_ = new QLineEdit(this);
  description_->setObjectName("Edit2");
  description_->setMaxLength(45);
  codeLabel_->setBuddy(code_);
  descriptionLabel_->setBuddy(description_);
  save_ = new QPushButton(this);
  save_->setObjectName("Button1");
  save_->setDefault(true);
  grid->addWidget(codeLabel_, 0, 0);
  grid->addWidget(code_, 0, 1);
  grid->addWidget(descriptionLabel_, 1, 0);
  grid->addWidget(description_, 1, 1);
  grid->addWidget(save_, 2, 1, Qt::AlignRight);
  connect(save_, &QPushButton::clicked, this, &TProduttori::Save);
  showError_ = [this](const QString& text) { QMessageBox::warning(this, windowTitle(), text); };
  RetranslateUi();
}

void TProduttori::RetranslateUi() {
  setWindowTitle(tr("Dato Produttore"));
  codeLabel_->setText(tr("codice produttore"));
  descriptionLabel_->setText(tr("descrizione produttore"));
  save_->setText(tr("Salva"));
}

void TProduttori::changeEvent(QEvent* e) {
  if (e->type() == QEvent::LanguageChange) RetranslateUi();
  QDialog::changeEvent(e);
}

void TProduttori::Fill(const std::string& code, const std::string& description) {
  code_->setText(QString::fromStdString(code));
  description_->setText(QString::fromStdString(description));
}

std::string TProduttori::Description() const {
  return description_->text().toStdString();
}

void TProduttori::Save() {
  auto n = ProducerNumber(code_->text().toStdString());
  if (!n) {
    showError_(BatchMessages::BadProducerCode(code_->text()));
    code_->setFocus();
    return;
  }
  number_ = *n;
  accept();
}

void TProduttori::showEvent(QShowEvent* e) {
  description_->setFocus();
  QDialog::showEvent(e);
}

}  // namespace kv7::batches
