#pragma once
// The windows the program commands show to the person: the program list,
// the program editor and the program parameters. Each call shows its window
// modally and returns what the person chose; the machine thread waits for it
// like for a question. No widget type appears here.

#include <optional>
#include <string>

#include "programs/ProgramCodes.h"
#include "programs/ProgramEditorTexts.h"
#include "programs/ProgramParameters.h"
#include "store/ProgramRecord.h"

namespace kv7::supervisor {

// What the list is shown for: it sets the window's caption.
enum class ProgramListUse { Load, Modify, Delete };

// How "Parametri  Programma" was left: the controls as they stood, and
// whether "Salva" closed it.
struct ParametersChoice {
  programs::ProgramParameters values;
  bool saved = false;
};

struct EditedProgram {
  store::ProgramRecord record;
  std::string code;  // `codprog` as typed
};

class ProgramWindows {
 public:
  virtual ~ProgramWindows() = default;
  // The code of the chosen program; nullopt on Cancel.
  virtual std::optional<std::string> ChooseProgram(const programs::ProgramLists& lists, ProgramListUse use) = 0;
  // The editor on `texts` with the weight multiplier, its caption naming
  // `captionCode` ("Modifica programma N. " + code). What to save on OK.
  virtual std::optional<EditedProgram> EditProgram(const programs::ProgramEditorTexts& texts, int multiplier,
                                                   const std::string& captionCode) = 0;
  // nullopt only when the window could not be shown.
  virtual std::optional<ParametersChoice> EditParameters(const programs::ProgramParameters& p) = 0;
};

}  // namespace kv7::supervisor
