#include "ui/TMain.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

#include "i18n/MessageCatalogue.h"
#include "ui/TranslatedText.h"
#include "ui/WholeNumberField.h"

namespace kv7::ui {
namespace {

// Shares of the status bar's width: the panels as designed (205, 90, 240,
// 145, 130), the last two a little wider so the longest reject-station and
// board-state texts fit in the larger console font.
constexpr int kPanelWidths[TMain::kPanels] = {165, 90, 262, 150, 160, 140};

// Widest texts the cells must show without clipping: totals are 8
// characters in grams, shares "100.00", ranges "0000-0000", names 6.
constexpr const char* kWidestTotal = "88888888";
constexpr const char* kWidestShare = "100.00";
constexpr const char* kWidestRange = "8888-8888";
constexpr const char* kWidestName = "WWWWWW";

// Colours of the console: a calm blue ground, white figures, yellow shares.
const QColor kGround(0xc8, 0xd5, 0xe3);
const QColor kInk(0x10, 0x24, 0x3a);
const QColor kNameGround(0xf4, 0xf7, 0xfb);
const QColor kShareGround(0xff, 0xf6, 0xcc);
const QColor kGrandGround(0x0f, 0x3a, 0x66);

void Paint(QWidget* w, const QColor& ground, const QColor& ink) {
  QPalette p = w->palette();
  p.setColor(QPalette::Window, ground);
  p.setColor(QPalette::WindowText, ink);
  w->setPalette(p);
  w->setAutoFillBackground(true);
}

enum class Cell { Name, Range, Total, Share, Grand, Unit };

// A display cell: framed box, plain text, a little air either side.
QLabel* MakeCell(const QString& name, Cell kind, Qt::Alignment alignment, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setAlignment(alignment | Qt::AlignVCenter);
  label->setTextFormat(Qt::PlainText);
  switch (kind) {
    case Cell::Name:
    case Cell::Range:
      Paint(label, kNameGround, kInk);
      break;
    case Cell::Total:
      Paint(label, Qt::white, Qt::black);
      break;
    case Cell::Share:
      Paint(label, kShareGround, Qt::black);
      break;
    case Cell::Grand:
      Paint(label, kGrandGround, Qt::white);
      break;
    case Cell::Unit:
      return label;
  }
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  label->setLineWidth(1);
  label->setContentsMargins(4, 0, 4, 0);
  return label;
}

constexpr const char* kContext = "kv7::ui::TMain";

// A caption on the blue ground; `source` is its Italian text.
QLabel* MakeText(const char* source, QWidget* parent) {
  auto* label = new QLabel(parent);
  if (source != nullptr && *source != '\0') SetSourceText(label, kContext, QString::fromUtf8(source));
  QPalette p = label->palette();
  p.setColor(QPalette::WindowText, kInk);
  label->setPalette(p);
  return label;
}

QPixmap AlarmPicture(int size) {
  QPixmap pix(size, size);
  pix.fill(Qt::transparent);
  QPainter p(&pix);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath tri;
  tri.moveTo(size / 2.0, 2);
  tri.lineTo(size - 2, size - 2);
  tri.lineTo(2, size - 2);
  tri.closeSubpath();
  p.fillPath(tri, QColor(230, 30, 20));
  p.setPen(QPen(Qt::black, 2));
  p.drawPath(tri);
  QFont f;
  f.setBold(true);
  f.setPixelSize(size * 6 / 10);
  p.setFont(f);
  p.setPen(Qt::white);
  p.drawText(QRect(0, size / 4, size, size * 3 / 4), Qt::AlignCenter, "!");
  return pix;
}

}  // namespace

TMain::TMain(QWidget* parent) : QMainWindow(parent) {
  setObjectName("TMain");
  setMinimumSize(1000, 700);
  BuildMenus();
  BuildCentral();
  BuildStatusBar();
  ConnectLanguageEntries();
  SetCaption(QString::fromUtf8(QT_TRANSLATE_NOOP("Messages", "KV7 Campionatrice")));
  RetranslateUi();

  // Every control that can hold the focus reports its key releases here.
  for (QWidget* w : findChildren<QWidget*>()) {
    if (w->focusPolicy() != Qt::NoFocus) w->installEventFilter(this);
  }
  ApplyScale();
}

TMain::~TMain() = default;

void TMain::BuildCentral() {
  auto* panel = new QWidget(this);
  panel->setObjectName("Panel");
  Paint(panel, kGround, kInk);
  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(6, 4, 6, 4);
  layout->setSpacing(4);
  layout->addWidget(BuildHeader());

  auto* body = new QHBoxLayout;
  body->setSpacing(8);
  pageControl1_ = new QTabWidget(panel);
  pageControl1_->setObjectName("PageControl1");
  for (int q = 1; q <= kQualities; ++q) {
    pageControl1_->addTab(BuildQualityPage(q), QString());
  }
  body->addWidget(pageControl1_, 3);
  body->addWidget(BuildSummary(), 2);
  layout->addLayout(body, 1);
  setCentralWidget(panel);

  QWidget::setTabOrder(numBolla_, totPartita_);
  QWidget::setTabOrder(totPartita_, checkStpTotP_);
  QWidget::setTabOrder(checkStpTotP_, checkPreview_);
  QWidget::setTabOrder(checkPreview_, pageControl1_);
  QWidget::setTabOrder(pageControl1_, image2_);
  QWidget::setTabOrder(image2_, memo1_);
}

QWidget* TMain::BuildHeader() {
  auto* header = new QWidget(this);
  auto* row = new QHBoxLayout(header);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(6);

  image1_ = new QLabel(header);
  image1_->setObjectName("Image1");
  image1_->setAlignment(Qt::AlignCenter);
  image1_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Paint(image1_, Qt::white, kInk);
  row->addWidget(image1_);

  auto* entry = new QGridLayout;
  entry->setHorizontalSpacing(6);
  entry->setVerticalSpacing(2);
  numBolla_ = new QLineEdit(header);
  numBolla_->setObjectName("numBolla");
  numBolla_->setMaxLength(6);
  totPartita_ = new QLineEdit(header);
  totPartita_->setObjectName("totPartita");
  totPartita_->setMaxLength(6);
  totPartita_->setText("0");
  WholeNumberField::Attach(totPartita_);
  for (QLineEdit* e : {numBolla_, totPartita_}) {
    e->setAlignment(Qt::AlignRight);
  }
  auto* bollaLabel = MakeText(QT_TR_NOOP("&Bolla N:"), header);
  bollaLabel->setObjectName("LabelBolla");
  bollaLabel->setBuddy(numBolla_);
  auto* totLabel = MakeText(QT_TR_NOOP("T&otale Partita kg:"), header);
  totLabel->setObjectName("LabelTotPartita");
  totLabel->setBuddy(totPartita_);
  entry->addWidget(bollaLabel, 0, 0);
  entry->addWidget(numBolla_, 0, 1);
  entry->addWidget(totLabel, 1, 0);
  entry->addWidget(totPartita_, 1, 1);
  row->addLayout(entry);
  connect(numBolla_, &QLineEdit::returnPressed, this, [this] {
    emit numBollaEnter(numBolla_->text());
    totPartita_->setFocus();
  });
  connect(numBolla_, &QLineEdit::textEdited, this, &TMain::numBollaEdited);
  connect(totPartita_, &QLineEdit::textEdited, this, &TMain::totPartitaEdited);
  connect(totPartita_, &QLineEdit::returnPressed, this, [this] {
    emit totPartitaEnter(totPartita_->text());
    numBolla_->setFocus();
  });

  auto* checks = new QVBoxLayout;
  checks->setSpacing(2);
  checkStpTotP_ = new QCheckBox(header);
  checkStpTotP_->setObjectName("CheckStpTotP");
  SetSourceText(checkStpTotP_, kContext, QT_TR_NOOP("Stampa con totale partita"));
  connect(checkStpTotP_, &QCheckBox::toggled, this, &TMain::CheckStpTotPClick);
  checkPreview_ = new QCheckBox(header);
  checkPreview_->setObjectName("CheckPreview");
  SetSourceText(checkPreview_, kContext, QT_TR_NOOP("Preview stampa"));
  checks->addWidget(checkStpTotP_);
  checks->addWidget(checkPreview_);
  row->addLayout(checks);
  row->addStretch(1);

  label53_ = new QLabel(header);
  label53_->setObjectName("Label53");
  SetSourceText(label53_, kContext, QT_TR_NOOP("Blocco Alimentazione"));
  label53_->setAlignment(Qt::AlignCenter);
  label53_->setContentsMargins(8, 2, 8, 2);
  label53_->setWordWrap(true);  // two lines where the header is narrow
  Paint(label53_, QColor(0xc0, 0, 0), Qt::white);
  label53_->hide();
  row->addWidget(label53_);

  auto* cups = new QGridLayout;
  cups->setHorizontalSpacing(4);
  cups->setVerticalSpacing(2);
  label55_ = MakeText(QT_TR_NOOP("Tazza / Tazze bad"), header);
  label55_->setObjectName("Label55");
  numtazza_ = new QLineEdit(header);
  numtazza_->setObjectName("numtazza");
  tazzebad_ = new QLineEdit(header);
  tazzebad_->setObjectName("tazzebad");
  for (QLineEdit* e : {numtazza_, tazzebad_}) {
    e->setReadOnly(true);
    e->setAlignment(Qt::AlignRight);
  }
  cups->addWidget(label55_, 0, 0, 1, 2, Qt::AlignCenter);
  cups->addWidget(numtazza_, 1, 0);
  cups->addWidget(tazzebad_, 1, 1);
  row->addLayout(cups);

  image2_ = new QToolButton(header);
  image2_->setObjectName("Image2");
  image2_->setAutoRaise(true);
  image2_->hide();
  connect(image2_, &QToolButton::clicked, this, &TMain::Image2Click);
  row->addWidget(image2_);
  return header;
}

QWidget* TMain::BuildQualityPage(int q) {
  auto* page = new QWidget;
  page->setObjectName(QString("TabSheet%1").arg(q));
  auto* grid = new QGridLayout(page);
  grid->setContentsMargins(6, 4, 6, 4);
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(3);
  const char* heads[] = {"", QT_TR_NOOP("Calibro"), QT_TR_NOOP("Peso"), QT_TR_NOOP("Totale"), "", "%"};
  for (int col = 0; col < 6; ++col) {
    auto* head = MakeText(heads[col], page);
    head->setAlignment(col >= 3 ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter);
    grid->addWidget(head, 0, col);
  }
  for (int c = 1; c <= kClasses; ++c) {
    const QString suffix = QString("%1Q%2").arg(c).arg(q);
    const int i = CellIndex(c, q);
    auto* number = MakeText(nullptr, page);
    number->setText(QString::number(c));
    number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    nomeCal_[i] = MakeCell("NomeCal" + suffix, Cell::Name, Qt::AlignLeft, page);
    pesoCal_[i] = MakeCell("PesoCal" + suffix, Cell::Range, Qt::AlignLeft, page);
    totC_[i] = MakeCell("TotC" + suffix, Cell::Total, Qt::AlignRight, page);
    const int unit = (q - 1) * kClasses + c;
    units_[unit - 1] = MakeCell(QString("unit%1").arg(unit), Cell::Unit, Qt::AlignLeft, page);
    totP_[i] = MakeCell("TotP" + suffix, Cell::Share, Qt::AlignRight, page);
    grid->addWidget(number, c, 0);
    grid->addWidget(nomeCal_[i], c, 1);
    grid->addWidget(pesoCal_[i], c, 2);
    grid->addWidget(totC_[i], c, 3);
    grid->addWidget(units_[unit - 1], c, 4);
    grid->addWidget(totP_[i], c, 5);
    grid->setRowStretch(c, 1);
  }
  grid->setColumnStretch(1, 2);
  grid->setColumnStretch(2, 2);
  grid->setColumnStretch(3, 3);
  grid->setColumnStretch(5, 2);
  return page;
}

QWidget* TMain::BuildSummary() {
  auto* column = new QWidget(this);
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(6);

  auto* totals = new QGroupBox(column);
  totals->setObjectName("GroupTotali");
  SetSourceText(totals, kContext, QT_TR_NOOP("Totali lavorazione"));
  auto* grid = new QGridLayout(totals);
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(4);
  auto* h1 = MakeText(QT_TR_NOOP("Totale"), totals);
  auto* h2 = MakeText("%", totals);
  h1->setAlignment(Qt::AlignRight);
  h2->setAlignment(Qt::AlignRight);
  grid->addWidget(h1, 0, 1);
  grid->addWidget(h2, 0, 3);
  for (int q = 1; q <= 5; ++q) {
    qualityTitles_[q - 1] = MakeText(q < 5 ? nullptr : QT_TR_NOOP("Scarto"), totals);
    grid->addWidget(qualityTitles_[q - 1], q, 0);
    lavoratoQ_[q - 1] = MakeCell(QString("LavoratoQ%1").arg(q), Cell::Total, Qt::AlignRight, totals);
    units_[60 + q - 1] = MakeCell(QString("unit%1").arg(60 + q), Cell::Unit, Qt::AlignLeft, totals);
    lavoratoPQ_[q - 1] = MakeCell(QString("LavoratoPQ%1").arg(q), Cell::Share, Qt::AlignRight, totals);
    grid->addWidget(lavoratoQ_[q - 1], q, 1);
    grid->addWidget(units_[60 + q - 1], q, 2);
    grid->addWidget(lavoratoPQ_[q - 1], q, 3);
  }
  grid->addWidget(MakeText(QT_TR_NOOP("TOTALE"), totals), 6, 0);
  totaleG_ = MakeCell("TotaleG", Cell::Grand, Qt::AlignRight, totals);
  units_[65] = MakeCell("unit66", Cell::Unit, Qt::AlignLeft, totals);
  grid->addWidget(totaleG_, 6, 1);
  grid->addWidget(units_[65], 6, 2);
  grid->setColumnStretch(1, 3);
  grid->setColumnStretch(3, 2);
  layout->addWidget(totals);

  production_ = new QLabel(column);
  production_->setObjectName("Production");
  costo_ = new QLabel(column);
  costo_->setObjectName("Costo");
  lavorPrec_ = new QLabel(column);
  lavorPrec_->setObjectName("LavorPrec");
  for (QLabel* l : {production_, costo_, lavorPrec_}) {
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, l == lavorPrec_ ? QColor(0x7a, 0x1f, 0x00) : kInk);
    l->setPalette(p);
    l->setTextFormat(Qt::PlainText);
    layout->addWidget(l);
  }
  // The company header lines of the printed pages, so the operator sees
  // what the tickets will carry; in the room above the chart.
  companyHeader_ = new QLabel(column);
  companyHeader_->setObjectName("CompanyHeader");
  companyHeader_->setTextFormat(Qt::PlainText);
  companyHeader_->setAlignment(Qt::AlignCenter);
  // Only the height the totals leave: on a small screen it is cut, never they.
  companyHeader_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Ignored);
  layout->addWidget(companyHeader_, 1);
  layout->addWidget(BuildChart(column), 2);

  auto* codes = new QGroupBox(column);
  SetSourceText(codes, kContext, QT_TR_NOOP("Codici a barre"));
  auto* codesLayout = new QVBoxLayout(codes);
  memo1_ = new QPlainTextEdit(codes);
  memo1_->setObjectName("Memo1");
  memo1_->setReadOnly(true);
  memo1_->setLineWrapMode(QPlainTextEdit::NoWrap);
  codesLayout->addWidget(memo1_);
  layout->addWidget(codes, 1);
  return column;
}

