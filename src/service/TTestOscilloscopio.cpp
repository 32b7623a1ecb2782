#include "service/TTestOscilloscopio.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QValueAxis>

#include "link/BoardSettings.h"
#include "service/ServiceRules.h"
#include "ui/TranslatedText.h"

namespace kv7::service {
namespace {

constexpr double kFullScale = 1024;

QString Q(const std::string& s) { return QString::fromStdString(s); }
QString Numbered(const char* name, int n) { return QString("%1%2").arg(name).arg(n); }
int NumberOr(const QLineEdit* field, int fallback) { return NumberOf(field->text().toStdString()).value_or(fallback); }

QList<QPointF> Points(const TraceView::Points& values) {
  QList<QPointF> points;
  points.reserve(kTracePoints);
  for (int i = 0; i < kTracePoints; ++i) points.append(QPointF(i + 1, values[static_cast<std::size_t>(i)]));
  return points;
}

}  // namespace

TTestOscilloscopio::TTestOscilloscopio(QWidget* parent)
    : ServiceDialog(parent, ServiceWindow::Oscilloscope),
      linea_(Field("Linea")),
      limite_(Field("Limite")),
      tazza_(Field("Tazza")),
      minimo_(Field("Minimo")),
      massimo_(Field("Massimo")),
      lordo_(Field("Lordo")),
      fase_(Field("Fase")) {
  setObjectName("TTestOscilloscopio");
  SetTitle(QT_TR_NOOP("Funzione Oscilloscopio"));
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(ChartPart(), 1);
  auto* side = new QVBoxLayout;
  side->addWidget(ControlPart());
  side->addWidget(WindowPart());
  layout->addLayout(side);
  resize(980, 560);
}

QSpinBox* TTestOscilloscopio::UpDown(const char* name, int low, int high) {
  auto* box = new QSpinBox(this);
  box->setObjectName(name);
  box->setRange(low, high);
  return box;
}

QWidget* TTestOscilloscopio::ChartPart() {
  chart_ = new QChart;
  weighed_ = new QLineSeries(chart_);
  rest_ = new QLineSeries(chart_);
  chart_->addSeries(weighed_);
  chart_->addSeries(rest_);
  chart_->legend()->hide();
  auto* axisX = new QValueAxis(chart_);
  axisX->setRange(1, kTracePoints);
  axisY_ = new QValueAxis(chart_);
  chart_->addAxis(axisX, Qt::AlignBottom);
  chart_->addAxis(axisY_, Qt::AlignLeft);
  for (QLineSeries* s : {weighed_, rest_}) {
    s->setUseOpenGL(false);
    s->attachAxis(axisX);
    s->attachAxis(axisY_);
  }
  SetVertical(0, kFullScale);
  auto* view = new QChartView(chart_, this);
  view->setObjectName("Chartfx1");
  view->setFocusPolicy(Qt::NoFocus);
  view->setMinimumSize(520, 380);
  auto* box = new QWidget(this);
  auto* column = new QVBoxLayout(box);
  column->addWidget(view, 1);
  auto* scale = new QHBoxLayout;
  QPushButton* zoom = Button(QT_TR_NOOP("Zoom"));
  QPushButton* global = Button(QT_TR_NOOP("Globale"));
  zoom->setObjectName("Button1");
  global->setObjectName("Button2");
  copertura_ = new QLabel(this);
  copertura_->setObjectName("copertura");
  scale->addWidget(zoom);
  scale->addWidget(global);
  scale->addStretch(1);
  scale->addWidget(copertura_);
  column->addLayout(scale);
  connect(zoom, &QPushButton::clicked, this, [this] { Zoom(); });
  connect(global, &QPushButton::clicked, this, [this] { SetVertical(0, kFullScale); });
  return box;
}

QWidget* TTestOscilloscopio::ControlPart() {
  auto* box = new QWidget(this);
  auto* grid = new QGridLayout(box);
  capture_ = Button(QT_TR_NOOP("Cattura"));
  capture_->setObjectName("Capture");
  upDown1_ = UpDown("UpDown1", 1, kLines);
  upDown2_ = UpDown("UpDown2", 100, 1000);
  upDown2_->setSingleStep(10);
  upDown3_ = UpDown("UpDown3", 0, 99);
  grid->addWidget(capture_, 0, 0, 1, 3);
  grid->addWidget(Text(QT_TR_NOOP("Linea in esame")), 1, 0);
  grid->addWidget(linea_, 1, 1);
  grid->addWidget(upDown1_, 1, 2);
  grid->addWidget(Text(QT_TR_NOOP("Soglia lnnesco")), 2, 0);
  grid->addWidget(limite_, 2, 1);
  grid->addWidget(upDown2_, 2, 2);
  const std::pair<const char*, QLineEdit*> shown[] = {{QT_TR_NOOP("Tazza"), tazza_},
                                                      {QT_TR_NOOP("minimo"), minimo_},
                                                      {QT_TR_NOOP("massimo"), massimo_},
                                                      {QT_TR_NOOP("Lordo Assoluto"), lordo_}};
  int row = 3;
  for (const auto& [caption, field] : shown) {
    grid->addWidget(Text(caption), row, 0);
    grid->addWidget(field, row++, 1);
  }
  saveflag_ = new QCheckBox(this);
  saveflag_->setObjectName("saveflag");
  ui::SetSourceText(saveflag_, metaObject()->className(), QString::fromUtf8(QT_TR_NOOP("Salva su File")));
  grid->addWidget(saveflag_, row++, 0, 1, 3);
  connect(capture_, &QPushButton::clicked, this, [this] { CaptureClick(); });
  connect(upDown1_, &QSpinBox::valueChanged, this, [this](int line) {
    linea_->setText(QString::number(line));
    view_.ClearCups();
    copertura_->setText(Q(view_.Coverage()));
  });
  connect(upDown2_, &QSpinBox::valueChanged, this, [this](int v) { limite_->setText(Q(ZeroFill(v, 3))); });
  connect(saveflag_, &QCheckBox::toggled, this, [this](bool on) { Post(SaveFrames{on}); });
  return box;
}

QWidget* TTestOscilloscopio::WindowPart() {
  auto* box = new QWidget(this);
  auto* grid = new QGridLayout(box);
  grid->addWidget(Text(QT_TR_NOOP("Inizio")), 0, 1);
  grid->addWidget(Text(QT_TR_NOOP("Fine")), 0, 2);
  for (int l = 1; l <= kLines; ++l) {
    const auto i = static_cast<std::size_t>(l - 1);
    inizio_[i] = Field(Numbered(l == 1 ? "inizio" : "Inizio", l), true);
    fine_[i] = Field(Numbered("Fine", l), true);
    grid->addWidget(LineLabel(l, box), l, 0);
    grid->addWidget(inizio_[i], l, 1);
    grid->addWidget(fine_[i], l, 2);
  }
  auto* phase = new QGroupBox(box);
  ui::SetSourceText(phase, metaObject()->className(), QString::fromUtf8(QT_TR_NOOP("Regolazione Fase")));
  auto* phaseRow = new QHBoxLayout(phase);
  phaseRow->addWidget(Text(QT_TR_NOOP("Fase Zero")));
  phaseRow->addWidget(fase_);
  phaseRow->addWidget(upDown3_);
  grid->addWidget(phase, kLines + 1, 0, 1, 3);
  QPushButton* update = Button(QT_TR_NOOP("Aggiorna"));
  update->setObjectName("Update");
  grid->addWidget(update, kLines + 2, 0, 1, 3);
  connect(upDown3_, &QSpinBox::valueChanged, this, [this](int v) {
    fase_->setText(QString::number(v));
    Redraw();
  });
  connect(update, &QPushButton::clicked, this, &QDialog::accept);
  return box;
}

void TTestOscilloscopio::Prepare(const ServiceOpening& opening) {
  view_.Reset(opening.cups);
  openPhase_ = opening.phase;
  for (std::size_t i = 0; i < inizio_.size(); ++i) {
    inizio_[i]->setText(QString::number(opening.windowStart[i]));
    fine_[i]->setText(QString::number(opening.windowEnd[i]));
  }
  const QSignalBlocker b1(upDown1_), b2(upDown2_), b3(upDown3_), b4(saveflag_);
  upDown1_->setValue(1);
  linea_->setText("1");
  upDown2_->setValue(300);
  limite_->setText("300");
  upDown3_->setValue(std::clamp(opening.phase, 0, 99));
  fase_->setText(QString::number(opening.phase));
  saveflag_->setChecked(false);
  for (QLineEdit* f : {tazza_, minimo_, massimo_, lordo_}) f->clear();
  weighed_->clear();
  rest_->clear();
  SetVertical(0, kFullScale);
  copertura_->setText(Q(view_.Coverage()));
  capturing_ = false;
  ui::SetSourceText(capture_, metaObject()->className(), QString::fromUtf8(QT_TR_NOOP("Cattura")));
  capture_->setFocus();
}

void TTestOscilloscopio::CaptureClick() {
  if (capturing_) {
    SetCapturing(false);
    Post(Capture{false, {}, {}, false});
    return;
  }
  weighed_->clear();
  rest_->clear();
  const int line = std::clamp(NumberOr(linea_, 1), 1, kLines);
  start_ = NumberOr(inizio_[static_cast<std::size_t>(line - 1)], 1);
  end_ = NumberOr(fine_[static_cast<std::size_t>(line - 1)], 1);
  Post(Capture{true, linea_->text().toStdString(), limite_->text().toStdString(), saveflag_->isChecked()});
}

void TTestOscilloscopio::SetCapturing(bool on) {
  capturing_ = on;
  ui::SetSourceText(capture_, metaObject()->className(),
                    QString::fromUtf8(on ? QT_TR_NOOP("Ferma") : QT_TR_NOOP("cattura")));
}

void TTestOscilloscopio::Show(const ServiceRecord& record) {
  if (const auto* state = std::get_if<CaptureState>(&record)) {
    SetCapturing(state->capturing);
  } else if (std::holds_alternative<TraceSavingStopped>(record)) {
    const QSignalBlocker block(saveflag_);
    saveflag_->setChecked(false);
  } else if (const auto* frame = std::get_if<TraceFrame>(&record)) {
    if (capturing_) TakeFrame(*frame);
  }
}

void TTestOscilloscopio::TakeFrame(const TraceFrame& frame) {
  view_.Take(frame);
  copertura_->setText(Q(view_.Coverage()));
  tazza_->setText(Q(frame.head[0]));
  minimo_->setText(Q(frame.head[1]));
  massimo_->setText(Q(frame.head[2]));
  Redraw();
}

void TTestOscilloscopio::Redraw() {
  const TraceView::Series s = view_.Draw(start_, end_, upDown3_->value() - openPhase_);
  weighed_->replace(Points(s.weighed));
  rest_->replace(Points(s.rest));
  lordo_->setText(QString::number(view_.Gross(start_, end_)));
}

void TTestOscilloscopio::Zoom() {
  const auto low = NumberOf(minimo_->text().toStdString());
  const auto high = NumberOf(massimo_->text().toStdString());
  if (low && high) SetVertical(*low, *high);
}

void TTestOscilloscopio::SetVertical(double low, double high) { axisY_->setRange(low, high); }

std::pair<double, double> TTestOscilloscopio::VerticalRange() const { return {axisY_->min(), axisY_->max()}; }

void TTestOscilloscopio::FillClosing(ServiceClosed& closed) const {
  closed.phase = upDown3_->value();
  for (std::size_t i = 0; i < inizio_.size(); ++i) {
    closed.windowStart[i] = inizio_[i]->text().toStdString();
    closed.windowEnd[i] = fine_[i]->text().toStdString();
  }
}

}  // namespace kv7::service
