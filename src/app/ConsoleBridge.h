#pragma once
// Puts the supervisor's view of the screen onto the console window: the
// Console interface over TMain's named controls, and the operator's message
// boxes, questions and beep.

#include <QString>
#include <QWidget>

#include <vector>

#include "supervisor/Console.h"

namespace kv7::ui {
class TMain;
}

namespace kv7::app {

class ConsoleBridge final : public supervisor::Console {
 public:
  explicit ConsoleBridge(ui::TMain& window) : window_(window) {}

  void SetCaption(const std::string& caption) override;
  std::string Caption() const override;
  void SetStatusPanel(int panel, const std::string& text) override;
  void SetStatusAlignment(int panel, supervisor::Align align) override;
  void SetEnabled(supervisor::Control c, bool enabled) override;
  void SetVisible(supervisor::Control c, bool visible) override;
  void SetText(supervisor::Control c, const std::string& text) override;
  void ClearTotals() override;
  void SetUnits(bool grams) override;
  void AppendMemo(const std::string& line) override;
  void ShowCustomerLogo(const std::string& directory) override;
  void SetAvailablePorts(const std::vector<int>& ports) override;
  void SetTimer2Interval(int milliseconds) override;
  int Timer2Interval() const override;
  void StartTimer2() override;
  void PrepareBatchEntry() override;

  // Entries of the installation window's port selectors: "non abilitata",
  // then "COMn" for every port found (empty when none was found, so the
  // selectors keep what they had).
  const std::vector<QString>& PortChoices() const { return portChoices_; }

  // The system name of a control as the window knows it.
  static QString NameOf(supervisor::Control c);

 private:
  ui::TMain& window_;
  std::vector<QString> portChoices_;
};

// Modal boxes with the system's Italian texts.
class MessageBoxOperator final : public supervisor::Operator {
 public:
  explicit MessageBoxOperator(QWidget* parent) : parent_(parent) {}
  void ShowMessage(const std::string& text) override;
  bool AskYesNo(const std::string& question) override;
  void Beep() override;

 private:
  QWidget* parent_;
};

}  // namespace kv7::app
