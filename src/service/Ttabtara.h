#pragma once
// "TABELLA TARA": the empty weight of every cup on every line, as the board
// keeps it. One row per cup of the chain; "Rinfresca" reads it again.

#include "service/ServiceDialog.h"

class QTableWidget;

namespace kv7::service {

class Ttabtara : public ServiceDialog {
  Q_OBJECT
 public:
  explicit Ttabtara(QWidget* parent = nullptr);
  void Show(const ServiceRecord& record) override;
  QTableWidget* Grid() const { return grid_; }

 protected:
  void Prepare(const ServiceOpening& opening) override;
  void changeEvent(QEvent* event) override;

 private:
  void SetCell(int row, int column, const QString& text);
  void RetranslateHeader();

  QTableWidget* grid_;
};

}  // namespace kv7::service
