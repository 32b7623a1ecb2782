#include "ui/WholeNumberField.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>
#include <QValidator>

namespace kv7::ui {
namespace {

// Keeps the text it turned down, so that the field's refusal can name it
// (the field also refuses a key past its length limit, with no text).
class WholeNumberValidator : public QValidator {
 public:
  WholeNumberValidator(QObject* parent, QString& refused) : QValidator(parent), refused_(refused) {}
  State validate(QString& input, int&) const override {
    if (WholeNumberField::IsWholeNumberText(input)) return Acceptable;
    refused_ = input;
    return Invalid;
  }

 private:
  QString& refused_;
};

}  // namespace

WholeNumberField* WholeNumberField::Attach(QLineEdit* field) {
  return new WholeNumberField(field);
}

bool WholeNumberField::IsWholeNumberText(const QString& text) {
  static const QRegularExpression whole("^ *[0-9]* *$");
  return whole.match(text).hasMatch();
}

QString WholeNumberField::RefusedMessage(const QString& text) {
  return tr("\"%1\" non è un numero intero: il campo accetta solo numeri interi.").arg(text);
}

WholeNumberField::WholeNumberField(QLineEdit* field) : QObject(field), field_(field) {
  field->setValidator(new WholeNumberValidator(this, refused_));
  connect(field, &QLineEdit::inputRejected, this, &WholeNumberField::Refused);
}

void WholeNumberField::Refused() {
  if (refused_.isNull()) return;
  const QString text = refused_;
  refused_ = QString();
  if (box_) return;  // one message at a time
  // Not modal on the thread: the window it belongs to keeps running.
  box_ = new QMessageBox(QMessageBox::Warning, field_->window()->windowTitle(), RefusedMessage(text),
                         QMessageBox::Ok, field_->window());
  box_->setAttribute(Qt::WA_DeleteOnClose);
  box_->open();
}

}  // namespace kv7::ui
