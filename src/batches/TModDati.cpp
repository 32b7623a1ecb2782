#include "batches/TModDati.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimeEdit>
#include <QVBoxLayout>

#include "batches/EnterKey.h"
#include "batches/TListaProduttori.h"
#include "ui/WholeNumberField.h"


namespace kv7::batches {
namespace {

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

}  // namespace

TModDati::TModDati(QWidget* parent) : QDialog(parent) {
  setObjectName("TModDati");
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  auto* top = new QFormLayout;
  layout->addLayout(top);
  auto add = [&](QFormLayout* form, const char* name, const char* label, int limit) {
    QLineEdit* e = AddField(name, label, limit);
    form->addRow(fields_.back().label, e);
    return e;
  };
  QLineEdit* numero = add(top, "Numero", QT_TRANSLATE_NOOP("kv7::batches::TModDati", "Bolla ritiro N:"), 6);
  producerGroup_ = new QGroupBox(this);
  auto* producer = new QFormLayout(producerGroup_);
  QLineEdit* codice = add(producer, "Codice", QT_TRANSLATE_NOOP("kv7::batches::TModDati", "Codice :"), 4);
  add(producer, "Descrizione", QT_TRANSLATE_NOOP("kv7::batches::TModDati", "Descrizione :"), 20);
  change_ = new QPushButton(producerGroup_);
  change_->setObjectName("Button2");
  change_->setAutoDefault(false);
  producer->addRow(change_);
  layout->addWidget(producerGroup_);
  auto* rest = new QFormLayout;
  layout->addLayout(rest);
  add(rest, "Note", QT_TRANSLATE_NOOP("kv7::batches::TModDati", "Note :"), 30);
  QLineEdit* total = add(rest, "totPartita", QT_TRANSLATE_NOOP("kv7::batches::TModDati", "Totale Partita kg:"), 6);
  QLineEdit* lotto = add(rest, "Lotto", QT_TRANSLATE_NOOP("kv7::batches::TModDati", "Lotto N:"), 15);
  QLineEdit* casse = add(rest, "numcasse", QT_TRANSLATE_NOOP("kv7::batches::TModDati", "N Casse:"), 6);
  QLineEdit* pedane = add(rest, "numpedane", QT_TRANSLATE_NOOP("kv7::batches::TModDati", "N Pedane:"), 6);
  QLineEdit* operatore = add(rest, "Operatore", QT_TRANSLATE_NOOP("kv7::batches::TModDati", "Operatore:"), 2);
  auto* when = new QHBoxLayout;
  date1_ = new QDateEdit(this);
  date1_->setObjectName("Date1");
  date1_->setCalendarPopup(true);
  time1_ = new QTimeEdit(this);
  time1_->setObjectName("Time1");
  time1_->setDisplayFormat("HH:mm:ss");
  forceDate_ = new QCheckBox(this);
  forceDate_->setObjectName("ForceDate");
  when->addWidget(date1_);
  when->addWidget(time1_);
  when->addWidget(forceDate_);
  layout->addLayout(when);
  save_ = new QPushButton(this);
  save_->setObjectName("Button1");
  layout->addWidget(save_, 0, Qt::AlignRight);
  connect(save_, &QPushButton::clicked, this, &QDialog::accept);
  connect(change_, &QPushButton::clicked, this, &TModDati::PickProducer);

  for (QLineEdit* e : {total, casse, pedane}) ui::WholeNumberField::Attach(e);
  for (QLineEdit* e : {numero, lotto, casse, pedane, operatore})
    new EnterKey(e, [total] { total->setFocus(); });
  new EnterKey(total, [this] { save_->setFocus(); });
  new EnterKey(codice, [this] { LookupProducer(); });
  pick_ = [this](const std::vector<Producer>& producers) -> std::optional<Producer> {
    TListaProduttori list(this);
    list.SetProducers(producers);
    if (list.exec() != QDialog::Accepted) return std::nullopt;
    return list.Selected();
  };
  RetranslateUi();
}

QLineEdit* TModDati::AddField(const char* name, const char* label, int limit) {
  auto* edit = new QLineEdit(this);
  edit->setObjectName(name);
  edit->setMaxLength(limit);
  auto* l = new QLabel(this);
  l->setBuddy(edit);
  fields_.push_back({l, edit, label});
  return edit;
}

void TModDati::RetranslateUi() {
  setWindowTitle(tr("Dati Bolla"));
  for (const auto& f : fields_) f.label->setText(tr(f.text));
  producerGroup_->setTitle(tr("Produttore"));
  change_->setText(tr("Cambia"));
  forceDate_->setText(tr("Forza Data "));
  save_->setText(tr("Salva"));
}

void TModDati::changeEvent(QEvent* e) {
  if (e->type() == QEvent::LanguageChange) RetranslateUi();
  QDialog::changeEvent(e);
}

QLineEdit* TModDati::Field(const QString& name) const {
  for (const auto& f : fields_)
    if (f.edit->objectName() == name) return f.edit;
  return nullptr;
}

void TModDati::Fill(const ProcessingData& d) {
  const std::pair<const char*, const std::string*> texts[] = {
      {"Numero", &d.numero},         {"Codice", &d.codice}, {"Descrizione", &d.descrizione},
      {"Note", &d.note},             {"totPartita", &d.totPartita}, {"Lotto", &d.lotto},
      {"numcasse", &d.numCasse},     {"numpedane", &d.numPedane},   {"Operatore", &d.operatore}};
  for (const auto& [name, text] : texts) Field(name)->setText(Q(*text));
  forceDate_->setChecked(d.forceDate);
  date1_->setDate(QDate(d.date1.year, d.date1.month, d.date1.day));
  time1_->setTime(QTime(d.date1.hour, d.date1.minute, d.date1.second));
}

ProcessingData TModDati::Data() const {
  ProcessingData d;
  auto text = [this](const char* name) { return Field(name)->text().toStdString(); };
  d.numero = text("Numero");
  d.codice = text("Codice");
  d.descrizione = text("Descrizione");
  d.note = text("Note");
  d.totPartita = text("totPartita");
  d.lotto = text("Lotto");
  d.numCasse = text("numcasse");
  d.numPedane = text("numpedane");
  d.operatore = text("Operatore");
  d.forceDate = forceDate_->isChecked();
  const QDate day = date1_->date();
  const QTime time = time1_->time();
  d.date1 = {day.year(), day.month(), day.day(), time.hour(), time.minute(), time.second()};
  return d;
}

void TModDati::LookupProducer() {
  // A code no producer has leaves the description as it is.
  if (auto name = LookupProducerByCode(producers_, Field("Codice")->text().toStdString()))
    Field("Descrizione")->setText(Q(*name));
}

void TModDati::PickProducer() {
  if (auto p = pick_(producers_)) {
    Field("Codice")->setText(Q(p->codice));
    Field("Descrizione")->setText(Q(p->descrizione));
  }
}

void TModDati::showEvent(QShowEvent* e) {
  entryCode_ = Field("Codice")->text();
  entryName_ = Field("Descrizione")->text();
  entryNumber_ = Field("Numero")->text();
  entryNote_ = Field("Note")->text();
  Field("Numero")->setFocus();
  QDialog::showEvent(e);
}

void TModDati::done(int result) {
  if (result != QDialog::Accepted) {
    Field("Codice")->setText(entryCode_);
    Field("Descrizione")->setText(entryName_);
    Field("Numero")->setText(entryNumber_);
    Field("Note")->setText(entryNote_);
  }
  QDialog::done(result);
}

}  // namespace kv7::batches
