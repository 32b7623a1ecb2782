#pragma once
// "Impostazione Costi": persons and hourly cost of three staff categories,
// typed in the current currency (the lire field of each is kept hidden and
// converted at the fixed rate), with the hourly and per-minute totals. On
// "Salva" the figures are taken back as the cost file's fields; the caller
// stores them.

#include <QDialog>

#include <array>

#include "reports/CostFigures.h"
#include "store/SideFiles.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace kv7::reports {

class TImpCosti : public QDialog {
  Q_OBJECT
 public:
  explicit TImpCosti(QWidget* parent = nullptr);

  // Shows the stored fields and their totals.
  void SetCosts(const store::ProcessingCosts& costs);
  // The fields as the cost file holds them: persons and lire per hour,
  // 0 for a field that is not a number.
  store::ProcessingCosts Costs() const;
  // The cost per minute in lire as the window shows it (0 when not a number).
  double CostPerMinute() const;

  QLineEdit* NPers(int i) const { return nPers_.at(static_cast<std::size_t>(i - 1)); }
  QLineEdit* CostoL(int i) const { return costoL_.at(static_cast<std::size_t>(i - 1)); }
  QLineEdit* CostoE(int i) const { return costoE_.at(static_cast<std::size_t>(i - 1)); }
  QLineEdit* CostoCompL() const { return costoCompL_; }
  QLineEdit* CostoCompE() const { return costoCompE_; }
  QLineEdit* CostoMinutoL() const { return costoMinutoL_; }
  QLineEdit* CostoMinutoE() const { return costoMinutoE_; }

 signals:
  // "Salva" with figures that fit the cost file.
  void Saved(const store::ProcessingCosts& costs);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void LireEdited(std::size_t i);
  void CurrencyEdited(std::size_t i);
  void Recompute();
  void Save();
  void RetranslateUi();

  std::array<QLineEdit*, kCategories> nPers_{};
  std::array<QLineEdit*, kCategories> costoL_{};
  std::array<QLineEdit*, kCategories> costoE_{};
  std::array<QLabel*, kCategories> categories_{};
  std::array<double, kCategories> persons_{};
  std::array<double, kCategories> lire_{};
  QLineEdit* costoCompL_;
  QLineEdit* costoCompE_;
  QLineEdit* costoMinutoL_;
  QLineEdit* costoMinutoE_;
  QLabel* personsHead_;
  QLabel* costHead_;
  QLabel* hourlyCaption_;
  QLabel* minuteCaption_;
  QPushButton* salva_;
  QPushButton* annulla_;
};

}  // namespace kv7::reports
