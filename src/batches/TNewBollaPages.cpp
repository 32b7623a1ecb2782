// The batch editor's controls: the four quality pages, the quality totals
// and the header groups. The rules live in TNewBolla.cpp.

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimeEdit>
#include <QVBoxLayout>

#include "batches/TNewBolla.h"

namespace kv7::batches {
namespace {

QString ClassName(const char* prefix, int c, int q) {
  return QString("%1%2Q%3").arg(QLatin1String(prefix)).arg(c).arg(q);
}

}  // namespace

QLineEdit* TNewBolla::NewField(QWidget* parent, const QString& name, int limit) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(name);
  e->setMaxLength(limit);
  return e;
}

QLabel* TNewBolla::NewUnit(QWidget* parent) {
  auto* l = new QLabel(parent);
  units_.push_back(l);
  return l;
}

QLabel* TNewBolla::NewLabel(QWidget* parent, const char* source) {
  auto* l = new QLabel(parent);
  texts_.emplace_back(l, source);
  return l;
}

QWidget* TNewBolla::BuildPage(int q) {
  auto* page = new QWidget(pages_);
  auto* grid = new QGridLayout(page);
  grid->setVerticalSpacing(1);
  grid->addWidget(NewLabel(page, QT_TRANSLATE_NOOP("kv7::batches::TNewBolla", "Calibro")), 0, 0, 1, 2);
  grid->addWidget(NewLabel(page, QT_TRANSLATE_NOOP("kv7::batches::TNewBolla", "Peso")), 0, 2, 1, 2);
  grid->addWidget(NewLabel(page, QT_TRANSLATE_NOOP("kv7::batches::TNewBolla", "Totale")), 0, 4, 1, 2);
  grid->addWidget(NewLabel(page, QT_TRANSLATE_NOOP("kv7::batches::TNewBolla", "Percentuale")), 0, 6);
  const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  for (int c = 1; c <= kClasses; ++c) {
    ClassRow& row = rows_[std::size_t(q - 1)][std::size_t(c - 1)];
    grid->addWidget(new QLabel(QString::number(c), page), c, 0);
    row.name = new QLabel(page);
    row.name->setObjectName(ClassName("NomeCal", c, q));
    row.range = new QLabel(page);
    row.range->setObjectName(ClassName("PesoCal", c, q));
    row.range->setFont(fixed);
    row.total = NewField(page, ClassName("TotC", c, q), 8);
    row.total->setFont(fixed);
    row.share = NewField(page, ClassName("TotP", c, q), 8);
    row.share->setReadOnly(true);
    row.share->setFocusPolicy(Qt::NoFocus);
    row.share->setFont(fixed);
    grid->addWidget(row.name, c, 1);
    grid->addWidget(row.range, c, 2);
    grid->addWidget(NewUnit(page), c, 3);
    grid->addWidget(row.total, c, 4);
    grid->addWidget(NewUnit(page), c, 5);
    grid->addWidget(row.share, c, 6);
    grid->addWidget(new QLabel("%", page), c, 7);
  }
  return page;
}

QWidget* TNewBolla::BuildQualityTotals() {
  auto* box = new QWidget(this);
  auto* grid = new QGridLayout(box);
  static const char* const kNames[5] = {QT_TRANSLATE_NOOP("kv7::batches::TNewBolla", "Qualita 1"), QT_TRANSLATE_NOOP("kv7::batches::TNewBolla", "Qualita 2"), QT_TRANSLATE_NOOP("kv7::batches::TNewBolla", "Qualita 3"), QT_TRANSLATE_NOOP("kv7::batches::TNewBolla", "Qualita 4"),
                                        QT_TRANSLATE_NOOP("kv7::batches::TNewBolla", "Scarto")};
  const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  for (int q = 1; q <= 5; ++q) {
    const auto i = std::size_t(q - 1);
    lavorato_[i] = NewField(box, QString("LavoratoQ%1").arg(q), 8);
    lavorato_[i]->setReadOnly(q < 5);
    if (q < 5) lavorato_[i]->setFocusPolicy(Qt::NoFocus);
    lavoratoP_[i] = NewField(box, QString("LavoratoPQ%1").arg(q), 8);
    lavoratoP_[i]->setReadOnly(true);
    lavoratoP_[i]->setFocusPolicy(Qt::NoFocus);
    for (QLineEdit* e : {lavorato_[i], lavoratoP_[i]}) e->setFont(fixed);
    grid->addWidget(NewLabel(box, kNames[i]), 0, q - 1);
    auto* line = new QHBoxLayout;
    line->addWidget(lavorato_[i]);
    line->addWidget(NewUnit(box));
    grid->addLayout(line, 1, q - 1);
    auto* share = new QHBoxLayout;
    share->addWidget(lavoratoP_[i]);
    share->addWidget(new QLabel("%", box));
    grid->addLayout(share, 2, q - 1);
  }
  totale_ = NewField(box, "Totale", 10);
  totale_->setReadOnly(true);
  totale_->setFocusPolicy(Qt::NoFocus);
  totale_->setFont(fixed);
  grid->addWidget(NewLabel(box, QT_TRANSLATE_NOOP("kv7::batches::TNewBolla", "TOTALE")), 0, 5);
  auto* line = new QHBoxLayout;
  line->addWidget(totale_);
  line->addWidget(NewUnit(box));
  grid->addLayout(line, 1, 5);
  valore_ = new QLabel(box);
  valore_->setObjectName("Valore");
  valore_->hide();
  grid->addWidget(valore_, 3, 0, 1, 6);
  return box;
}

