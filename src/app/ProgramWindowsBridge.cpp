#include "app/ProgramWindowsBridge.h"

#include "programs/ProgramMessages.h"
#include "programs/TListaProgrammi.h"
#include "programs/TNewProgram.h"
#include "programs/TParProg.h"

namespace kv7::app {

using supervisor::EditedProgram;
using supervisor::ProgramListUse;

ProgramWindowsBridge::ProgramWindowsBridge(QWidget& parent, WindowThreadGate& gate)
    : gate_(gate),
      list_(new programs::TListaProgrammi(&parent)),
      editor_(new programs::TNewProgram(&parent)),
      parameters_(new programs::TParProg(&parent)) {}

std::optional<std::string> ProgramWindowsBridge::ChooseProgram(const programs::ProgramLists& lists,
                                                               ProgramListUse use) {
  using Result = std::optional<std::string>;
  return gate_.Call<Result>(
      [this, lists, use]() -> Result {
        const QString designed = list_->windowTitle();
        if (use == ProgramListUse::Load) list_->setWindowTitle(programs::ProgramMessages::LoadCaption());
        if (use == ProgramListUse::Delete) list_->setWindowTitle(programs::ProgramMessages::DeleteCaption());
        list_->SetPrograms(lists);
        const bool ok = list_->exec() == QDialog::Accepted;
        list_->setWindowTitle(designed);
        if (!ok || list_->SelectedCode().empty()) return std::nullopt;
        return list_->SelectedCode();
      },
      std::nullopt);
}

std::optional<EditedProgram> ProgramWindowsBridge::EditProgram(const programs::ProgramEditorTexts& texts,
                                                               int multiplier, const std::string& captionCode) {
  using Result = std::optional<EditedProgram>;
  return gate_.Call<Result>(
      [this, texts, multiplier, captionCode]() -> Result {
        const QString designed = editor_->windowTitle();
        if (!captionCode.empty())
          editor_->setWindowTitle(programs::TNewProgram::EditCaption(QString::fromStdString(captionCode)));
        editor_->SetMultiplier(multiplier);
        editor_->Fill(texts);
        const bool ok = editor_->exec() == QDialog::Accepted;
        editor_->setWindowTitle(designed);
        if (!ok) return std::nullopt;
        return EditedProgram{editor_->Result(), editor_->Code()};
      },
      std::nullopt);
}

std::optional<supervisor::ParametersChoice> ProgramWindowsBridge::EditParameters(
    const programs::ProgramParameters& p) {
  using Result = std::optional<supervisor::ParametersChoice>;
  return gate_.Call<Result>(
      [this, p]() -> Result {
        parameters_->SetParameters(p);
        const bool saved = parameters_->exec() == QDialog::Accepted;
        return supervisor::ParametersChoice{parameters_->Parameters(), saved};
      },
      std::nullopt);
}

}  // namespace kv7::app
