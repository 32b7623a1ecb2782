#include "programs/TNewProgram.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "programs/FieldEdit.h"
#include "programs/ProgramCodes.h"

namespace kv7::programs {
namespace {

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}
std::string S(const QString& s) {
  return s.toStdString();
}
QString Suffix(int c, int q) {
  return QString("%1Q%2").arg(c).arg(q);
}

}  // namespace

TNewProgram::TNewProgram(QWidget* parent) : QDialog(parent) {
  setObjectName("TNewProgram");
  setWindowTitle(tr("Programma"));
  setModal(true);
  showError_ = [this](const QString& text) { QMessageBox::critical(this, windowTitle(), text); };

  auto* layout = new QVBoxLayout(this);
  auto* head = new QGridLayout;
  description_ = new FieldEdit("NomeProgramma", kDescriptionWidth, this);
  code_ = new FieldEdit("codprog", kCodeWidth, this);
  code_->setMaximumWidth(code_->fontMetrics().horizontalAdvance("0000") + 16);
  head->addWidget(new QLabel(tr("Descrizione"), this), 0, 0);
  head->addWidget(description_, 0, 1);
  head->addWidget(new QLabel(tr("Codice"), this), 0, 2);
  head->addWidget(code_, 0, 3);
  layout->addLayout(head);

  pages_ = new QTabWidget(this);
  pages_->setObjectName("PageControl1");
  for (int q = 1; q <= kQualities; ++q) pages_->addTab(BuildPage(q), tr("Pesi Qualita %1").arg(q));
  layout->addWidget(pages_);

  auto* foot = new QHBoxLayout;
  rejectCode_ = new FieldEdit("CodQ5", kClassCodeWidth, this);
  foot->addWidget(new QLabel(tr("Codice SQL Q5"), this));
  foot->addWidget(rejectCode_);
  foot->addStretch();
  auto* save = new QPushButton(tr("Salva"), this);
  save->setObjectName("Button1");
  save->setDefault(true);
  connect(save, &QPushButton::clicked, this, &QDialog::accept);
  foot->addWidget(save);
  layout->addLayout(foot);
  SetMultiplier(0);
}

QWidget* TNewProgram::BuildPage(int q) {
  auto* page = new QWidget;
  page->setObjectName(QString("TabSheet%1").arg(q));
  auto* grid = new QGridLayout(page);
  grid->setVerticalSpacing(2);
  grid->addWidget(new QLabel(tr("Calibro"), page), 0, 1);
  grid->addWidget(new QLabel(tr("Peso"), page), 0, 2, 1, 3);
  grid->addWidget(new QLabel(tr("Codice SQL"), page), 0, 5);
  for (int c = 1; c <= kClasses; ++c) {
    Row& row = rows_[static_cast<std::size_t>(q - 1)][static_cast<std::size_t>(c - 1)];
    row.name = new FieldEdit("NomeCal" + Suffix(c, q), kNameWidth, page);
    row.min = new FieldEdit("PesoCalMin" + Suffix(c, q), 3, page);
    row.max = new FieldEdit("PesoCalMax" + Suffix(c, q), 3, page);
    row.code = new FieldEdit("CodCal" + Suffix(c, q), kClassCodeWidth, page);
    for (FieldEdit* w : {row.min, row.max}) {
      w->setAlignment(Qt::AlignRight);
      w->setMaximumWidth(w->fontMetrics().horizontalAdvance("000000") + 16);
      w->OnLeave([this, w] { LeaveWeight(w); });
    }
    connect(row.min, &QLineEdit::textChanged, this, [this, q, c] { WeightChanged(q, c, false); });
    connect(row.max, &QLineEdit::textChanged, this, [this, q, c] { WeightChanged(q, c, true); });
    grid->addWidget(new QLabel(QString::number(c), page), c, 0);
    grid->addWidget(row.name, c, 1);
    grid->addWidget(row.min, c, 2);
    grid->addWidget(new QLabel("-", page), c, 3);
    grid->addWidget(row.max, c, 4);
    grid->addWidget(row.code, c, 5);
  }
  return page;
}

void TNewProgram::SetMultiplier(int multiplier) {
  multiplier_ = multiplier;
  for (auto& quality : rows_)
    for (Row& row : quality)
      for (FieldEdit* w : {row.min, row.max}) w->SetWidth(WeightWidth(multiplier));
}

