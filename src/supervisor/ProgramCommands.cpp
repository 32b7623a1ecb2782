// The commands that put a grading program on the board and keep the program
// archive: choose (F2), modify the running program (F6), new, modify and
// delete from the menu, and the program parameters.

#include "audit/FileChanges.h"
#include "link/cMB90.h"
#include "programs/ProgramBlocks.h"
#include "store/ConfigStore.h"
#include "store/Database.h"
#include "store/DbError.h"
#include "supervisor/Supervisor.h"

namespace kv7::supervisor {
namespace {

constexpr const char* kControllerOff = "La centralina è spenta, accenderla per favore!";

std::string ProgramMissing(const std::string& code) { return "Il programma " + code + " non è in archivio."; }

}  // namespace

bool Supervisor::ControllerOnOrSay() {
  if (st_.controllerOn) return true;
  operator_.ShowMessage(kControllerOff);
  return false;
}

std::optional<programs::ProgramLists> Supervisor::ProgramLists() {
  if (!DatabaseUsable()) return std::nullopt;
  try {
    programs::ProgramLists lists = programs::FillProgramLists(*database_);
    st_.programCount = lists.Count();
    programCodes_ = lists.codes;
    return lists;
  } catch (const store::DbError& e) {
    ShowDatabaseError(e.what());
    return std::nullopt;
  }
}

void Supervisor::StartDownload() {
  // In state "0" the board is initialised first; the program goes out when
  // it is chosen or reloaded again.
  if (st_.machineStateNo <= 0) return;
  st_.downloadStep = 1;
  st_.downloadSubStep = 1;
  st_.downloadProgress = 0;
  st_.downloadJob = 1;
}

bool Supervisor::LoadProgram(int n) {
  if (!DatabaseUsable()) return false;
  try {
    auto prepared = programs::PrepareBoardProgram(*database_, n, config_);
    if (!prepared) {
      operator_.ShowMessage(ProgramMissing(programs::ProgramCodeText(n)));
      return false;
    }
    currentProgram_ = std::move(prepared->program);
    editorTexts_ = currentProgram_->texts;
    st_.programBlocks = prepared->blocks;
  } catch (const store::DbError& e) {
    ShowDatabaseError(e.what());
    return false;
  }
  StartDownload();
  return true;
}

void Supervisor::ShowProgramClasses(int n) {
  if (n <= 0 || n == 9999 || !DatabaseUsable()) return;
  try {
    const auto loaded = programs::LoadProgramByNumber(*database_, n, config_.xmoltiply);
    if (!loaded) return;
    const programs::ProgramClassView view = programs::ShowProgramClasses(loaded->record, config_.xmoltiply);
    console_.ShowProgramClasses(view);
    liveClasses_ = view;
    SetProgramPanel(view.description);
  } catch (const store::DbError& e) {
    ShowDatabaseError(e.what(), true);
  }
}

void Supervisor::Programma1Click() {
  if (!programWindows_ || !ControllerOnOrSay()) return;
  const auto lists = ProgramLists();
  if (!lists || lists->Count() == 0) return;
  const auto code = programWindows_->ChooseProgram(*lists, ProgramListUse::Load);
  if (!code) return;
  const auto n = programs::BoardProgramNumber(*code);
  if (!n) {
    operator_.ShowMessage("Il programma " + *code +
                          " non può essere caricato: il codice deve essere un numero da 1 a 98.");
    return;
  }
  LoadProgram(*n);
}

std::optional<EditedProgram> Supervisor::ShowProgramEditor(const programs::ProgramEditorTexts& texts,
                                                           const std::string& code) {
  editorTexts_ = texts;
  auto edited = programWindows_->EditProgram(texts, config_.xmoltiply, code);
  if (edited) editorTexts_ = programs::ShowProgram(edited->record, config_.xmoltiply);
  return edited;
}

void Supervisor::SaveEditedProgram(const EditedProgram& edited) {
  try {
    programs::SaveProgram(*database_, edited.record, edited.code, Who("TNewProgram"));
  } catch (const store::DbError& e) {
    ShowDatabaseError(e.what());
    return;
  } catch (const std::invalid_argument&) {
    operator_.ShowMessage(ProgramMissing(edited.code));
    return;
  }
  const auto n = programs::ProgramNumber(edited.code);
  if (!n || *n != st_.boardProgram) return;
  // The program on the board changed: show it and send it again.
  ShowProgramClasses(*n);
  st_.programBlocks = programs::BuildLineProgramBlocks(*n, edited.record, programs::LineQualitiesOf(config_));
  if (currentProgram_) currentProgram_->record = edited.record;
  StartDownload();
}

void Supervisor::ModificaPU1Click() {
  if (!programWindows_ || st_.boardProgram < programs::kFirstBoardProgram ||
      st_.boardProgram > programs::kLastBoardProgram || !DatabaseUsable())
    return;
  std::optional<programs::LoadedProgram> loaded;
  try {
    loaded = programs::LoadProgramByNumber(*database_, st_.boardProgram, config_.xmoltiply);
  } catch (const store::DbError& e) {
    ShowDatabaseError(e.what());
    return;
  }
  if (!loaded) {
    operator_.ShowMessage(ProgramMissing(programs::ProgramCodeText(st_.boardProgram)));
    return;
  }
  const auto edited = ShowProgramEditor(loaded->texts, programs::ProgramCodeText(st_.boardProgram));
  if (edited) SaveEditedProgram(*edited);
}

void Supervisor::Nuovo1Click() {
  if (!programWindows_) return;
  const auto lists = ProgramLists();
  if (!lists) return;
  const auto code = programs::ProposeNewCode(lists->codes);
  if (!code) {
    operator_.ShowMessage("Tutti i codici da 01 a 98 sono già usati: cancellare un programma.");
    return;
  }
  // Class codes carry over from the program last in the editor, as operators expect.
  const auto edited = ShowProgramEditor(programs::ClearedForNewProgram(editorTexts_, *code), *code);
  if (edited) SaveEditedProgram(*edited);
}

void Supervisor::Modifica1Click() {
  if (!programWindows_) return;
  const auto lists = ProgramLists();
  if (!lists || lists->Count() == 0) return;
  const auto code = programWindows_->ChooseProgram(*lists, ProgramListUse::Modify);
  if (!code) return;
  std::optional<programs::LoadedProgram> loaded;
  try {
    loaded = programs::LoadProgramIntoEditor(*database_, *code, config_.xmoltiply);
  } catch (const store::DbError& e) {
    ShowDatabaseError(e.what());
    return;
  }
  if (!loaded) return;
  const auto edited = ShowProgramEditor(loaded->texts, *code);
  if (edited) SaveEditedProgram(*edited);
}

void Supervisor::Cancella1Click() {
  if (!programWindows_) return;
  const auto lists = ProgramLists();
  if (!lists || lists->Count() == 0) return;
  const auto code = programWindows_->ChooseProgram(*lists, ProgramListUse::Delete);
  if (!code) return;
  try {
    // The running program is protected by its code, whatever the list shows now.
    if (programs::DeleteProgram(*database_, *code, st_.boardProgram, Who("TListaProgrammi")) ==
        programs::DeleteOutcome::RefusedCurrent)
      operator_.ShowMessage("Il programma è quello corrente; non è possibile cancellarlo!");
  } catch (const store::DbError& e) {
    ShowDatabaseError(e.what());
  }
  ProgramLists();
}

void Supervisor::Programma2Click() {
  if (!programWindows_) return;
  programs::ProgramParameters current = programs::ParametersFromConfiguration(config_);
  current.refreshSeconds = st_.autoTotalsPeriod;
  const auto choice = programWindows_->EditParameters(current);
  if (!choice) return;
  // UpDown1 and "Font Stampe" are in force as soon as they are chosen: the
  // next refresh, print and language switch use them, saved or not.
  const programs::ProgramParameters& chosen = choice->values;
  programs::ApplyPrintSettings(chosen, config_);
  st_.autoTotalsPeriod = chosen.refreshSeconds;
  console_.SetPrintSettings(config_);
  if (!choice->saved) return;
  const auto before = programs::ParameterValues(current);
  programs::ApplyParameters(chosen, config_);
  const bool saved =
      store::SaveConfiguration(config_, store_, workDir_, [this](const std::string& m) { operator_.ShowMessage(m); });
  programs::SaveRefreshInterval(store_, chosen.refreshSeconds);
  programs::SaveReportFont(store_, chosen.reportFont);
  if (saved) {
    const auto changes = audit::ChangedValues(before, programs::ParameterValues(chosen));
    if (!changes.Empty())
      AuditFileChange("TParProg", {"salva", store_.FilePath().filename().string(), "parametri", changes.before,
                                   changes.after});
  }
  console_.SetUnits(config_.totaligrammi == 1);
  if (unitsChangedHook_) unitsChangedHook_(config_.totaligrammi == 1);
  RefreshTotalsDisplay();
}

}  // namespace kv7::supervisor
