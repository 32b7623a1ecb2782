#pragma once
// The three tests that only show what the board streams: load cells
// (`TTestCelle`), memorised net weights (`TTestMem`) and the encoder
// (`TTestEncoder`). They store nothing and send nothing but their closing.

#include <array>

#include "service/ServiceDialog.h"

namespace kv7::service {

class TTestCelle : public ServiceDialog {
  Q_OBJECT
 public:
  explicit TTestCelle(QWidget* parent = nullptr);
  void Show(const ServiceRecord& record) override;

 protected:
  void Prepare(const ServiceOpening& opening) override;

 private:
  std::array<QLineEdit*, kLines> cella_{};
};

class TTestMem : public ServiceDialog {
  Q_OBJECT
 public:
  explicit TTestMem(QWidget* parent = nullptr);
  void Show(const ServiceRecord& record) override;

 protected:
  void Prepare(const ServiceOpening& opening) override;

 private:
  std::array<QLineEdit*, kLines> ntazza_{}, tara_{}, netto_{};
};

class TTestEncoder : public ServiceDialog {
  Q_OBJECT
 public:
  explicit TTestEncoder(QWidget* parent = nullptr);
  void Show(const ServiceRecord& record) override;

 protected:
  void Prepare(const ServiceOpening& opening) override;

 private:
  QLineEdit* nGiro_;
  QLineEdit* valore_;
  std::array<QLineEdit*, 5> errore_{};
};

}  // namespace kv7::service
