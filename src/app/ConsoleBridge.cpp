#include "app/ConsoleBridge.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>

#include "i18n/MessageCatalogue.h"
#include "i18n/PrintFont.h"
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
    case Control::totPartita: return "totPartita";
    case Control::Image2: return "Image2";
  }
  return {};
}

void ConsoleBridge::OnWindowThread(std::function<void()> call) {
  // Queued even on the window thread, so calls from anywhere keep one order.
  QMetaObject::invokeMethod(&window_, std::move(call), Qt::QueuedConnection);
}

void ConsoleBridge::SetCaption(const std::string& caption) {
  OnWindowThread([this, t = Text(caption)] { window_.SetCaption(t); });
}

void ConsoleBridge::ApplyLanguage(const store::Configuration& config) {
  OnWindowThread([this, code = Text(config.langinterface), print = i18n::PrintSettings::FromConfiguration(config)] {
    window_.StartLanguage(code, print);
  });
}

void ConsoleBridge::SetPrintSettings(const store::Configuration& config) {
  OnWindowThread([this, print = i18n::PrintSettings::FromConfiguration(config)] { window_.SetPrintSettings(print); });
}

void ConsoleBridge::SetStatusPanel(int panel, const std::string& text) {
  OnWindowThread([this, panel, t = Text(text)] { window_.SetStatusPanel(panel, t); });
}

void ConsoleBridge::SetStatusAlignment(int panel, supervisor::Align align) {
  const Qt::Alignment a = (align == supervisor::Align::Right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
  OnWindowThread([this, panel, a] { window_.SetStatusPanelAlignment(panel, a); });
}

void ConsoleBridge::SetEnabled(Control c, bool enabled) {
  OnWindowThread([this, c, enabled] {
    // The two menus that need the board also gate the function keys.
    if (c == Control::Lavorazione) window_.SetControllerOn(enabled);
    window_.SetEnabledByName(NameOf(c), enabled);
  });
}

void ConsoleBridge::SetVisible(Control c, bool visible) {
  OnWindowThread([this, c, visible] {
    if (c == Control::Image2)
      window_.ShowQualityAlarm(visible);
    else
      window_.SetVisibleByName(NameOf(c), visible);
  });
}

void ConsoleBridge::SetText(Control c, const std::string& text) {
  OnWindowThread([this, c, t = Text(text)] { window_.SetTextByName(NameOf(c), t); });
}

void ConsoleBridge::ClearTotals() {
  OnWindowThread([this] { window_.ClearTotals(); });
}

void ConsoleBridge::ShowProgramClasses(const programs::ProgramClassView& view) {
  OnWindowThread([this, view] {
    for (int q = 1; q <= ui::TMain::kQualities; ++q)
      for (int c = 1; c <= ui::TMain::kClasses; ++c) {
        const auto qi = static_cast<std::size_t>(q - 1), ci = static_cast<std::size_t>(c - 1);
        // Names and ranges are the program's own data: never translated.
        if (QLabel* name = window_.NomeCal(c, q)) name->setText(Text(view.name[qi][ci]));
        if (QLabel* range = window_.PesoCal(c, q)) range->setText(Text(view.range[qi][ci]));
      }
  });
}

void ConsoleBridge::ShowTotals(const supervisor::TotalsView& view) {
  // A copy travels with the call: the machine thread goes on with its own.
  OnWindowThread([this, view] { window_.ShowTotals(view); });
}

void ConsoleBridge::ShowCostPerKg(const supervisor::TotalsView::Cost& cost) {
  OnWindowThread([this, cost] { window_.ShowCostPerKg(cost); });
}

void ConsoleBridge::SetUnits(bool grams) {
  OnWindowThread([this, grams] { window_.SetUnits(grams); });
}

void ConsoleBridge::AppendMemo(const std::string& line) {
  OnWindowThread([this, t = Text(line)] { window_.AppendMemo(t); });
}

void ConsoleBridge::RemoveFirstMemoLine() {
  OnWindowThread([this] { (void)window_.TakeFirstMemoLine(); });
}

void ConsoleBridge::ShowCustomerLogo(const std::string& directory) {
  // Decoded on the window thread: a logo is small and read once.
  OnWindowThread([this, d = Text(directory)] { window_.SetLogo(ui::LoadCustomerLogo(d)); });
}

void ConsoleBridge::SetAvailablePorts(const std::vector<int>& ports) {
  if (ports.empty()) return;
  std::vector<QString> choices{"non abilitata"};
  for (int n : ports) choices.push_back(QString("COM%1").arg(n));
  OnWindowThread([this, choices = std::move(choices)] { portChoices_ = choices; });
}

void ConsoleBridge::PrepareBatchEntry() {
  OnWindowThread([this] { window_.PrepareBatchEntry(); });
}

void ConsoleBridge::ShowCompanyHeader(const store::CompanyHeader& header) {
  QStringList lines;
  for (const std::string& line : header.lines)
    if (!line.empty()) lines << Text(line);
  // The customer's own words: never translated.
  OnWindowThread([this, text = lines.join('\n')] { window_.CompanyHeader()->setText(text); });
}

void MessageBoxOperator::ShowMessage(const std::string& text) {
  QMessageBox::information(parent_, QApplication::applicationName(), i18n::TranslateMessage(Text(text)));
}

bool MessageBoxOperator::AskYesNo(const std::string& question) {
  return QMessageBox::question(parent_, QApplication::applicationName(), i18n::TranslateMessage(Text(question)),
                               QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void MessageBoxOperator::Beep() { QApplication::beep(); }

void WindowThreadOperator::ShowMessage(const std::string& text) {
  gate_.Call<bool>(
      [this, text] {
        inner_.ShowMessage(text);
        return true;
      },
      false);
}

bool WindowThreadOperator::AskYesNo(const std::string& question) {
  return gate_.Call<bool>([this, question] { return inner_.AskYesNo(question); }, false);
}

void WindowThreadOperator::Beep() {
  gate_.Post([this] { inner_.Beep(); });
}

}  // namespace kv7::app
