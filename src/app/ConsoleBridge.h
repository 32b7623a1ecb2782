#pragma once
// Puts the supervisor's view of the screen onto the console window. The
// supervisor runs on the machine thread and no widget may be touched from
// there: every Console call becomes a queued call on the window thread, run
// in the order it was made. Operator calls are carried to the window thread
// too, and the machine thread waits for the answer there while the window
// stays live.

#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

#include "app/WindowThreadGate.h"
#include "supervisor/Console.h"

namespace kv7::ui {
class TMain;
}

namespace kv7::app {

class ConsoleBridge final : public supervisor::Console {
 public:
  explicit ConsoleBridge(ui::TMain& window) : window_(window) {}

  void SetCaption(const std::string& caption) override;
  void ApplyLanguage(const store::Configuration& config) override;
  void SetPrintSettings(const store::Configuration& config) override;
  void SetStatusPanel(int panel, const std::string& text) override;
  void SetStatusAlignment(int panel, supervisor::Align align) override;
  void SetEnabled(supervisor::Control c, bool enabled) override;
  void SetVisible(supervisor::Control c, bool visible) override;
  void SetText(supervisor::Control c, const std::string& text) override;
  void ClearTotals() override;
  void ShowTotals(const supervisor::TotalsView& view) override;
  void ShowCostPerKg(const supervisor::TotalsView::Cost& cost) override;
  void ShowProgramClasses(const programs::ProgramClassView& view) override;
  void SetUnits(bool grams) override;
  void AppendMemo(const std::string& line) override;
  void RemoveFirstMemoLine() override;
  void ShowCustomerLogo(const std::string& directory) override;
  void SetAvailablePorts(const std::vector<int>& ports) override;
  void PrepareBatchEntry() override;
  void ShowCompanyHeader(const store::CompanyHeader& header) override;

  // Entries of the installation window's port selectors: "non abilitata",
  // then "COMn" for every port found (empty when none was found, so the
  // selectors keep what they had). Window thread only.
  const std::vector<QString>& PortChoices() const { return portChoices_; }

  // The system name of a control as the window knows it.
  static QString NameOf(supervisor::Control c);

 private:
  void OnWindowThread(std::function<void()> call);

  ui::TMain& window_;
  std::vector<QString> portChoices_;
};

// Modal boxes with the system's texts. Window thread only.
class MessageBoxOperator final : public supervisor::Operator {
 public:
  explicit MessageBoxOperator(QWidget* parent) : parent_(parent) {}
  void ShowMessage(const std::string& text) override;
  bool AskYesNo(const std::string& question) override;
  void Beep() override;

 private:
  QWidget* parent_;
};

// Runs another operator on the window thread through the gate; the machine
// thread waits for the answer.
class WindowThreadOperator final : public supervisor::Operator {
 public:
  WindowThreadOperator(supervisor::Operator& inner, WindowThreadGate& gate) : inner_(inner), gate_(gate) {}
  void ShowMessage(const std::string& text) override;
  bool AskYesNo(const std::string& question) override;
  // Queued before the box that usually follows it; nothing to wait for.
  void Beep() override;

 private:
  supervisor::Operator& inner_;
  WindowThreadGate& gate_;
};

}  // namespace kv7::app
