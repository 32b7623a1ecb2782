#include "i18n/LanguageModules.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMutex>
#include <QTranslator>

#include <memory>

namespace kv7::i18n {
namespace {

QString ToQString(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// The translator Qt asks for every text: the language module first, then
// Qt's own texts (standard buttons) of the same language when installed.
class ModuleTranslator final : public QTranslator {
 public:
  QString translate(const char* context, const char* source, const char* disambiguation,
                    int n) const override {
    if (module_) {
      QString text = module_->translate(context, source, disambiguation, n);
      if (!text.isNull()) return text;
    }
    return qt_ ? qt_->translate(context, source, disambiguation, n) : QString();
  }
  bool isEmpty() const override { return !module_; }

  void Swap(std::unique_ptr<QTranslator> module, std::unique_ptr<QTranslator> qt) {
    module_ = std::move(module);
    qt_ = std::move(qt);
  }

 private:
  std::unique_ptr<QTranslator> module_;
  std::unique_ptr<QTranslator> qt_;
};

struct State {
  QStringList searchPath;
  ModuleTranslator* translator = nullptr;  // owned by the application once installed
  const Language* current = &kLanguages[0];
};

State& Modules() {
  static State state;
  return state;
}

std::unique_ptr<QTranslator> QtTexts(const Language& language) {
  auto qt = std::make_unique<QTranslator>();
  if (qt->load(QLocale(ToQString(language.qtLocale)), "qtbase", "_",
               QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    return qt;
  return nullptr;
}

}  // namespace

QStringList DefaultModuleSearchPath() {
  QStringList dirs;
  if (QCoreApplication::instance()) dirs << QCoreApplication::applicationDirPath();
  dirs << QDir::currentPath() << QStringLiteral(KV7_DATA_DIR);
  return dirs;
}

void SetModuleSearchPath(const QStringList& dirs) {
  Modules().searchPath = dirs;
}

QStringList ModuleSearchPath() {
  const QStringList& set = Modules().searchPath;
  return set.isEmpty() ? DefaultModuleSearchPath() : set;
}

QString ModulePath(const Language& language) {
  const QString abbreviation = ToQString(language.abbreviation).left(3);
  const QString base = ToQString(kModuleBaseName) + '.';
  for (const QString& name : {base + abbreviation, base + abbreviation.left(2)}) {
    for (const QString& dir : ModuleSearchPath()) {
      const QFileInfo file(QDir(dir), name);
      if (file.isFile()) return file.filePath();
    }
  }
  return {};
}

bool ModuleExists(const Language& language) {
  return !ModulePath(language).isEmpty();
}

bool LoadLanguageModule(int localeId) {
  const Language* language = LanguageByLocaleId(localeId);
  if (!language) return false;
  const QString path = ModulePath(*language);
  if (path.isEmpty()) return false;
  auto module = std::make_unique<QTranslator>();
  if (!module->load(path)) return false;

  State& state = Modules();
  const bool first = state.translator == nullptr;
  if (first) state.translator = new ModuleTranslator;
  state.translator->Swap(std::move(module), QtTexts(*language));
  state.current = language;
  QLocale::setDefault(QLocale(ToQString(language->qtLocale)));
  if (first) {
    // Installing tells every window itself.
    state.translator->setParent(QCoreApplication::instance());
    QCoreApplication::installTranslator(state.translator);
  } else {
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(QCoreApplication::instance(), &change);
  }
  return true;
}

void ReloadWindows() {
  // The application hands the change to each window as a posted event; they
  // are delivered here so the switch is complete when the handler goes on.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

const Language& CurrentLanguage() {
  return *Modules().current;
}

QLocale CurrentLocale() {
  return QLocale(ToQString(CurrentLanguage().qtLocale));
}

}  // namespace kv7::i18n
