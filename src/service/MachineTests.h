#pragma once
// The two tests whose buttons start something on the board: the empty-cup
// check (`TTestTazzeVuote`: a limit in grams and "Inizio") and the ejector
// magnet test (`TTestMagneti`: one outlet fired on the move or standing).

#include <array>

#include "service/ServiceDialog.h"

class QSpinBox;

namespace kv7::service {

class TTestTazzeVuote : public ServiceDialog {
  Q_OBJECT
 public:
  explicit TTestTazzeVuote(QWidget* parent = nullptr);
  void Show(const ServiceRecord& record) override;
  QSpinBox* UpDown1() const { return upDown_; }

 protected:
  void Prepare(const ServiceOpening& opening) override;

 private:
  std::array<QLineEdit*, kLines> nTazza_{}, valore_{};
  QLineEdit* limiteGr_;
  QSpinBox* upDown_;
  int multiplier_ = 0;
};

class TTestMagneti : public ServiceDialog {
  Q_OBJECT
 public:
  explicit TTestMagneti(QWidget* parent = nullptr);
  void Show(const ServiceRecord&) override {}

 protected:
  void Prepare(const ServiceOpening& opening) override;

 private:
  // One group: outlet field, its up-down and "Inizio".
  QWidget* Group(const char* title, bool dynamic);

  std::array<QLineEdit*, 2> outlet_{};  // dynamic, static
  std::array<QSpinBox*, 2> upDown_{};
};

}  // namespace kv7::service
