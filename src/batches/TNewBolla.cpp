#include "batches/TNewBolla.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QStringList>
#include <QPushButton>
#include <QTabWidget>
#include <QTimeEdit>
#include <QVBoxLayout>

#include <cstdio>
#include <stdexcept>

#include "batches/BatchMessages.h"
#include "batches/EnterKey.h"
#include "batches/TListaProduttori.h"
#include "i18n/LanguageModules.h"
#include "i18n/Numbers.h"
#include "programs/TListaProgrammi.h"
#include "ui/WholeNumberField.h"

namespace kv7::batches {
namespace {

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

// A figure with '.' as decimal mark shown with the language's mark.
QString Shown(const std::string& text) {
  QString s = Q(text);
  return s.replace('.', QLocale().decimalPoint());
}

// Runs the total fields' rule when they lose the focus.
class LeaveWatcher : public QObject {
 public:
  LeaveWatcher(QObject* field, std::function<void()> leave) : QObject(field), leave_(std::move(leave)) {
    field->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (e->type() == QEvent::FocusOut) leave_();
    return QObject::eventFilter(watched, e);
  }

 private:
  std::function<void()> leave_;
};

// The editor's input limits of the header fields.
int TypingLimit(const char* name) {
  const std::string_view n = name;
  if (n == "Numero" || n == "Lotto") return 6;
  if (n == "CodProd") return 4;
  if (n == "NomeProd") return 20;
  return 8;
}

}  // namespace

TNewBolla::TNewBolla(QWidget* parent) : QDialog(parent) {
  setObjectName("TNewBolla");
  setModal(true);
  auto* layout = new QHBoxLayout(this);
  auto* left = new QGroupBox(this);
  groups_.emplace_back(left, QT_TRANSLATE_NOOP("kv7::batches::TNewBolla", "Ripartizione Calibri"));
  auto* ll = new QVBoxLayout(left);
  pages_ = new QTabWidget(left);
  for (int q = 1; q <= kQualities; ++q) pages_->addTab(BuildPage(q), QString());
  ll->addWidget(pages_);
  ll->addWidget(BuildQualityTotals());
  layout->addWidget(left, 1);
  layout->addWidget(BuildHeader());

  for (QLineEdit* field : TotalFields()) {
    auto rule = [this] {
      if (filling_) return;
      CommitEditedTotals();
      RecomputeBatchView();
    };
    new EnterKey(field, rule);
    new LeaveWatcher(field, rule);
  }
  for (const char* name : {"Numero", "Lotto", "CodProd", "NomeProd", "TotalePart", "numcasse", "numpedane",
                           "Operatore"})
    new EnterKey(Field(name), [this] { focusNextChild(); });
  for (const char* name : {"TotalePart", "numcasse", "numpedane"}) ui::WholeNumberField::Attach(Field(name));
  connect(programma_, &QComboBox::currentIndexChanged, this, &TNewBolla::ProgrammaChange);
  connect(corr_, &QCheckBox::clicked, this, &TNewBolla::CorrClick);
  connect(note_, &QPlainTextEdit::textChanged, this, [this] { NoteChange(note_); });
  connect(codBar_, &QPlainTextEdit::textChanged, this, [this] { NoteChange(codBar_); });
  connect(Field("TotalePart"), &QLineEdit::textChanged, this,
          [this](const QString& t) {
            ws_.totalePart = t.toStdString();
            ShowValue();
          });
  connect(dataBolla_, &QDateEdit::dateChanged, this, [this] { ShowValue(); });
  connect(change_, &QPushButton::clicked, this, &TNewBolla::PickProducer);
  connect(save_, &QPushButton::clicked, this, &QDialog::accept);
  pickProducer_ = [this](const std::vector<Producer>& producers) -> std::optional<Producer> {
    TListaProduttori list(this);
    list.SetProducers(producers);
    if (list.exec() != QDialog::Accepted) return std::nullopt;
    return list.Selected();
  };
  showError_ = [this](const QString& text) { QMessageBox::warning(this, windowTitle(), text); };
  ResetWorkingSet(ws_);
  RetranslateUi();
  SetUnits(true);
}

void TNewBolla::RetranslateUi() {
  if (windowTitle().isEmpty()) setWindowTitle(tr("Nuova Bolla"));
  for (int q = 1; q <= kQualities; ++q) pages_->setTabText(q - 1, tr("Qualita %1").arg(q));
  for (const auto& [label, source] : texts_) label->setText(tr(source));
  for (const auto& [group, source] : groups_) group->setTitle(tr(source));
  corr_->setText(tr("Partita"));
  change_->setText(tr("Cambia"));
  save_->setText(tr("Salva"));
  for (QLabel* unit : units_) unit->setText(inGrams_ ? tr("gr") : tr("Kg"));
}

void TNewBolla::changeEvent(QEvent* e) {
  if (e->type() == QEvent::LanguageChange) RetranslateUi();
  QDialog::changeEvent(e);
}

QLineEdit* TNewBolla::Field(const QString& name) const {
  return findChild<QLineEdit*>(name);
}

QLabel* TNewBolla::Label(const QString& name) const {
  return findChild<QLabel*>(name);
}

std::vector<QLineEdit*> TNewBolla::TotalFields() const {
  std::vector<QLineEdit*> fields;
  for (const auto& quality : rows_)
    for (const auto& row : quality) fields.push_back(row.total);
  fields.push_back(lavorato_[4]);
  return fields;
}

std::string& TNewBolla::WorkingText(QLineEdit* field) {
  if (field == lavorato_[4]) return ws_.reject;
  for (std::size_t q = 0; q < kQualities; ++q)
    for (std::size_t c = 0; c < kClasses; ++c)
      if (rows_[q][c].total == field) return ws_.totals[q][c];
  throw std::logic_error("not a total field");
}

void TNewBolla::SetUnits(bool inGrams) {
  inGrams_ = inGrams;
  for (QLabel* unit : units_) unit->setText(inGrams_ ? tr("gr") : tr("Kg"));
  RecomputeBatchView();
}

void TNewBolla::Fill(const BatchEditorInput& input) {
  filling_ = true;
  input_ = input;
  ws_ = input.ws;
  setWindowTitle(input.isNew ? BatchMessages::NewCaption(input.number) : BatchMessages::EditCaption(input.number));
  programma_->clear();
  for (const auto& e : input.programs.entries) programma_->addItem(Q(e.Text()));
  const int index = input.ProgramIndex(ws_.program);
  programma_->setCurrentIndex(index);
  nProgramma_->setText(Q(ws_.program));
  ShowProgramClasses(index);
  const std::pair<const char*, const std::string*> header[] = {
      {"Numero", &ws_.numero},         {"Lotto", &ws_.lotto},         {"CodProd", &ws_.codProd},
      {"NomeProd", &ws_.nomeProd},     {"TotalePart", &ws_.totalePart}, {"numcasse", &ws_.numCasse},
      {"numpedane", &ws_.numPedane},   {"Operatore", &ws_.operatore}};
  // The limits are for typing: a stored text longer than its field is shown
  // and saved whole.
  for (const auto& [name, text] : header) {
    QLineEdit* field = Field(name);
    field->setMaxLength(std::max(TypingLimit(name), static_cast<int>(Q(*text).size())));
    field->setText(Q(*text));
  }
  noteLimit_ = std::max<std::size_t>(kNoteLimit, CharCount(ws_.note));
  codBarLimit_ = std::max<std::size_t>(kNoteLimit, CharCount(ws_.codBar));
  note_->setPlainText(Q(ws_.note));
  codBar_->setPlainText(Q(ws_.codBar));
  dataBolla_->setDate(QDate(ws_.date.year, ws_.date.month, ws_.date.day));
  timeBolla_->setTime(QTime(ws_.date.hour, ws_.date.minute, ws_.date.second));
  corr_->setChecked(false);
  CorrClick();
  if (input.isNew) {
    for (const auto& quality : rows_)
      for (const auto& row : quality) row.share->setText("0");
    for (QLineEdit* share : lavoratoP_) share->setText("0");
  }
  for (QLineEdit* field : TotalFields()) field->setText(Q(WorkingText(field)));
  filling_ = false;
  SetUnits(input.inGrams);
}

void TNewBolla::ShowProgramClasses(int index) {
  const bool known = index >= 0 && static_cast<std::size_t>(index) < input_.classes.size();
  for (std::size_t q = 0; q < kQualities; ++q)
    for (std::size_t c = 0; c < kClasses; ++c) {
      const ClassRow& row = rows_[q][c];
      if (!known) {
        row.name->clear();
        row.range->clear();
        continue;
      }
      const ProgramClasses& p = input_.classes[static_cast<std::size_t>(index)];
      row.name->setText(Q(p.names[q][c]));
      row.range->setText(Q(ClassRangeText(static_cast<long>(p.limits[q][c]), static_cast<long>(p.limits[q][c + 1]))));
    }
}

void TNewBolla::ProgrammaChange(int index) {
  if (filling_ || index < 0) return;
  const std::string code = input_.programs.codes.At(index + 1);
  const auto n = programs::ProgramNumber(code);
  nProgramma_->setText(Q(n ? programs::ProgramCodeText(*n) : code));
  ShowProgramClasses(index);
  ShowValue();
}

void TNewBolla::CommitEditedTotals() {
  if (corr_->isChecked()) return;  // the fields show the recalculated view
  for (QLineEdit* field : TotalFields()) {
    std::string& text = WorkingText(field);
    if (inGrams_) {
      text = field->text().toStdString();
    } else if (field->isModified()) {
      const auto kilograms = i18n::ParseNumber(field->text());
      // Kept as typed when it is no number: the save then names the field.
      text = kilograms ? KilogramsToGramsText(*kilograms) : field->text().toStdString();
    }
    field->setModified(false);
  }
}

void TNewBolla::ShowTotal(QLineEdit* field, const std::string& counted, const std::string& shown) {
  // A text that is not a number stays in sight until it is corrected.
  if (!ParseInteger(counted) && field->isEnabled()) return;
  field->setText(Shown(shown));
  field->setModified(false);
}

void TNewBolla::RecomputeBatchView() {
  const BatchView view = batches::RecomputeBatchView(ws_, corr_->isChecked(), inGrams_);
  for (std::size_t q = 0; q < kQualities; ++q)
    for (std::size_t c = 0; c < kClasses; ++c) {
      const ClassRow& row = rows_[q][c];
      ShowTotal(row.total, ws_.totals[q][c], view.classTotals[q][c]);
      if (view.classShares[q][c]) row.share->setText(Shown(*view.classShares[q][c]));
    }
  for (std::size_t q = 0; q < 5; ++q) {
    if (q < 4)
      lavorato_[q]->setText(Shown(view.qualityTotals[q]));
    else
      ShowTotal(lavorato_[q], ws_.reject, view.qualityTotals[q]);
    if (view.qualityShares[q]) lavoratoP_[q]->setText(Shown(*view.qualityShares[q]));
  }
  totale_->setText(Shown(view.grandTotal));
  ShowValue();
}

void TNewBolla::ShowValue() {
  // The program and the day as the window shows them, the figures as counted.
  const QDate day = dataBolla_->date();
  const prices::PriceList* list =
      input_.priceBook.InForce(nProgramma_->text().toStdString(), {day.year(), day.month(), day.day()});
  valore_->setVisible(list != nullptr);
  if (!list) return;
  const prices::BatchValue v = prices::ValueBatch(WeightsOf(ws_), *list);
  QString text = tr("Valore: %1   (%2 al Kg)   listino dal %3")
                     .arg(i18n::FormatNumber(static_cast<double>(v.value) / 100.0, 2),
                          v.perKg ? i18n::FormatNumber(static_cast<double>(*v.perKg) / 10000.0, 4) : QString("-"),
                          i18n::CurrentLocale().toString(
                              QDate(list->validFrom.year, list->validFrom.month, list->validFrom.day),
                              QLocale::ShortFormat));
  QStringList unpriced;
  for (const prices::PriceKey& k : v.unpriced)
    unpriced << (k.IsReject() ? tr("Scarto") : tr("Q%1 C%2").arg(k.qualita).arg(k.classe));
  if (!unpriced.isEmpty()) text += "   " + tr("Senza prezzo: %1").arg(unpriced.join(", "));
  valore_->setText(text);
}

void TNewBolla::CorrClick() {
  if (corr_->isChecked() && !RecalcAllowed(Field("TotalePart")->text().toStdString())) corr_->setChecked(false);
  const bool on = corr_->isChecked();
  for (QLineEdit* field : TotalFields()) {
    field->setEnabled(!on);
    field->setStyleSheet(on ? "background-color: yellow;" : QString());
  }
  RecomputeBatchView();
}

void TNewBolla::NoteChange(QPlainTextEdit* edit) {
  if (filling_) return;
  const QString typed = edit->toPlainText();
  // A line break typed in the window is the CR LF pair the rule removes.
  std::string raw = typed.toStdString();
  std::string windows;
  for (char ch : raw) windows += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
  const QString clean = Q(NormaliseNote(windows, edit == note_ ? noteLimit_ : codBarLimit_));
  if (clean == typed) return;
  const int caret = edit->textCursor().position();
  const QSignalBlocker quiet(edit);
  edit->setPlainText(clean);
  QTextCursor cursor = edit->textCursor();
  cursor.setPosition(std::min<int>(caret, static_cast<int>(clean.size())));
  edit->setTextCursor(cursor);
  edit->document()->setModified(false);
}

void TNewBolla::PickProducer() {
  if (auto p = pickProducer_(input_.producers)) {
    Field("CodProd")->setText(Q(p->codice));
    Field("NomeProd")->setText(Q(p->descrizione));
  }
}

void TNewBolla::ReadHeader() {
  const std::pair<const char*, std::string*> header[] = {
      {"Numero", &ws_.numero},       {"Lotto", &ws_.lotto},           {"CodProd", &ws_.codProd},
      {"NomeProd", &ws_.nomeProd},   {"TotalePart", &ws_.totalePart}, {"numcasse", &ws_.numCasse},
      {"numpedane", &ws_.numPedane}, {"Operatore", &ws_.operatore}};
  for (const auto& [name, text] : header) *text = Field(name)->text().toStdString();
  ws_.program = nProgramma_->text().toStdString();
  ws_.note = NormaliseNote(note_->toPlainText().toStdString(), noteLimit_);
  ws_.codBar = NormaliseNote(codBar_->toPlainText().toStdString(), codBarLimit_);
  const QDate day = dataBolla_->date();
  const QTime time = timeBolla_->time();
  ws_.date = {day.year(), day.month(), day.day(), time.hour(), time.minute(), time.second()};
}

QString TNewBolla::FieldCaption(const std::string& field) const {
  int c = 0, q = 0;
  if (std::sscanf(field.c_str(), "TotC%dQ%d", &c, &q) == 2) return tr("Totale calibro %1, Qualita %2").arg(c).arg(q);
  if (field == "LavoratoQ5") return tr("Scarto");
  if (field == "TotalePart") return tr("Tot Partita");
  if (field == "numcasse") return tr("num. Casse");
  return tr("num. Pedane");
}

void TNewBolla::done(int result) {
  if (result == QDialog::Accepted) {
    // Stored totals are always the counted ones.
    corr_->setChecked(false);
    CorrClick();
    CommitEditedTotals();
    ReadHeader();
    if (auto bad = CheckBatchTexts(ws_)) {
      showError_(BatchMessages::NotAnInteger(FieldCaption(bad->field), Q(bad->text)));
      QLineEdit* field = Field(Q(bad->field));
      for (int q = 0; q < kQualities; ++q)
        if (pages_->widget(q)->isAncestorOf(field)) pages_->setCurrentIndex(q);
      field->setFocus();
      return;
    }
  }
  QDialog::done(result);
}

void TNewBolla::ResolveProgram(QWidget* parent, BatchEditorInput& input, const ProgramPicker& picker,
                               const std::function<void(const QString&)>& inform) {
  if (input.program == BatchEditorInput::Program::ArchiveEmpty) {
    if (input.isNew) return;
    if (inform)
      inform(BatchMessages::EmptyProgramArchive());
    else
      QMessageBox::information(parent, QString(), BatchMessages::EmptyProgramArchive());
    return;
  }
  if (input.program != BatchEditorInput::Program::Missing) return;
  ProgramPicker pick = picker ? picker : [parent](const programs::ProgramLists& lists) -> std::optional<int> {
    programs::TListaProgrammi list(parent);
    list.SetPrograms(lists);
    list.setWindowTitle(BatchMessages::MissingProgramCaption());
    const auto labels = list.findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
    if (labels.size() >= 2) {
      labels[0]->setText(BatchMessages::MissingProgramLabel());
      labels[1]->setText(BatchMessages::ProgramCountLabel());
    }
    if (list.exec() != QDialog::Accepted) return std::nullopt;
    return list.SelectedPosition();
  };
  std::optional<int> position;
  // Forced: shown again until the choice is a stored program.
  while (!(position = pick(input.programs)) || *position < 1 || *position > input.programs.Count()) {
  }
  const std::string code = input.programs.codes.At(*position);
  const auto n = programs::ProgramNumber(code);
  input.ws.program = n ? programs::ProgramCodeText(*n) : code;
  input.program = BatchEditorInput::Program::Found;
}

}  // namespace kv7::batches
