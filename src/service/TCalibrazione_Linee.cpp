#include "service/TCalibrazione_Linee.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "link/StreamRecords.h"
#include "service/ServiceRules.h"
#include "ui/TranslatedText.h"

namespace kv7::service {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }
QString Numbered(const char* name, int n) { return QString("%1%2").arg(name).arg(n); }

}  // namespace

TCalibrazione_Linee::TCalibrazione_Linee(QWidget* parent)
    : ServiceDialog(parent, ServiceWindow::Calibration),
      pesoCamp_(Field("PesoCamp", true)),
      animation_(new QProgressBar(this)) {
  setObjectName("TCalibrazione_Linee");
  SetTitle(QT_TR_NOOP("Calibrazione Linee"));
  animation_->setObjectName("Animate1");
  animation_->setRange(0, 0);  // moving while the procedure runs
  animation_->setTextVisible(false);
  animation_->setVisible(false);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(AutomaticGroup());
  layout->addWidget(ManualGroup());
  layout->addWidget(CorrectionGroup());
  save_ = Button(QT_TR_NOOP("Salva"));
  save_->setObjectName("Button3");
  layout->addWidget(save_);
  connect(save_, &QPushButton::clicked, this, &QDialog::accept);
}

QWidget* TCalibrazione_Linee::AutomaticGroup() {
  auto* group = new QGroupBox(this);
  ui::SetSourceText(group, metaObject()->className(), QString::fromUtf8(QT_TR_NOOP("Procedura Automatica")));
  QPushButton* start = Button(QT_TR_NOOP("Inizia"));
  QPushButton* end = Button(QT_TR_NOOP("Fine"));
  start->setObjectName("Button1");
  end->setObjectName("Button2");
  auto* row = new QHBoxLayout(group);
  row->addWidget(Text(QT_TR_NOOP("Peso Campione")));
  row->addWidget(pesoCamp_);
  row->addWidget(start);
  row->addWidget(end);
  row->addWidget(animation_);
  connect(start, &QPushButton::clicked, this, [this] { Start(); });
  connect(end, &QPushButton::clicked, this, [this] { End(); });
  return group;
}

QWidget* TCalibrazione_Linee::ManualGroup() {
  auto* group = new QGroupBox(this);
  ui::SetSourceText(group, metaObject()->className(), QString::fromUtf8(QT_TR_NOOP("Procedura Manuale")));
  auto* grid = new QGridLayout(group);
  grid->addWidget(Text(QT_TR_NOOP("Linea")), 0, 0);
  grid->addWidget(Text(QT_TR_NOOP("- N° -")), 0, 1);
  grid->addWidget(Text(QT_TR_NOOP("- KAPPA -")), 0, 2);
  grid->addWidget(Text(QT_TR_NOOP("Peso")), 0, 3);
  for (int l = 1; l <= kLines; ++l) {
    const auto i = static_cast<std::size_t>(l - 1);
    nPass_[i] = Field(Numbered("NPass", l));
    kappa_[i] = Field(Numbered("Kappa", l), true);
    kappa_[i]->setMaxLength(4);
    peso_[i] = Field(Numbered("Peso", l));
    grid->addWidget(new QLabel(QString::number(l), group), l, 0);
    grid->addWidget(nPass_[i], l, 1);
    grid->addWidget(kappa_[i], l, 2);
    grid->addWidget(peso_[i], l, 3);
  }
  return group;
}

QWidget* TCalibrazione_Linee::CorrectionGroup() {
  auto* group = new QGroupBox(this);
  ui::SetSourceText(group, metaObject()->className(), QString::fromUtf8(QT_TR_NOOP("Correzione errori")));
  struct Def {
    const char* caption;
    const char* name;
    int change;
  };
  const Def defs[] = {{"+5gr", "BitBtn1", 50}, {"+1gr", "BitBtn2", 20}, {"-1gr", "BitBtn3", -20}, {"-5gr", "BitBtn4", -50}};
  auto* grid = new QGridLayout(group);
  grid->addWidget(Text(QT_TR_NOOP("Sovrapeso")), 0, 0, 1, 2);
  grid->addWidget(Text(QT_TR_NOOP("Sottopeso")), 0, 2, 1, 2);
  for (std::size_t b = 0; b < corrections_.size(); ++b) {
    corrections_[b] = new QPushButton(QString::fromUtf8(defs[b].caption), group);
    corrections_[b]->setObjectName(defs[b].name);
    corrections_[b]->setAutoDefault(false);
    grid->addWidget(corrections_[b], 1, static_cast<int>(b));
    const int change = defs[b].change;
    connect(corrections_[b], &QPushButton::clicked, this, [this, change] { Correct(change); });
  }
  return group;
}

void TCalibrazione_Linee::Prepare(const ServiceOpening& opening) {
  multiplier_ = opening.multiplier;
  SetRunning(false);
  pesoCamp_->setText(Q(opening.sampleWeight));
  for (std::size_t i = 0; i < kappa_.size(); ++i) {
    kappa_[i]->setText(Q(opening.kappas[i]));
    nPass_[i]->clear();
    peso_[i]->clear();
  }
  pesoCamp_->setFocus();
}

void TCalibrazione_Linee::Start() {
  if (running_) return;
  const auto grams = RoundedSampleWeight(pesoCamp_->text().toStdString(), multiplier_);
  if (!grams) return;
  if (multiplier_ > 1) pesoCamp_->setText(Q(RightAligned4(*grams)));
  if (!SampleWeightAccepted(*grams)) return;
  Post(StartCalibration{*grams});
  SetRunning(true);
}

void TCalibrazione_Linee::End() {
  if (running_) Post(EndCalibration{});
  SetRunning(false);
}

void TCalibrazione_Linee::Correct(int change) {
  for (QLineEdit* k : kappa_) k->setText(Q(CorrectedKappa(k->text().toStdString(), change)));
}

void TCalibrazione_Linee::SetRunning(bool on) {
  running_ = on;
  animation_->setVisible(on);
  save_->setEnabled(!on);
  for (QLineEdit* k : kappa_) k->setEnabled(!on);
  for (QPushButton* b : corrections_) b->setEnabled(!on);
}

void TCalibrazione_Linee::Show(const ServiceRecord& record) {
  if (const auto* state = std::get_if<CalibrationRunning>(&record)) {
    SetRunning(state->running);
    return;
  }
  const auto* row = std::get_if<CalibrationRow>(&record);
  if (!row || row->line < 1 || row->line > kLines) return;
  const auto i = static_cast<std::size_t>(row->line - 1);
  nPass_[i]->setText(Q(row->passes));
  kappa_[i]->setText(Q(row->kappa));
  peso_[i]->setText(Q(row->weight));
}

void TCalibrazione_Linee::FillClosing(ServiceClosed& closed) const {
  for (std::size_t i = 0; i < kappa_.size(); ++i) closed.kappas[i] = kappa_[i]->text().toStdString();
}

}  // namespace kv7::service
