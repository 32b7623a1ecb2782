#pragma once
// Language modules: one compiled Qt translation file per language, named
// "mb3." + the language's abbreviation ("mb3.ESO"). At most one is in force;
// switching swaps it inside the one translator the program keeps installed
// and tells every window once (QEvent::LanguageChange).

#include <QLocale>
#include <QString>
#include <QStringList>

#include "i18n/Languages.h"

namespace kv7::i18n {

// The folders searched for modules, in order: the program's own folder, the
// working directory, the installed data folder.
QStringList DefaultModuleSearchPath();
// Tests point the search at their own folders; an empty list restores the
// default.
void SetModuleSearchPath(const QStringList& dirs);
QStringList ModuleSearchPath();

// The first existing "mb3.<abbreviation>" (or the abbreviation's first two
// letters) along the search path; empty when there is none.
QString ModulePath(const Language& language);
bool ModuleExists(const Language& language);

// Loads the module of the language with this locale identifier and makes it
// the one in force. False, with nothing changed, when there is no such
// module or it does not read. Must run on the window thread.
bool LoadLanguageModule(int localeId);

// Every open window (modal dialogs and the status bar included) takes the
// texts of the module in force before this returns.
void ReloadWindows();

// The language whose module is in force; Italian before any module loads.
const Language& CurrentLanguage();
// Number conventions of that language.
QLocale CurrentLocale();

}  // namespace kv7::i18n
