// The console's accessors, the operations the supervisor calls, and its
// window events.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>
#include <QToolButton>

#include <algorithm>

#include "ui/TMain.h"
#include "ui/TranslatedText.h"

namespace kv7::ui {

// ---- accessors ----

QLabel* TMain::NomeCal(int c, int q) const {
  return c >= 1 && c <= kClasses && q >= 1 && q <= kQualities ? nomeCal_[CellIndex(c, q)] : nullptr;
}
QLabel* TMain::PesoCal(int c, int q) const {
  return c >= 1 && c <= kClasses && q >= 1 && q <= kQualities ? pesoCal_[CellIndex(c, q)] : nullptr;
}
QLabel* TMain::TotC(int c, int q) const {
  return c >= 1 && c <= kClasses && q >= 1 && q <= kQualities ? totC_[CellIndex(c, q)] : nullptr;
}
QLabel* TMain::TotP(int c, int q) const {
  return c >= 1 && c <= kClasses && q >= 1 && q <= kQualities ? totP_[CellIndex(c, q)] : nullptr;
}
QLabel* TMain::Unit(int n) const {
  return n >= 1 && n <= kUnitLabels ? units_[n - 1] : nullptr;
}
QLabel* TMain::LavoratoQ(int q) const {
  return q >= 1 && q <= 5 ? lavoratoQ_[q - 1] : nullptr;
}
QLabel* TMain::LavoratoPQ(int q) const {
  return q >= 1 && q <= 5 ? lavoratoPQ_[q - 1] : nullptr;
}
QLabel* TMain::StatusPanel(int i) const {
  return i >= 0 && i < kPanels ? panels_[i] : nullptr;
}

// ---- operations ----

void TMain::SetStatusPanel(int i, const QString& text) {
  if (QLabel* panel = StatusPanel(i)) {
    SetSourceText(panel, nullptr, text);
    if (i == 5) panel->setVisible(!text.isEmpty());
  }
}

QString TMain::StatusPanelText(int i) const {
  QLabel* panel = StatusPanel(i);
  return panel ? panel->text() : QString();
}

void TMain::SetStatusPanelAlignment(int i, Qt::Alignment alignment) {
  if (QLabel* panel = StatusPanel(i)) panel->setAlignment(alignment | Qt::AlignVCenter);
}

QWidget* TMain::NamedWidget(const QString& name) const {
  if (name.isEmpty()) return nullptr;
  return findChild<QWidget*>(name);
}

bool TMain::SetEnabledByName(const QString& name, bool enabled) {
  if (auto it = actions_.find(name); it != actions_.end()) {
    it->enabled = enabled;
    ApplyActionState(*it);
    return true;
  }
  if (QMenu* menu = Menu(name)) {
    menu->menuAction()->setEnabled(enabled);
    return true;
  }
  if (QWidget* w = NamedWidget(name)) {
    w->setEnabled(enabled);
    return true;
  }
  return false;
}

bool TMain::SetVisibleByName(const QString& name, bool visible) {
  if (QAction* action = Action(name)) {
    action->setVisible(visible);
    return true;
  }
  if (QMenu* menu = Menu(name)) {
    menu->menuAction()->setVisible(visible);
    return true;
  }
  if (QWidget* w = NamedWidget(name)) {
    w->setVisible(visible);
    return true;
  }
  return false;
}

bool TMain::SetTextByName(const QString& name, const QString& text) {
  // Captions are translated; what the operator types or reads as data is not.
  if (QAction* action = Action(name)) {
    SetSourceText(action, nullptr, text);
    return true;
  }
  QWidget* w = NamedWidget(name);
  if (qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w)) {
    SetSourceText(w, nullptr, text);
  } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
    edit->setText(text);
  } else if (auto* memo = qobject_cast<QPlainTextEdit*>(w)) {
    memo->setPlainText(text);
  } else {
    return false;
  }
  return true;
}

void TMain::ClearTotals() {
  for (auto* cells : {&nomeCal_, &pesoCal_, &totC_, &totP_}) {
    for (QLabel* l : *cells) l->clear();
  }
  for (QLabel* l : lavoratoQ_) l->clear();
  for (QLabel* l : lavoratoPQ_) l->clear();
  totaleG_->clear();
}

void TMain::SetUnits(bool grams) {
  for (QLabel* l : units_) l->setText(grams ? "gr" : "Kg");
}

void TMain::SetLogo(const QImage& logo) {
  logo_ = logo;
  RescaleLogo();
}

void TMain::RescaleLogo() {
  if (logo_.isNull()) {
    image1_->clear();
    return;
  }
  const QSize box = image1_->contentsRect().size();
  image1_->setPixmap(QPixmap::fromImage(logo_.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void TMain::ShowQualityAlarm(bool shown) {
  image2_->setVisible(shown);
  image2_->setEnabled(shown);
}

void TMain::AppendMemo(const QString& line) {
  QString text = line;
  while (text.endsWith('\r') || text.endsWith('\n')) text.chop(1);
  memo1_->appendPlainText(text);
}

std::optional<QString> TMain::TakeFirstMemoLine() {
  if (memo1_->document()->isEmpty()) return std::nullopt;
  QTextBlock first = memo1_->document()->firstBlock();
  const QString line = first.text();
  QTextCursor cursor(first);
  cursor.select(QTextCursor::BlockUnderCursor);
  // The selection of the first block does not take its line end with it.
  if (first.next().isValid()) cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
  cursor.removeSelectedText();
  return line;
}

void TMain::PrepareBatchEntry() {
  checkStpTotP_->setChecked(true);
  numBolla_->setFocus();
}

// ---- events ----

void TMain::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!shownOnce_) {
    shownOnce_ = true;
    // After the window is on screen, so the start-up may open message boxes.
    QTimer::singleShot(0, this, [this] { emit FormShow(); });
  }
}

void TMain::closeEvent(QCloseEvent* event) {
  emit FormClose();
  QMainWindow::closeEvent(event);
}

void TMain::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  ApplyScale();
}

void TMain::keyReleaseEvent(QKeyEvent* event) {
  // A release that reaches the window from a control the filter below
  // watches has been clicked already.
  QWidget* focus = QApplication::focusWidget();
  const bool clicked =
      focus != nullptr && focus != this && isAncestorOf(focus) && focus->focusPolicy() != Qt::NoFocus;
  if (!event->isAutoRepeat() && !clicked) KeyReleased();
  event->accept();
}

void TMain::KeyReleased() {
  emit FormKeyUp();
  if (keyClick_) QApplication::beep();
}

bool TMain::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease && watched == statusBar1_) {
    emit StatusBar1Click();
    return false;
  }
  if (event->type() == QEvent::KeyRelease && watched != this) {
    // The control still gets the release (a check box toggles on it).
    if (!static_cast<QKeyEvent*>(event)->isAutoRepeat()) KeyReleased();
    return false;
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace kv7::ui
