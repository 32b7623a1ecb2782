#pragma once
// "Impostazione Azienda": the four company header lines printed on the
// reports, typed in one box (at most 96 characters, no word wrap). On
// "Salva" the lines are handed back; the caller stores them in "mb3.az".

#include <QDialog>

#include "store/SideFiles.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace kv7::reports {

class TImpAzienda : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kMaxChars = 96;

  explicit TImpAzienda(QWidget* parent = nullptr);

  void SetHeader(const store::CompanyHeader& header);
  // The first four lines of the box; missing lines are empty.
  store::CompanyHeader Header() const;
  QPlainTextEdit* RichEdit1() const { return edit_; }
  QPushButton* SaveButton() const { return save_; }

 signals:
  void Saved(const store::CompanyHeader& header);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void RetranslateUi();
  void Limit();

  QLabel* label_;
  QPlainTextEdit* edit_;
  QPushButton* save_;
  QPushButton* cancel_;
};

}  // namespace kv7::reports