void TMain::BuildStatusBar() {
  statusBar1_ = new QStatusBar(this);
  statusBar1_->setObjectName("StatusBar1");
  statusBar1_->setSizeGripEnabled(false);
  statusBar1_->installEventFilter(this);
  for (int i = 0; i < kPanels; ++i) {
    auto* label = new QLabel(statusBar1_);
    label->setObjectName(QString("StatusBar1Panel%1").arg(i));
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment((i == 2 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    label->setMinimumWidth(kPanelWidths[i] * 3 / 4);
    statusBar1_->addWidget(label, kPanelWidths[i]);
    panels_[i] = label;
  }
  panels_[5]->hide();
  setStatusBar(statusBar1_);
}

void TMain::ApplyScale() {
  const QSize area = size();
  const int height = area.height();
  // One step of the figure font per 32 pixels of height, narrowed when the
  // window is wide enough only for smaller text (4:3 screens).
  const int px = std::clamp(std::min(height / 32, area.width() / 46), 13, 34);
  if (px == scaledForHeight_) {
    RescaleLogo();
    return;
  }
  scaledForHeight_ = px;

  QFont figure = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  figure.setPixelSize(px);
  figure.setBold(true);
  QFont text = font();
  text.setPixelSize(std::max(12, px * 3 / 4));
  QFont name = text;
  name.setPixelSize(px);
  name.setBold(true);

  centralWidget()->setFont(text);
  const QFontMetrics fm(figure);
  const int rowHeight = fm.height() + 4;
  auto fit = [&](QLabel* l, const char* widest) {
    l->setFont(figure);
    l->setMinimumWidth(fm.horizontalAdvance(widest) + 18);
    l->setMinimumHeight(rowHeight);
  };
  for (int i = 0; i < kClasses * kQualities; ++i) {
    fit(totC_[i], kWidestTotal);
    fit(totP_[i], kWidestShare);
    fit(pesoCal_[i], kWidestRange);
    nomeCal_[i]->setFont(name);
    nomeCal_[i]->setMinimumWidth(QFontMetrics(name).horizontalAdvance(kWidestName) + 12);
    nomeCal_[i]->setMinimumHeight(rowHeight);
  }
  for (int q = 0; q < 5; ++q) {
    fit(lavoratoQ_[q], kWidestTotal);
    fit(lavoratoPQ_[q], kWidestShare);
  }
  fit(totaleG_, kWidestTotal);
  for (QLabel* u : units_) u->setFont(name);

  // Entry boxes as wide as their longest content: batch number and total 6
  // digits, cup counter 3, bad cups 4.
  const std::pair<QLineEdit*, int> entries[] = {
      {numBolla_, 6}, {totPartita_, 6}, {numtazza_, 3}, {tazzebad_, 4}};
  for (const auto& [e, digits] : entries) {
    e->setFont(figure);
    e->setFixedWidth(fm.horizontalAdvance(QString(digits + 1, '8')) + 12);
  }
  QFont tabs = text;
  tabs.setBold(true);
  pageControl1_->tabBar()->setFont(tabs);
  QFont bold = text;
  bold.setBold(true);
  label53_->setFont(bold);
  label53_->setMaximumWidth(QFontMetrics(bold).horizontalAdvance(tr("Blocco Alimentazione")) + 20);
  production_->setFont(name);
  costo_->setFont(name);
  lavorPrec_->setFont(name);
  QFont memo = figure;
  memo.setBold(false);
  memo.setPixelSize(std::max(12, px * 3 / 4));
  memo1_->setFont(memo);
  QFont status = text;
  status.setBold(true);
  status.setPixelSize(std::clamp(px * 2 / 3, 12, 20));
  for (QLabel* p : panels_) p->setFont(status);

  const int logoHeight = std::max(48, px * 5 / 2);
  image1_->setFixedSize(logoHeight * 5 / 2, logoHeight);
  image2_->setIcon(QIcon(AlarmPicture(logoHeight)));
  image2_->setIconSize(QSize(logoHeight, logoHeight));
  RescaleLogo();
}

}  // namespace kv7::ui
