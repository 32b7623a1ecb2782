#include "app/ConsoleBridge.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "ui/CustomerLogo.h"
#include "ui/TMain.h"

namespace kv7::app {

using supervisor::Control;

namespace {
QString Text(const std::string& s) { return QString::fromStdString(s); }
}  // namespace

QString ConsoleBridge::NameOf(Control c) {
  switch (c) {
    case Control::Lavorazione: return "Lavorazione";
    case Control::Assistenza1: return "Assistenza1";
    case Control::Cancella2: return "Cancella2";
    case Control::TabellaTara1: return "TabellaTara1";
    case Control::Label53: return "Label53";
    case Control::Label55: return "Label55";
    case Control::numtazza: return "numtazza";
    case Control::tazzebad: return "tazzebad";
    case Control::Production: return "Production";
    case Control::LavorPrec: return "LavorPrec";
    case Control::Costo: return "Costo";
    case Control::numBolla: return "numBolla";
    case Control::Image2: return "Image2";
  }
  return {};
}

void ConsoleBridge::SetCaption(const std::string& caption) { window_.setWindowTitle(Text(caption)); }

std::string ConsoleBridge::Caption() const { return window_.windowTitle().toStdString(); }

void ConsoleBridge::SetStatusPanel(int panel, const std::string& text) { window_.SetStatusPanel(panel, Text(text)); }

void ConsoleBridge::SetStatusAlignment(int panel, supervisor::Align align) {
  window_.SetStatusPanelAlignment(panel, (align == supervisor::Align::Right ? Qt::AlignRight : Qt::AlignLeft) |
                                             Qt::AlignVCenter);
}

void ConsoleBridge::SetEnabled(Control c, bool enabled) {
  // The two menus that need the board also gate the function keys.
  if (c == Control::Lavorazione) window_.SetControllerOn(enabled);
  window_.SetEnabledByName(NameOf(c), enabled);
}

void ConsoleBridge::SetVisible(Control c, bool visible) {
  if (c == Control::Image2) {
    window_.ShowQualityAlarm(visible);
    return;
  }
  window_.SetVisibleByName(NameOf(c), visible);
}

void ConsoleBridge::SetText(Control c, const std::string& text) { window_.SetTextByName(NameOf(c), Text(text)); }

void ConsoleBridge::ClearTotals() { window_.ClearTotals(); }

void ConsoleBridge::SetUnits(bool grams) { window_.SetUnits(grams); }

void ConsoleBridge::AppendMemo(const std::string& line) { window_.AppendMemo(Text(line)); }

void ConsoleBridge::ShowCustomerLogo(const std::string& directory) {
  window_.SetLogo(ui::LoadCustomerLogo(Text(directory)));
}

void ConsoleBridge::SetAvailablePorts(const std::vector<int>& ports) {
  if (ports.empty()) return;
  portChoices_.clear();
  portChoices_.push_back("non abilitata");
  for (int n : ports) portChoices_.push_back(QString("COM%1").arg(n));
}

void ConsoleBridge::SetTimer2Interval(int milliseconds) { window_.Timer2()->setInterval(milliseconds); }

int ConsoleBridge::Timer2Interval() const { return window_.Timer2()->interval(); }

void ConsoleBridge::StartTimer2() { window_.Timer2()->start(); }

void ConsoleBridge::PrepareBatchEntry() { window_.PrepareBatchEntry(); }

void MessageBoxOperator::ShowMessage(const std::string& text) {
  QMessageBox::information(parent_, QApplication::applicationName(), Text(text));
}

bool MessageBoxOperator::AskYesNo(const std::string& question) {
  return QMessageBox::question(parent_, QApplication::applicationName(), Text(question),
                               QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void MessageBoxOperator::Beep() { QApplication::beep(); }

}  // namespace kv7::app
