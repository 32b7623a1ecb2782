#pragma once
// "Password Accesso Servizio": one edit and "Entra", which closes the window
// with OK when something was typed and with Cancel when the edit is empty.
// The edit is emptied before each use and takes the focus.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kv7::installation {

class Tpasswd : public QDialog {
  Q_OBJECT
 public:
  explicit Tpasswd(QWidget* parent = nullptr);

  // Empties the edit and shows the window modally.
  int Ask();
  QString Typed() const;
  QLineEdit* passwd() const { return passwd_; }
  QPushButton* Entra() const { return entra_; }

 protected:
  void changeEvent(QEvent* e) override;
  void showEvent(QShowEvent* e) override;

 private:
  void RetranslateUi();

  QLineEdit* passwd_;
  QPushButton* entra_;
  QLabel* label_;
};

}  // namespace kv7::installation
