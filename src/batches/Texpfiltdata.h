#pragma once
// "Esporta Bolle con filtro per DATA": the first and last date and time of
// the batches to export and whether the file starts with the column names.
// "ESPORTA" (or Enter) closes with OK, Escape cancels.

#include <QDialog>

#include "store/DbValue.h"

class QCheckBox;
class QDateTimeEdit;
class QLabel;
class QPushButton;

namespace kv7::batches {

class Texpfiltdata : public QDialog {
  Q_OBJECT
 public:
  explicit Texpfiltdata(QWidget* parent = nullptr);

  // Today from midnight to now, as the window opens.
  void Reset();
  store::DbDateTime From() const;
  store::DbDateTime To() const;
  bool Header() const;

  QDateTimeEdit* DataInizio() const { return from_; }
  QDateTimeEdit* DataFine() const { return to_; }
  QCheckBox* NomiCampi() const { return header_; }
  QPushButton* Esporta() const { return export_; }

 protected:
  void changeEvent(QEvent* e) override;

 private:
  void RetranslateUi();

  QLabel* fromLabel_;
  QLabel* toLabel_;
  QDateTimeEdit* from_;
  QDateTimeEdit* to_;
  QCheckBox* header_;
  QPushButton* export_;
};

}  // namespace kv7::batches
