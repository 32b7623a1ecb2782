#include "programs/FieldEdit.h"

#include <QKeyEvent>

namespace kv7::programs {

FieldEdit::FieldEdit(const QString& name, int width, QWidget* parent) : QLineEdit(parent) {
  setObjectName(name);
  setMaxLength(width);
}

void FieldEdit::keyPressEvent(QKeyEvent* e) {
  const QString typed = e->text();
  const bool printable = !typed.isEmpty() && typed.at(0).isPrint() && !(e->modifiers() & Qt::ControlModifier);
  if (printable && !hasSelectedText() && text().size() >= maxLength() && cursorPosition() < text().size())
    setSelection(cursorPosition(), static_cast<int>(typed.size()));
  QLineEdit::keyPressEvent(e);
}

void FieldEdit::focusOutEvent(QFocusEvent* e) {
  Leave();
  QLineEdit::focusOutEvent(e);
}

}  // namespace kv7::programs
