#include "service/MachineTests.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "link/BoardSettings.h"
#include "service/ServiceRules.h"
#include "ui/TranslatedText.h"

namespace kv7::service {
namespace {

QString Numbered(const char* name, int n) { return QString("%1%2").arg(name).arg(n); }
constexpr int kMaxOutlet = 30;

}  // namespace

TTestTazzeVuote::TTestTazzeVuote(QWidget* parent)
    : ServiceDialog(parent, ServiceWindow::EmptyCups), limiteGr_(Field("LimiteGr")), upDown_(new QSpinBox(this)) {
  setObjectName("TTestTazzeVuote");
  SetTitle(QT_TR_NOOP("Test Tazze Vuote"));
  auto* grid = new QGridLayout(this);
  grid->addWidget(Text(QT_TR_NOOP("Numero Tazza")), 0, 1);
  grid->addWidget(Text(QT_TR_NOOP("Valore")), 0, 2);
  for (int l = 1; l <= kLines; ++l) {
    const auto i = static_cast<std::size_t>(l - 1);
    nTazza_[i] = Field(Numbered("NTazza", l));
    valore_[i] = Field(Numbered("Valore", l));
    grid->addWidget(LineLabel(l, this), l, 0);
    grid->addWidget(nTazza_[i], l, 1);
    grid->addWidget(valore_[i], l, 2);
  }
  upDown_->setObjectName("UpDown1");
  upDown_->setRange(1, 999);
  auto* limit = new QHBoxLayout;
  limit->addWidget(Text(QT_TR_NOOP("Limite +/-")));
  limit->addWidget(limiteGr_);
  limit->addWidget(upDown_);
  limit->addWidget(Text(QT_TR_NOOP("gr")));
  grid->addLayout(limit, kLines + 1, 0, 1, 3);
  QPushButton* start = Button(QT_TR_NOOP("Inizio"));
  start->setObjectName("Button1");
  grid->addWidget(start, kLines + 2, 0, 1, 3);
  connect(upDown_, &QSpinBox::valueChanged, this,
          [this](int position) { limiteGr_->setText(QString::fromStdString(EmptyCupLimitText(position, multiplier_))); });
  connect(start, &QPushButton::clicked, this, [this] { Post(StartEmptyCups{limiteGr_->text().toStdString()}); });
}

void TTestTazzeVuote::Prepare(const ServiceOpening& opening) {
  multiplier_ = opening.multiplier;
  {
    QSignalBlocker block(upDown_);
    upDown_->setValue(10);
  }
  limiteGr_->setText(QString::fromStdString(opening.limit));
  for (std::size_t i = 0; i < nTazza_.size(); ++i) {
    nTazza_[i]->setText("0000");
    valore_[i]->setText("0000");
  }
  upDown_->setFocus();
}

void TTestTazzeVuote::Show(const ServiceRecord& record) {
  const auto* row = std::get_if<EmptyCupRow>(&record);
  if (!row || row->line < 1 || row->line > kLines) return;
  nTazza_[static_cast<std::size_t>(row->line - 1)]->setText(QString::fromStdString(row->cup));
  valore_[static_cast<std::size_t>(row->line - 1)]->setText(QString::fromStdString(row->value));
}

TTestMagneti::TTestMagneti(QWidget* parent) : ServiceDialog(parent, ServiceWindow::Magnets) {
  setObjectName("TTestMagneti");
  SetTitle(QT_TR_NOOP("Test Magneti"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Group(QT_TR_NOOP("Test Dinamico"), true));
  layout->addWidget(Group(QT_TR_NOOP("Test Statico"), false));
}

QWidget* TTestMagneti::Group(const char* title, bool dynamic) {
  const std::size_t i = dynamic ? 0 : 1;
  auto* group = new QGroupBox(this);
  ui::SetSourceText(group, metaObject()->className(), QString::fromUtf8(title));
  outlet_[i] = Field(dynamic ? "UscitaDin" : "UscitaStat");
  upDown_[i] = new QSpinBox(group);
  upDown_[i]->setObjectName(dynamic ? "UpDownDin" : "UpDownStat");
  upDown_[i]->setRange(1, kMaxOutlet);
  QPushButton* start = Button(QT_TR_NOOP("Inizio"));
  start->setObjectName(dynamic ? "InizioDin" : "InizioStat");
  auto* row = new QHBoxLayout(group);
  row->addWidget(Text(QT_TR_NOOP("Uscita N.")));
  row->addWidget(outlet_[i]);
  row->addWidget(upDown_[i]);
  row->addWidget(start);
  connect(upDown_[i], &QSpinBox::valueChanged, this,
          [this, i](int n) { outlet_[i]->setText(QString::fromStdString(ZeroFill(n, 2))); });
  connect(start, &QPushButton::clicked, this, [this, i, dynamic] {
    const int outlet = NumberOf(outlet_[i]->text().toStdString()).value_or(upDown_[i]->value());
    Post(StartMagnetTest{dynamic, outlet});
  });
  return group;
}

void TTestMagneti::Prepare(const ServiceOpening&) {
  for (std::size_t i = 0; i < upDown_.size(); ++i) {
    QSignalBlocker block(upDown_[i]);
    upDown_[i]->setValue(1);
    outlet_[i]->setText("01");
  }
  upDown_[0]->setFocus();
}

}  // namespace kv7::service
