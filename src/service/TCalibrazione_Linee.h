#pragma once
// "Calibrazione Linee": the six line constants (kappas), found by the board
// with a sample weight sent round the machine ("Inizia"/"Fine") or edited
// and nudged by hand; "Salva" closes with them, any other closing drops them.

#include <array>

#include "service/ServiceDialog.h"

class QProgressBar;

namespace kv7::service {

class TCalibrazione_Linee : public ServiceDialog {
  Q_OBJECT
 public:
  explicit TCalibrazione_Linee(QWidget* parent = nullptr);
  void Show(const ServiceRecord& record) override;
  bool Running() const { return running_; }

 protected:
  void Prepare(const ServiceOpening& opening) override;
  void FillClosing(ServiceClosed& closed) const override;

 private:
  QWidget* AutomaticGroup();
  QWidget* ManualGroup();
  QWidget* CorrectionGroup();
  void Start();
  void End();
  void Correct(int change);
  void SetRunning(bool on);

  QLineEdit* pesoCamp_;
  QProgressBar* animation_;
  QPushButton* save_ = nullptr;
  std::array<QLineEdit*, kLines> nPass_{}, kappa_{}, peso_{};
  std::array<QPushButton*, 4> corrections_{};
  int multiplier_ = 0;
  bool running_ = false;
};

}  // namespace kv7::service