void TNewProgram::Fill(const ProgramEditorTexts& t) {
  const bool chaining = chaining_;
  chaining_ = false;
  description_->setText(Q(t.description));
  code_->setText(Q(t.code));
  rejectCode_->setText(Q(t.rejectCode));
  for (std::size_t q = 0; q < kQualities; ++q) {
    for (std::size_t c = 0; c < kClasses; ++c) {
      Row& row = rows_[q][c];
      row.name->setText(Q(t.name[q][c]));
      row.code->setText(Q(t.classCode[q][c]));
      row.min->setText(Q(t.minWeight[q][c]));
      row.max->setText(Q(t.maxWeight[q][c]));
    }
  }
  chaining_ = chaining;
}

ProgramEditorTexts TNewProgram::Texts() const {
  ProgramEditorTexts t;
  t.description = S(description_->text());
  t.code = S(code_->text());
  t.rejectCode = S(rejectCode_->text());
  for (std::size_t q = 0; q < kQualities; ++q) {
    for (std::size_t c = 0; c < kClasses; ++c) {
      const Row& row = rows_[q][c];
      t.name[q][c] = S(row.name->text());
      t.classCode[q][c] = S(row.code->text());
      t.minWeight[q][c] = S(row.min->text());
      t.maxWeight[q][c] = S(row.max->text());
    }
  }
  return t;
}

std::string TNewProgram::Code() const {
  return S(code_->text());
}

QString TNewProgram::EditCaption(const QString& code) {
  return tr("Modifica programma N. ") + code;
}

FieldEdit* TNewProgram::Field(const QString& name) const {
  return findChild<FieldEdit*>(name);
}

void TNewProgram::WeightChanged(int q, int c, bool isMax) {
  if (!chaining_) return;
  const auto& quality = rows_[static_cast<std::size_t>(q - 1)];
  // Max of class c and min of class c + 1 are the same limit.
  FieldEdit* self =
      isMax ? quality[static_cast<std::size_t>(c - 1)].max : quality[static_cast<std::size_t>(c - 1)].min;
  FieldEdit* partner = nullptr;
  if (isMax && c < kClasses) partner = quality[static_cast<std::size_t>(c)].min;
  if (!isMax && c > 1) partner = quality[static_cast<std::size_t>(c - 2)].max;
  if (partner && partner->text() != self->text()) partner->setText(self->text());
}

void TNewProgram::LeaveWeight(FieldEdit* field) {
  const QString shown = Q(LeaveWeightText(S(field->text()), multiplier_));
  if (shown != field->text()) field->setText(shown);
}

bool TNewProgram::FormCloseQuery() {
  if (ProgramNumber(Code())) return true;
  showError_(tr("il campo codice programma deve essere un numero di max 2 cifre!"));
  code_->setFocus();
  return false;
}

bool TNewProgram::ReadForSave() {
  auto reading = ReadEditor(Texts(), multiplier_);
  if (reading.record) {
    result_ = std::move(*reading.record);
    return true;
  }
  const WeightField& f = reading.badField;
  pages_->setCurrentIndex(f.quality - 1);
  if (FieldEdit* w = Field(Q(f.Name()))) w->setFocus();
  showError_(
      tr("Qualita %1, calibro %2: il peso %3 deve essere un numero intero; il programma non è stato salvato.")
          .arg(f.quality)
          .arg(f.klass)
          .arg(f.isMax ? tr("massimo") : tr("minimo")));
  return false;
}

bool TNewProgram::CodeLoadable() {
  if (BoardProgramNumber(Code())) return true;
  showError_(tr("Il codice programma deve essere un numero da 1 a 98: la centralina non carica programmi con "
                "altri numeri. Il programma non è stato salvato."));
  code_->setFocus();
  return false;
}

void TNewProgram::done(int result) {
  // OK by the keyboard leaves the field being edited without a focus change.
  if (auto* w = dynamic_cast<FieldEdit*>(focusWidget())) w->Leave();
  if (!FormCloseQuery()) return;
  if (result == QDialog::Accepted && (!CodeLoadable() || !ReadForSave())) return;
  QDialog::done(result);
}

void TNewProgram::showEvent(QShowEvent* e) {
  chaining_ = true;
  pages_->setCurrentIndex(0);
  description_->setFocus();
  QDialog::showEvent(e);
}

}  // namespace kv7::programs
