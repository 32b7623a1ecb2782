#pragma once
// A figure the archive keeps as a whole number (declared weight, crates,
// pallets): its field takes digits, with blanks around and leading zeros
// ("00") as stored data and the board write them, and refuses anything else
// as it is typed or pasted, with a message. A figure never reaches the
// archive as 0 because its text was not a number.

#include <QObject>
#include <QPointer>
#include <QString>

class QLineEdit;
class QMessageBox;

namespace kv7::ui {

class WholeNumberField : public QObject {
  Q_OBJECT
 public:
  // Watches `field` for as long as it lives.
  static WholeNumberField* Attach(QLineEdit* field);
  // Digits with blanks around, or nothing: what the field takes.
  static bool IsWholeNumberText(const QString& text);
  // The message for a refused text.
  static QString RefusedMessage(const QString& text);

 private:
  explicit WholeNumberField(QLineEdit* field);
  void Refused();

  QLineEdit* field_;
  QString refused_;  // the text the last refusal was about
  QPointer<QMessageBox> box_;
};

}  // namespace kv7::ui
