#include "reports/TImpCosti.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

#include "i18n/LanguageModules.h"
#include "i18n/Numbers.h"

namespace kv7::reports {
namespace {

constexpr int kMaxPersons = 99;
constexpr double kMaxLire = 999999;

// Fields the operator edits again are written without thousands groups, so
// that what is shown reads back as the same number.
QString Fixed(double value, int decimals, int width) {
  QLocale locale = i18n::CurrentLocale();
  locale.setNumberOptions(QLocale::OmitGroupSeparator);
  return locale.toString(value, 'f', decimals).rightJustified(width, QLatin1Char(' '));
}

bool IsWholeNumber(const QString& text) {
  const QString t = text.trimmed();
  if (t.isEmpty()) return false;
  for (QChar ch : t)
    if (!ch.isDigit()) return false;
  return true;
}

QLineEdit* Field(const QString& name, QWidget* parent, bool readOnly = false) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(name);
  e->setAlignment(Qt::AlignRight);
  e->setReadOnly(readOnly);
  if (readOnly) e->setFocusPolicy(Qt::NoFocus);
  return e;
}

}  // namespace

TImpCosti::TImpCosti(QWidget* parent) : QDialog(parent) {
  setObjectName("TImpCosti");
  auto* grid = new QGridLayout;
  personsHead_ = new QLabel(this);
  costHead_ = new QLabel(this);
  grid->addWidget(personsHead_, 0, 1);
  grid->addWidget(costHead_, 0, 2);
  for (std::size_t i = 0; i < kCategories; ++i) {
    const int row = static_cast<int>(i) + 1;
    categories_[i] = new QLabel(this);
    nPers_[i] = Field(QString("NPers%1").arg(row), this);
    nPers_[i]->setMaxLength(2);
    costoL_[i] = Field(QString("CostoL%1").arg(row), this);
    costoL_[i]->hide();  // the lire are kept, the current currency is typed
    costoE_[i] = Field(QString("CostoE%1").arg(row), this);
    grid->addWidget(categories_[i], row, 0);
    grid->addWidget(nPers_[i], row, 1);
    grid->addWidget(costoE_[i], row, 2);
    categories_[i]->setBuddy(nPers_[i]);
    connect(nPers_[i], &QLineEdit::textEdited, this, [this] { Recompute(); });
    connect(costoL_[i], &QLineEdit::textEdited, this, [this, i] { LireEdited(i); });
    connect(costoE_[i], &QLineEdit::textEdited, this, [this, i] { CurrencyEdited(i); });
  }
  costoCompL_ = Field("CostoCompL", this, true);
  costoCompE_ = Field("CostoCompE", this, true);
  costoMinutoL_ = Field("CostoMinutoL", this, true);
  costoMinutoE_ = Field("CostoMinutoE", this, true);
  costoCompL_->hide();
  costoMinutoL_->hide();
  hourlyCaption_ = new QLabel(this);
  minuteCaption_ = new QLabel(this);
  grid->addWidget(hourlyCaption_, 4, 0, 1, 2);
  grid->addWidget(costoCompE_, 4, 2);
  grid->addWidget(minuteCaption_, 5, 0, 1, 2);
  grid->addWidget(costoMinutoE_, 5, 2);

  salva_ = new QPushButton(this);
  salva_->setObjectName("Salva");
  salva_->setDefault(true);
  annulla_ = new QPushButton(this);
  annulla_->setObjectName("Annulla");
  connect(salva_, &QPushButton::clicked, this, [this] { Save(); });
  connect(annulla_, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(salva_);
  buttons->addWidget(annulla_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(buttons);
  RetranslateUi();
}

void TImpCosti::RetranslateUi() {
  setWindowTitle(tr("Impostazione Costi"));
  personsHead_->setText(tr("Persone"));
  costHead_->setText(tr("Costo orario"));
  for (std::size_t i = 0; i < kCategories; ++i) categories_[i]->setText(tr("Categoria %1").arg(i + 1));
  hourlyCaption_->setText(tr("Costo orario complessivo"));
  minuteCaption_->setText(tr("Costo / Minuto"));
  salva_->setText(tr("&Salva"));
  annulla_->setText(tr("&Annulla"));
}

void TImpCosti::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) RetranslateUi();
  QDialog::changeEvent(event);
}

void TImpCosti::SetCosts(const store::ProcessingCosts& costs) {
  for (std::size_t i = 0; i < kCategories; ++i) {
    const double persons = i18n::ParseNumber(QString::fromStdString(costs.persons[i])).value_or(0);
    const double lire = i18n::ParseNumber(QString::fromStdString(costs.hourlyCost[i])).value_or(0);
    nPers_[i]->setText(QString::number(static_cast<int>(persons)));
    costoL_[i]->setText(Fixed(lire, 0, 4));
    costoE_[i]->setText(Fixed(LireToCurrency(lire), 2, 4));
  }
  Recompute();
  nPers_[0]->setFocus();
}

void TImpCosti::LireEdited(std::size_t i) {
  if (IsWholeNumber(costoL_[i]->text()))
    costoE_[i]->setText(Fixed(LireToCurrency(costoL_[i]->text().trimmed().toDouble()), 2, 4));
  Recompute();
}

void TImpCosti::CurrencyEdited(std::size_t i) {
  if (auto v = i18n::ParseNumber(costoE_[i]->text())) costoL_[i]->setText(Fixed(CurrencyToLire(*v), 0, 4));
  Recompute();
}

void TImpCosti::Recompute() {
  for (std::size_t i = 0; i < kCategories; ++i) {
    // A field that is not a number counts with the last value read from it.
    if (auto v = i18n::ParseNumber(nPers_[i]->text())) persons_[i] = *v;
    if (auto v = i18n::ParseNumber(costoL_[i]->text())) lire_[i] = *v;
  }
  const CostTotals t = ComputeCostTotals(persons_, lire_);
  costoCompL_->setText(Fixed(t.hourly, 0, 7));
  costoCompE_->setText(Fixed(t.HourlyCurrency(), 3, 0));
  costoMinutoL_->setText(Fixed(t.perMinute, 0, 7));
  costoMinutoE_->setText(Fixed(t.PerMinuteCurrency(), 3, 0));
}

double TImpCosti::CostPerMinute() const { return i18n::ParseNumber(costoMinutoL_->text()).value_or(0); }

store::ProcessingCosts TImpCosti::Costs() const {
  store::ProcessingCosts costs;
  for (std::size_t i = 0; i < kCategories; ++i) {
    const double persons = i18n::ParseNumber(nPers_[i]->text()).value_or(0);
    const double lire = i18n::ParseNumber(costoL_[i]->text()).value_or(0);
    costs.persons[i] = std::to_string(std::llround(persons));
    costs.hourlyCost[i] = std::to_string(std::llround(lire));
  }
  return costs;
}

void TImpCosti::Save() {
  for (std::size_t i = 0; i < kCategories; ++i) {
    const double persons = i18n::ParseNumber(nPers_[i]->text()).value_or(0);
    const double lire = i18n::ParseNumber(costoL_[i]->text()).value_or(0);
    if (persons < 0 || persons > kMaxPersons || lire < 0 || lire > kMaxLire) {
      QMessageBox::warning(this, windowTitle(), tr("I valori della categoria %1 sono fuori misura").arg(i + 1));
      (persons < 0 || persons > kMaxPersons ? nPers_[i] : costoE_[i])->setFocus();
      return;
    }
  }
  emit Saved(Costs());
  accept();
}

}  // namespace kv7::reports
