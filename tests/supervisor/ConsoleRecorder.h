#pragma once
// The screen and the operator for supervisor tests: the console keeps what
// the logic put on it, the operator answers questions from a script and
// keeps every message it was shown.

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "supervisor/Console.h"

namespace kv7::test {

class ConsoleRecorder : public supervisor::Console {
 public:
  void SetCaption(const std::string& caption) override {
    caption_ = caption;
    captions.push_back(caption);
  }
  void ApplyLanguage(const store::Configuration& config) override { language = config.langinterface; }
  void SetPrintSettings(const store::Configuration& config) override {
    printSettings = {config.prn_font_name, config.prn_font_size, config.prn_font_set,
                     std::to_string(config.autorefresh)};
  }
  void SetStatusPanel(int panel, const std::string& text) override { panels[panel] = text; }
  void SetStatusAlignment(int panel, supervisor::Align align) override { alignment[panel] = align; }
  void SetEnabled(supervisor::Control c, bool enabled) override { this->enabled[c] = enabled; }
  void SetVisible(supervisor::Control c, bool visible) override { this->visible[c] = visible; }
  void SetText(supervisor::Control c, const std::string& text) override { texts[c] = text; }
  void ClearTotals() override { ++clears; }
  void ShowTotals(const supervisor::TotalsView& view) override {
    totals = view;
    ++totalsShown;
  }
  void ShowCostPerKg(const supervisor::TotalsView::Cost& cost) override { costPerKg = cost; }
  void ShowProgramClasses(const programs::ProgramClassView& view) override { classes = view; }
  void SetUnits(bool grams) override { units = grams ? "gr" : "Kg"; }
  void AppendMemo(const std::string& line) override { memo.push_back(line); }
  void RemoveFirstMemoLine() override {
    if (!memo.empty()) memo.erase(memo.begin());
  }
  void ShowCustomerLogo(const std::string& directory) override { logoDirectory = directory; }
  void SetAvailablePorts(const std::vector<int>& p) override { ports = p; }
  void PrepareBatchEntry() override { batchEntryPrepared = true; }

  std::string caption_ = "KV7 Campionatrice";
  std::vector<std::string> captions;
  std::map<int, std::string> panels;
  std::map<int, supervisor::Align> alignment;
  std::map<supervisor::Control, bool> enabled, visible;
  std::map<supervisor::Control, std::string> texts;
  std::vector<std::string> memo;
  std::vector<int> ports;
  std::string units, logoDirectory, language;
  std::vector<std::string> printSettings;  // font name, size, style text, autorefresh
  int clears = 0;
  supervisor::TotalsView totals;
  int totalsShown = 0;
  std::optional<supervisor::TotalsView::Cost> costPerKg;
  programs::ProgramClassView classes;
  bool batchEntryPrepared = false;
};

class ScriptedOperator : public supervisor::Operator {
 public:
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  bool AskYesNo(const std::string& question) override {
    questions.push_back(question);
    if (answers.empty()) return false;
    bool a = answers.front();
    answers.pop_front();
    return a;
  }
  void Beep() override { ++beeps; }

  std::vector<std::string> messages;
  std::vector<std::string> questions;
  std::deque<bool> answers;
  int beeps = 0;
};

}  // namespace kv7::test
