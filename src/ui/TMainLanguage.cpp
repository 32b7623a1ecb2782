// The console's language menu and how its texts follow a language switch.
#include <QAction>
#include <QDir>
#include <QEvent>
#include <QLabel>
#include <QMessageBox>
#include <QTabWidget>
#include <QToolButton>

#include "i18n/LanguageModules.h"
#include "i18n/MessageCatalogue.h"
#include "store/ConfigStore.h"
#include "ui/TMain.h"
#include "ui/TranslatedText.h"

namespace kv7::ui {
namespace {

QString ToQString(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

void TMain::ConnectLanguageEntries() {
  for (const i18n::Language& language : i18n::kLanguages) {
    const QString entry = ToQString(language.entry);
    connect(Action(entry), &QAction::triggered, this, [this, entry] { SwitchLanguage(entry, true); });
  }
}

void TMain::UpdateLanguageMenu() {
  for (const i18n::Language& language : i18n::kLanguages)
    SetEntryAvailable(ToQString(language.entry), i18n::ModuleExists(language));
}

void TMain::StartLanguage(const QString& langinterface, const i18n::PrintSettings& print) {
  print_ = print;
  const i18n::Language* language = i18n::LanguageByCode(langinterface.toStdString());
  if (language == nullptr) language = &i18n::kLanguages[0];
  Action(ToQString(language->entry))->setChecked(true);
  UpdateLanguageMenu();
  SwitchLanguage(ToQString(language->entry), false);
}

void TMain::SwitchLanguage(const QString& entry, bool fromMenu) {
  const i18n::Language* language = i18n::LanguageByEntry(entry.toStdString());
  if (language == nullptr) return;
  if (i18n::LoadLanguageModule(language->localeId)) {
    i18n::ReloadWindows();
    SetTextByName("LavorPrec", QString());
    UpdateLanguageMenu();
    if (fromMenu) emit LanguageChosen(ToQString(language->code));
    Action(entry)->setChecked(true);
  } else if (fromMenu) {
    // The entry the operator picked must not look chosen: the check stays
    // on the language still in force.
    Action(ToQString(i18n::CurrentLanguage().entry))->setChecked(true);
  }
  std::string error;
  if (fromMenu && print_ &&
      !i18n::SavePrintFontIni(*print_, QDir::currentPath().toStdString(), store::ConfigStore::DefaultDirectory(),
                              &error))
    QMessageBox::warning(this, windowTitle(), tr("Impostazioni di stampa non salvate: %1").arg(ToQString(error)));
}

QString TMain::LanguageCode() const {
  for (const i18n::Language& language : i18n::kLanguages) {
    if (Action(ToQString(language.entry))->isChecked()) return ToQString(language.code);
  }
  return ToQString(i18n::kLanguages[0].code);
}

void TMain::SetCaption(const QString& source) {
  captionSource_ = source;
  setWindowTitle(i18n::TranslateMessage(source));
}

void TMain::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) RetranslateUi();
  QMainWindow::changeEvent(event);
}

void TMain::RetranslateUi() {
  RetranslateTexts(this);
  setWindowTitle(i18n::TranslateMessage(captionSource_));
  for (int q = 1; q <= kQualities; ++q) {
    pageControl1_->setTabText(q - 1, tr("Qualita &%1").arg(q));
    qualityTitles_[q - 1]->setText(tr("Qualita %1").arg(q));
  }
  image2_->setToolTip(tr("Allarme qualita: premere per tacitare"));
  // Label widths depend on the words of the language.
  scaledForHeight_ = -1;
  ApplyScale();
}

}  // namespace kv7::ui
