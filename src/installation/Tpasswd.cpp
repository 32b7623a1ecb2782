#include "installation/Tpasswd.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kv7::installation {

Tpasswd::Tpasswd(QWidget* parent) : QDialog(parent) {
  setObjectName("Tpasswd");
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  auto* row = new QHBoxLayout;
  label_ = new QLabel(this);
  passwd_ = new QLineEdit(this);
  passwd_->setObjectName("passwd");
  passwd_->setEchoMode(QLineEdit::Password);
  label_->setBuddy(passwd_);
  row->addWidget(label_);
  row->addWidget(passwd_);
  layout->addLayout(row);
  entra_ = new QPushButton(this);
  entra_->setObjectName("Entra");
  entra_->setDefault(true);
  layout->addWidget(entra_, 0, Qt::AlignRight);
  connect(entra_, &QPushButton::clicked, this,
          [this] { done(passwd_->text().isEmpty() ? QDialog::Rejected : QDialog::Accepted); });
  RetranslateUi();
}

int Tpasswd::Ask() {
  passwd_->clear();
  return exec();
}

QString Tpasswd::Typed() const { return passwd_->text(); }

void Tpasswd::RetranslateUi() {
  setWindowTitle(tr("Password Accesso Servizio"));
  label_->setText(tr("Password"));
  entra_->setText(tr("Entra"));
}

void Tpasswd::changeEvent(QEvent* e) {
  if (e->type() == QEvent::LanguageChange) RetranslateUi();
  QDialog::changeEvent(e);
}

void Tpasswd::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  passwd_->setFocus();
}

}  // namespace kv7::installation