QWidget* TNewBolla::BuildHeader() {
  auto* side = new QWidget(this);
  auto* layout = new QVBoxLayout(side);
  auto group = [&](const char* title) {
    auto* g = new QGroupBox(side);
    groups_.emplace_back(g, title);
    layout->addWidget(g);
    return g;
  };
  auto* program = group(QT_TRANSLATE_NOOP("kv7::batches::TNewBolla", "Programma"));
  auto* pl = new QHBoxLayout(program);
  nProgramma_ = NewField(program, "NProgramma", 3);
  nProgramma_->setReadOnly(true);
  nProgramma_->setFocusPolicy(Qt::NoFocus);
  nProgramma_->setMaximumWidth(48);
  programma_ = new QComboBox(program);
  programma_->setObjectName("Programma");
  pl->addWidget(nProgramma_);
  pl->addWidget(programma_, 1);

  auto form = [&](QGroupBox* g, std::initializer_list<std::pair<const char*, QWidget*>> rows) {
    auto* grid = new QGridLayout(g);
    int r = 0;
    for (const auto& [label, w] : rows) {
      if (label) grid->addWidget(NewLabel(g, label), r, 0);
      grid->addWidget(w, r++, label ? 1 : 0, 1, label ? 1 : 2);
    }
  };
  auto* bolla = group(QT_TRANSLATE_NOOP("kv7::batches::TNewBolla", "Bolla"));
  dataBolla_ = new QDateEdit(bolla);
  dataBolla_->setObjectName("DataBolla");
  dataBolla_->setCalendarPopup(true);
  timeBolla_ = new QTimeEdit(bolla);
  timeBolla_->setObjectName("TimeBolla");
  timeBolla_->setDisplayFormat("HH:mm:ss");
  form(bolla, {{QT_TRANSLATE_NOOP("kv7::batches::TNewBolla", "Numero"), NewField(bolla, "Numero", 6)},
               {nullptr, dataBolla_},
               {nullptr, timeBolla_},
               {QT_TRANSLATE_NOOP("kv7::batches::TNewBolla", "Lotto"), NewField(bolla, "Lotto", 6)}});
  auto* producer = group(QT_TRANSLATE_NOOP("kv7::batches::TNewBolla", "Produttore"));
  change_ = new QPushButton(producer);
  change_->setObjectName("Button2");
  change_->setAutoDefault(false);
  form(producer, {{nullptr, NewField(producer, "CodProd", 4)},
                  {nullptr, NewField(producer, "NomeProd", 20)},
                  {nullptr, change_}});
  auto* note = group(QT_TRANSLATE_NOOP("kv7::batches::TNewBolla", "Note"));
  note_ = new QPlainTextEdit(note);
  note_->setObjectName("Note");
  note_->setTabChangesFocus(true);
  note_->setMaximumHeight(56);
  form(note, {{nullptr, note_}});
  auto* barcode = group(QT_TRANSLATE_NOOP("kv7::batches::TNewBolla", "Codice a Barre"));
  codBar_ = new QPlainTextEdit(barcode);
  codBar_->setObjectName("cod_bar");
  codBar_->setTabChangesFocus(true);
  codBar_->setMaximumHeight(56);
  form(barcode, {{nullptr, codBar_}});
  auto* batch = group(QT_TRANSLATE_NOOP("kv7::batches::TNewBolla", "Partita"));
  QLineEdit* weight = NewField(batch, "TotalePart", 8);
  auto* weightLine = new QWidget(batch);
  auto* wl = new QHBoxLayout(weightLine);
  wl->setContentsMargins(0, 0, 0, 0);
  wl->addWidget(weight);
  wl->addWidget(NewLabel(weightLine, QT_TRANSLATE_NOOP("kv7::batches::TNewBolla", "Kg")));
  form(batch, {{QT_TRANSLATE_NOOP("kv7::batches::TNewBolla", "Tot Partita"), weightLine},
               {QT_TRANSLATE_NOOP("kv7::batches::TNewBolla", "num. Casse"), NewField(batch, "numcasse", 8)},
               {QT_TRANSLATE_NOOP("kv7::batches::TNewBolla", "num. Pedane"), NewField(batch, "numpedane", 8)},
               {QT_TRANSLATE_NOOP("kv7::batches::TNewBolla", "Operatore"), NewField(batch, "Operatore", 8)}});
  auto* recalc = group(QT_TRANSLATE_NOOP("kv7::batches::TNewBolla", "Ricalcolo"));
  corr_ = new QCheckBox(recalc);
  corr_->setObjectName("Corr");
  save_ = new QPushButton(recalc);
  save_->setObjectName("Button1");
  auto* rl = new QHBoxLayout(recalc);
  rl->addWidget(corr_);
  rl->addStretch();
  rl->addWidget(save_);
  layout->addStretch();
  return side;
}

}  // namespace kv7::batches
