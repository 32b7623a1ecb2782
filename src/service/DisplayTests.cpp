#include "service/DisplayTests.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace kv7::service {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }
QString Numbered(const char* name, int n) { return QString("%1%2").arg(name).arg(n); }

}  // namespace

TTestCelle::TTestCelle(QWidget* parent) : ServiceDialog(parent, ServiceWindow::Cells) {
  setObjectName("TTestCelle");
  SetTitle(QT_TR_NOOP("Test Celle"));
  auto* grid = new QGridLayout(this);
  for (int l = 1; l <= kLines; ++l) {
    grid->addWidget(new QLabel(QString::number(l), this), 0, l - 1, Qt::AlignCenter);
    cella_[static_cast<std::size_t>(l - 1)] = Field(Numbered("Cella", l));
    grid->addWidget(cella_[static_cast<std::size_t>(l - 1)], 1, l - 1);
  }
}

void TTestCelle::Prepare(const ServiceOpening&) {
  for (QLineEdit* f : cella_) f->clear();
}

void TTestCelle::Show(const ServiceRecord& record) {
  if (const auto* cells = std::get_if<CellValues>(&record))
    for (std::size_t l = 0; l < cella_.size(); ++l) cella_[l]->setText(Q(cells->value[l]));
}

TTestMem::TTestMem(QWidget* parent) : ServiceDialog(parent, ServiceWindow::Memorised) {
  setObjectName("TTestMem");
  SetTitle(QT_TR_NOOP("TEST NETTO MEMORIZZATO"));
  auto* grid = new QGridLayout(this);
  grid->addWidget(Text(QT_TR_NOOP("N. TAZZA")), 0, 1);
  grid->addWidget(Text(QT_TR_NOOP("TARA")), 0, 2);
  grid->addWidget(Text(QT_TR_NOOP("NETTO")), 0, 3);
  for (int l = 1; l <= kLines; ++l) {
    const auto i = static_cast<std::size_t>(l - 1);
    grid->addWidget(new QLabel(QString::number(l), this), l, 0);
    ntazza_[i] = Field(Numbered("Ntazza", l));
    tara_[i] = Field(Numbered("Tara", l));
    netto_[i] = Field(Numbered("Netto", l));
    grid->addWidget(ntazza_[i], l, 1);
    grid->addWidget(tara_[i], l, 2);
    grid->addWidget(netto_[i], l, 3);
  }
}

void TTestMem::Prepare(const ServiceOpening& opening) {
  for (std::size_t i = 0; i < tara_.size(); ++i) {
    ntazza_[i]->clear();
    netto_[i]->clear();
    tara_[i]->setText(Q(opening.tares[i]));
  }
}

void TTestMem::Show(const ServiceRecord& record) {
  const auto* row = std::get_if<MemorisedRow>(&record);
  if (!row || row->line < 1 || row->line > kLines) return;
  const auto i = static_cast<std::size_t>(row->line - 1);
  ntazza_[i]->setText(Q(row->cup));
  if (row->tare) tara_[i]->setText(Q(*row->tare));
  netto_[i]->setText(Q(row->net));
}

TTestEncoder::TTestEncoder(QWidget* parent)
    : ServiceDialog(parent, ServiceWindow::Encoder), nGiro_(Field("NGiro")), valore_(Field("Valore")) {
  setObjectName("TTestEncoder");
  SetTitle(QT_TR_NOOP("Test Encoder"));
  auto* grid = new QGridLayout(this);
  grid->addWidget(Text(QT_TR_NOOP("N. Giro")), 0, 0);
  grid->addWidget(nGiro_, 0, 1);
  grid->addWidget(Text(QT_TR_NOOP("Valore")), 1, 0);
  grid->addWidget(valore_, 1, 1);
  const char* captions[] = {QT_TR_NOOP("Ultimo Errore"), QT_TR_NOOP("Penultimo Errore"),
                            QT_TR_NOOP("Terzultimo Errore"), QT_TR_NOOP("Quartultimo Errore"),
                            QT_TR_NOOP("Quintultimo Errore")};
  for (int e = 1; e <= 5; ++e) {
    errore_[static_cast<std::size_t>(e - 1)] = Field(Numbered("Errore", e));
    grid->addWidget(Text(captions[e - 1]), e + 1, 0);
    grid->addWidget(errore_[static_cast<std::size_t>(e - 1)], e + 1, 1);
  }
}

void TTestEncoder::Prepare(const ServiceOpening&) {
  nGiro_->clear();
  valore_->clear();
  for (QLineEdit* f : errore_) f->clear();
}

void TTestEncoder::Show(const ServiceRecord& record) {
  const auto* row = std::get_if<EncoderRow>(&record);
  if (!row) return;
  nGiro_->setText(Q(row->turn));
  valore_->setText(Q(row->value));
  for (std::size_t e = 0; e < errore_.size(); ++e) errore_[e]->setText(Q(row->errors[e]));
}

}  // namespace kv7::service
