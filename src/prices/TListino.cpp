#include "prices/TListino.h"

#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <cmath>

#include "i18n/LanguageModules.h"
#include "i18n/Numbers.h"

namespace kv7::prices {
namespace {

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

QDate ToQDate(const store::DbDateTime& d) {
  return QDate(d.year, d.month, d.day);
}

store::DbDateTime FromQDate(const QDate& d) {
  return store::DbDateTime{d.year(), d.month(), d.day()};
}

// A typed price in the language's number format; nullopt when it is not a
// price (negative, or more than four decimals).
std::optional<Price> ReadTyped(const QString& text) {
  const auto v = i18n::ParseNumber(text);
  if (!v || *v < 0 || *v >= 1e8) return std::nullopt;
  const double scaled = *v * 10000.0;
  const auto price = static_cast<Price>(std::llround(scaled));
  if (std::fabs(scaled - static_cast<double>(price)) > 1e-6) return std::nullopt;
  return price;
}

}  // namespace

TListino::TListino(QWidget* parent) : QDialog(parent) {
  setObjectName("TListino");
  setModal(true);
  showError_ = [this](const QString& text) { QMessageBox::critical(this, windowTitle(), text); };
  auto* layout = new QVBoxLayout(this);
  auto* head = new QHBoxLayout;
  program_ = new QLabel(this);
  program_->setObjectName("Programma");
  validFromLabel_ = new QLabel(this);
  validFrom_ = new QDateEdit(this);
  validFrom_->setObjectName("ValidoDal");
  validFrom_->setCalendarPopup(true);
  listsLabel_ = new QLabel(this);
  lists_ = new QComboBox(this);
  lists_->setObjectName("Listini");
  head->addWidget(program_, 1);
  head->addWidget(validFromLabel_);
  head->addWidget(validFrom_);
  head->addWidget(listsLabel_);
  head->addWidget(lists_);
  layout->addLayout(head);
  connect(lists_, &QComboBox::activated, this, [this](int i) {
    if (i >= 0 && std::size_t(i) < input_.lists.size()) ShowList(&input_.lists[std::size_t(i)]);
  });

  pages_ = new QTabWidget(this);
  pages_->setObjectName("PageControl1");
  for (int q = 1; q <= kQualities; ++q) pages_->addTab(BuildPage(q), QString());
  layout->addWidget(pages_);

  auto* foot = new QHBoxLayout;
  rejectLabel_ = new QLabel(this);
  reject_ = new QLineEdit(this);
  reject_->setObjectName("PrezzoQ5");
  reject_->setAlignment(Qt::AlignRight);
  foot->addWidget(rejectLabel_);
  foot->addWidget(reject_);
  foot->addStretch();
  save_ = new QPushButton(this);
  save_->setObjectName("Salva");
  save_->setDefault(true);
  cancel_ = new QPushButton(this);
  cancel_->setObjectName("Annulla");
  connect(save_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  foot->addWidget(save_);
  foot->addWidget(cancel_);
  layout->addLayout(foot);
  RetranslateUi();
}

QWidget* TListino::BuildPage(int q) {
  auto* page = new QWidget;
  page->setObjectName(QString("TabSheet%1").arg(q));
  auto* grid = new QGridLayout(page);
  grid->setVerticalSpacing(2);
  const auto qi = std::size_t(q - 1);
  for (int i = 0; i < 3; ++i) {
    headings_[qi][std::size_t(i)] = new QLabel(page);
    grid->addWidget(headings_[qi][std::size_t(i)], 0, i + 1);
  }
  for (int c = 1; c <= kClasses; ++c) {
    const auto ci = std::size_t(c - 1);
    names_[qi][ci] = new QLabel(page);
    names_[qi][ci]->setObjectName(QString("NomeCal%1Q%2").arg(c).arg(q));
    ranges_[qi][ci] = new QLabel(page);
    ranges_[qi][ci]->setObjectName(QString("PesoCal%1Q%2").arg(c).arg(q));
    prices_[qi][ci] = new QLineEdit(page);
    prices_[qi][ci]->setObjectName(QString("Prezzo%1Q%2").arg(c).arg(q));
    prices_[qi][ci]->setAlignment(Qt::AlignRight);
    grid->addWidget(new QLabel(QString::number(c), page), c, 0);
    grid->addWidget(names_[qi][ci], c, 1);
    grid->addWidget(ranges_[qi][ci], c, 2);
    grid->addWidget(prices_[qi][ci], c, 3);
  }
  return page;
}

void TListino::RetranslateUi() {
  setWindowTitle(tr("Listino prezzi"));
  validFromLabel_->setText(tr("Valido dal"));
  listsLabel_->setText(tr("Listini"));
  rejectLabel_->setText(tr("Prezzo Scarto (Q5)"));
  save_->setText(tr("Salva"));
  cancel_->setText(tr("Annulla"));
  for (int q = 1; q <= kQualities; ++q) {
    pages_->setTabText(q - 1, tr("Qualita %1").arg(q));
    auto& h = headings_[std::size_t(q - 1)];
    h[0]->setText(tr("Calibro"));
    h[1]->setText(tr("Peso"));
    h[2]->setText(tr("Prezzo al Kg"));
  }
  program_->setText(tr("Programma %1  %2").arg(Q(input_.programCode), Q(input_.description)));
}

void TListino::changeEvent(QEvent* e) {
  if (e->type() == QEvent::LanguageChange) RetranslateUi();
  QDialog::changeEvent(e);
}

QLineEdit* TListino::PriceField(PriceKey k) const {
  if (k.IsReject()) return reject_;
  return prices_[std::size_t(k.qualita - 1)][std::size_t(k.classe - 1)];
}

QLineEdit* TListino::Field(const QString& name) const {
  return findChild<QLineEdit*>(name);
}

void TListino::Fill(const PriceListInput& in) {
  input_ = in;
  for (std::size_t q = 0; q < kQualities; ++q)
    for (std::size_t c = 0; c < kClasses; ++c) {
      names_[q][c]->setText(Q(in.names[q][c]));
      ranges_[q][c]->setText(Q(in.ranges[q][c]));
    }
  lists_->clear();
  const QLocale locale = i18n::CurrentLocale();
  for (const PriceList& l : in.lists) lists_->addItem(locale.toString(ToQDate(l.validFrom), QLocale::ShortFormat));
  lists_->setEnabled(!in.lists.empty());
  const PriceList* shown = ListToShow(in);
  if (shown) lists_->setCurrentIndex(static_cast<int>(shown - in.lists.data()));
  ShowList(shown);
  pages_->setCurrentIndex(0);
  RetranslateUi();
  prices_[0][0]->setFocus();
}

void TListino::ShowList(const PriceList* list) {
  validFrom_->setDate(ToQDate(list ? list->validFrom : input_.today));
  for (const PriceKey& k : AllPriceKeys()) {
    QLineEdit* field = PriceField(k);
    field->clear();
    if (!list) continue;
    const auto p = list->prices.find(k);
    if (p != list->prices.end()) field->setText(i18n::FormatNumber(static_cast<double>(p->second) / 10000.0, 4));
  }
}

void TListino::accept() {
  PriceList out{input_.programCode, FromQDate(validFrom_->date()), {}};
  for (const PriceKey& k : AllPriceKeys()) {
    QLineEdit* field = PriceField(k);
    if (field->text().trimmed().isEmpty()) continue;
    const auto price = ReadTyped(field->text());
    if (!price) {
      if (!k.IsReject()) pages_->setCurrentIndex(k.qualita - 1);
      field->setFocus();
      field->selectAll();
      showError_(tr("Prezzo non valido: %1").arg(field->text()));
      return;
    }
    out.prices[k] = *price;
  }
  result_ = std::move(out);
  QDialog::accept();
}

}  // namespace kv7::prices
