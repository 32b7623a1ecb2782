#include "service/ServiceDialog.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/TranslatedText.h"

namespace kv7::service {

ServiceDialog::ServiceDialog(QWidget* parent, ServiceWindow kind) : QDialog(parent), kind_(kind) {
  setModal(true);
}

void ServiceDialog::Open(const ServiceOpening& opening) {
  quiet_ = false;
  Prepare(opening);
  show();
  raise();
  activateWindow();
}

void ServiceDialog::CloseQuietly() {
  quiet_ = true;
  if (isVisible()) reject();
}

void ServiceDialog::done(int result) {
  // Once per showing: a second close of a hidden window posts nothing.
  if (!quiet_ && isVisible()) {
    ServiceClosed closed;
    closed.window = kind_;
    closed.accepted = result == QDialog::Accepted;
    FillClosing(closed);
    Post(closed);
  }
  QDialog::done(result);
}

void ServiceDialog::Post(const ServiceRequest& request) const {
  if (poster_) poster_(request);
}

void ServiceDialog::SetTitle(const char* source) {
  title_ = source;
  RetranslateTitle();
}

void ServiceDialog::RetranslateTitle() {
  setWindowTitle(QCoreApplication::translate(metaObject()->className(), title_));
}

QLabel* ServiceDialog::Text(const char* source) {
  auto* label = new QLabel(this);
  ui::SetSourceText(label, metaObject()->className(), QString::fromUtf8(source));
  return label;
}

QLabel* ServiceDialog::LineLabel(int line, QWidget* parent) {
  auto* label = new QLabel(parent);
  ui::SetSourceText(label, "kv7::service::ServiceDialog", QString::fromUtf8(QT_TRANSLATE_NOOP("kv7::service::ServiceDialog", "L %1")),
                    {QString::number(line)});
  return label;
}

QPushButton* ServiceDialog::Button(const char* source) {
  auto* button = new QPushButton(this);
  button->setAutoDefault(false);
  ui::SetSourceText(button, metaObject()->className(), QString::fromUtf8(source));
  return button;
}

QLineEdit* ServiceDialog::Field(const QString& name, bool editable) {
  auto* field = new QLineEdit(this);
  field->setObjectName(name);
  field->setReadOnly(!editable);
  field->setFocusPolicy(editable ? Qt::StrongFocus : Qt::NoFocus);
  field->setAlignment(Qt::AlignRight);
  field->setMaximumWidth(80);
  return field;
}

void ServiceDialog::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    RetranslateTitle();
    ui::RetranslateTexts(this);
  }
  QDialog::changeEvent(event);
}

}  // namespace kv7::service
