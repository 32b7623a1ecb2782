#pragma once
// The program list, editor and parameter windows for the program commands
// that run on the machine thread: each call is shown modally on the window
// thread while the machine thread waits for the choice.

#include <QWidget>

#include "app/WindowThreadGate.h"
#include "supervisor/ProgramWindows.h"

namespace kv7::programs {
class TListaProgrammi;
class TNewProgram;
class TParProg;
}  // namespace kv7::programs

namespace kv7::app {

class ProgramWindowsBridge final : public supervisor::ProgramWindows {
 public:
  // The windows are created here, so construct it on the window thread.
  ProgramWindowsBridge(QWidget& parent, WindowThreadGate& gate);

  std::optional<std::string> ChooseProgram(const programs::ProgramLists& lists,
                                           supervisor::ProgramListUse use) override;
  std::optional<supervisor::EditedProgram> EditProgram(const programs::ProgramEditorTexts& texts, int multiplier,
                                                       const std::string& captionCode) override;
  std::optional<supervisor::ParametersChoice> EditParameters(const programs::ProgramParameters& p) override;

  programs::TListaProgrammi& List() { return *list_; }
  programs::TNewProgram& Editor() { return *editor_; }
  programs::TParProg& Parameters() { return *parameters_; }

 private:
  WindowThreadGate& gate_;
  programs::TListaProgrammi* list_;
  programs::TNewProgram* editor_;
  programs::TParProg* parameters_;
};

}  // namespace kv7::app
