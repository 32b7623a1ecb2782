#pragma once
// "Funzione Oscilloscopio": the load-cell signal of one line, one frame per
// cup, drawn as two series (inside and outside the line's weighing window)
// shifted by the encoder phase; the cups seen so far; "Aggiorna" closes with
// the weighing windows and the phase for the installation.

#include <array>
#include <utility>

#include "service/ServiceDialog.h"
#include "service/TraceView.h"

class QCheckBox;
class QSpinBox;
class QChart;
class QLineSeries;
class QValueAxis;

namespace kv7::service {

class TTestOscilloscopio : public ServiceDialog {
  Q_OBJECT
 public:
  explicit TTestOscilloscopio(QWidget* parent = nullptr);
  void Show(const ServiceRecord& record) override;

  bool Capturing() const { return capturing_; }
  QLineSeries* Weighed() const { return weighed_; }
  QLineSeries* Rest() const { return rest_; }
  std::pair<double, double> VerticalRange() const;

 protected:
  void Prepare(const ServiceOpening& opening) override;
  void FillClosing(ServiceClosed& closed) const override;

 private:
  QWidget* ChartPart();
  QWidget* ControlPart();
  QWidget* WindowPart();
  QSpinBox* UpDown(const char* name, int low, int high);
  void CaptureClick();
  void SetCapturing(bool on);
  void TakeFrame(const TraceFrame& frame);
  void Redraw();
  void Zoom();
  void SetVertical(double low, double high);

  QChart* chart_ = nullptr;
  QLineSeries* weighed_ = nullptr;
  QLineSeries* rest_ = nullptr;
  QValueAxis* axisY_ = nullptr;
  QPushButton* capture_ = nullptr;
  QLineEdit* linea_;
  QLineEdit* limite_;
  QLineEdit* tazza_;
  QLineEdit* minimo_;
  QLineEdit* massimo_;
  QLineEdit* lordo_;
  QLineEdit* fase_;
  QLabel* copertura_ = nullptr;
  QCheckBox* saveflag_ = nullptr;
  QSpinBox* upDown1_ = nullptr;
  QSpinBox* upDown2_ = nullptr;
  QSpinBox* upDown3_ = nullptr;
  std::array<QLineEdit*, kLines> inizio_{}, fine_{};
  TraceView view_;
  int start_ = 1, end_ = 1;  // weighing window of the line under test
  int openPhase_ = 0;
  bool capturing_ = false;
};

}  // namespace kv7::service
