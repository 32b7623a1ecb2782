#pragma once
// Enter (Return or keypad Enter) in a field runs the field's own rule and
// goes no further: it never presses the window's default button.

#include <QEvent>
#include <QKeyEvent>
#include <QObject>

#include <functional>

namespace kv7::batches {

class EnterKey : public QObject {
 public:
  EnterKey(QObject* field, std::function<void()> action) : QObject(field), action_(std::move(action)) {
    field->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (e->type() == QEvent::KeyPress) {
      const int key = static_cast<QKeyEvent*>(e)->key();
      if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        action_();
        return true;
      }
    }
    return QObject::eventFilter(watched, e);
  }

 private:
  std::function<void()> action_;
};

}  // namespace kv7::batches
