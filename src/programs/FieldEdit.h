#pragma once
// A text field of the program editor. It holds at most its width in
// characters; typing into a full field overwrites the character after the
// caret instead of being refused. Weight fields also run the editor's leave
// rule when they lose the focus.

#include <QLineEdit>

#include <functional>

namespace kv7::programs {

class FieldEdit : public QLineEdit {
 public:
  FieldEdit(const QString& name, int width, QWidget* parent);

  void SetWidth(int width) { setMaxLength(width); }
  // Run when the field loses the focus (the weight fields' leave rule).
  void OnLeave(std::function<void()> leave) { leave_ = std::move(leave); }
  void Leave() {
    if (leave_) leave_();
  }

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;

 private:
  std::function<void()> leave_;
};

}  // namespace kv7::programs
