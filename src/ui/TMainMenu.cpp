// The console's menu bar and function keys.
#include <algorithm>
#include <iterator>

#include <QAction>
#include <QActionGroup>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

#include "ui/TMain.h"
#include "ui/TranslatedText.h"

namespace kv7::ui {
namespace {

using Signal = void (TMain::*)();

struct MenuDef {
  const char* name;
  const char* caption;
};

struct EntryDef {
  const char* menu;  // nullptr: an entry of the menu bar itself
  const char* name;
  const char* caption;
  Signal signal;   // nullptr: the entry has no command
  bool available;  // its command is built
  bool checkable;
};

// Menus in menu-bar order. "Fine" is an entry of the bar itself.
constexpr MenuDef kMenus[] = {
    {"Lavorazione", QT_TRANSLATE_NOOP("kv7::ui::TMain", "&Lavorazione")},
    {"Programmi1", QT_TRANSLATE_NOOP("kv7::ui::TMain", "&Programmi")},
    {"Bolle1", QT_TRANSLATE_NOOP("kv7::ui::TMain", "&Bolle")},
    {"Produttori1", QT_TRANSLATE_NOOP("kv7::ui::TMain", "Pro&duttori")},
    {"Installazione1", QT_TRANSLATE_NOOP("kv7::ui::TMain", "&Installazione")},
    {"Assistenza1", QT_TRANSLATE_NOOP("kv7::ui::TMain", "A&ssistenza")},
    {"Scarti1", QT_TRANSLATE_NOOP("kv7::ui::TMain", "S&carti")},
    {"ControlloRemoto1", QT_TRANSLATE_NOOP("kv7::ui::TMain", "Controllo &Remoto")},
    {"Lingua1", QT_TRANSLATE_NOOP("kv7::ui::TMain", "Lin&gua")},
    {"Aiuto2", QT_TRANSLATE_NOOP("kv7::ui::TMain", "&Aiuto")},
};

// Every entry the console offers. Entries whose commands come with later
// work are present and disabled until the supervisor marks them available.
const EntryDef kEntries[] = {
    {"Lavorazione", "Programma1", QT_TRANSLATE_NOOP("kv7::ui::TMain", "Programma  (F2)"), &TMain::Programma1Click, false, false},
    {"Lavorazione", "ModificaPU1", QT_TRANSLATE_NOOP("kv7::ui::TMain", "&Modifica P/U  (F6)"), &TMain::ModificaPU1Click, false, false},
    {"Lavorazione", "Start1", QT_TRANSLATE_NOOP("kv7::ui::TMain", "&Azzeramento   (F8)"), &TMain::Start1Click, false, false},
    {"Lavorazione", "Dati1", QT_TRANSLATE_NOOP("kv7::ui::TMain", "&Dati   (F3)"), &TMain::Dati1Click, false, false},
    {"Lavorazione", "Totali1", QT_TRANSLATE_NOOP("kv7::ui::TMain", "&Totali"), &TMain::Totali1Click, false, false},
    {"Lavorazione", "Stampa3", QT_TRANSLATE_NOOP("kv7::ui::TMain", "&Stampa   (F7)"), &TMain::Stampa3Click, false, false},
    {"Lavorazione", "Partita1", QT_TRANSLATE_NOOP("kv7::ui::TMain", "&Fine Lavorazione (F9)"), &TMain::Partita1Click, false, false},
    {"Lavorazione", "ResetCentralina1", QT_TRANSLATE_NOOP("kv7::ui::TMain", "&Reset Centralina"), &TMain::ResetCentralina1Click, false, false},

    {"Programmi1", "Nuovo1", QT_TRANSLATE_NOOP("kv7::ui::TMain", "&Nuovo"), &TMain::Nuovo1Click, false, false},
    {"Programmi1", "Modifica1", QT_TRANSLATE_NOOP("kv7::ui::TMain", "&Modifica"), &TMain::Modifica1Click, false, false},
    {"Programmi1", "Cancella1", QT_TRANSLATE_NOOP("kv7::ui::TMain", "&Cancella"), &TMain::Cancella1Click, false, false},
    {"Programmi1", "Stampa1", QT_TRANSLATE_NOOP("kv7::ui::TMain", "&Stampa"), &TMain::Stampa1Click, false, false},
    {"Programmi1", "Listino1", QT_TRANSLATE_NOOP("kv7::ui::TMain", "&Listino"), &TMain::Listino1Click, false, false},

    {"Bolle1", "Nuova1", QT_TRANSLATE_NOOP("kv7::ui::TMain", "&Nuova"), &TMain::Nuova1Click, false, false},
    {"Bolle1", "Modifica2", QT_TRANSLATE_NOOP("kv7::ui::TMain", "&Modifica"), &TMain::Modifica2Click, false, false},
    {"Bolle1", "Cancella2", QT_TRANSLATE_NOOP("kv7::ui::TMain", "&Cancella"), &TMain::Cancella2Click, false, false},
    {"Bolle1", "Stampa2", QT_TRANSLATE_NOOP("kv7::ui::TMain", "&Stampa"), &TMain::Stampa2Click, false, false},
    {"Bolle1", "Statistiche1", QT_TRANSLATE_NOOP("kv7::ui::TMain", "S&tatistiche"), &TMain::Statistiche1Click, false, false},
    {"Bolle1", "exportfrom1", QT_TRANSLATE_NOOP("kv7::ui::TMain", "esporta per Date"), &TMain::exportfrom1Click, false, false},
    {"Bolle1", "esportagiornaliero1", QT_TRANSLATE_NOOP("kv7::ui::TMain", "esporta giornaliero"), &TMain::esportagiornaliero1Click, false, false},
    {"Bolle1", "AzzeramentoBolle1", QT_TRANSLATE_NOOP("kv7::ui::TMain", "&Azzeramento Bolle"), &TMain::AzzeramentoBolle1Click, false, false},

    {"Produttori1", "nuova2", QT_TRANSLATE_NOOP("kv7::ui::TMain", "&Nuovo"), &TMain::nuova2Click, false, false},
    {"Produttori1", "Modifica3", QT_TRANSLATE_NOOP("kv7::ui::TMain", "&Modifica"), &TMain::Modifica3Click, false, false},
    {"Produttori1", "cancella3", QT_TRANSLATE_NOOP("kv7::ui::TMain", "&Cancella"), &TMain::cancella3Click, false, false},
    {"Produttori1", "stampa4", QT_TRANSLATE_NOOP("kv7::ui::TMain", "&Stampa"), &TMain::stampa4Click, false, false},
    {"Produttori1", "EstrattoConto1", QT_TRANSLATE_NOOP("kv7::ui::TMain", "&Estratto conto stagione"), &TMain::EstrattoConto1Click, false, false},
    {"Produttori1", "azzeraProduttori1", QT_TRANSLATE_NOOP("kv7::ui::TMain", "&Azzera Produttori"), &TMain::azzeraProduttori1Click, false, false},

    {"Installazione1", "Impostazione1", QT_TRANSLATE_NOOP("kv7::ui::TMain", "&Calibratrice"), &TMain::Impostazione1Click, false, false},
    {"Installazione1", "Programma2", QT_TRANSLATE_NOOP("kv7::ui::TMain", "&Programma"), &TMain::Programma2Click, false, false},
    {"Installazione1", "Costi2", QT_TRANSLATE_NOOP("kv7::ui::TMain", "&Costi"), &TMain::Costi2Click, false, false},
    {"Installazione1", "Azienda1", QT_TRANSLATE_NOOP("kv7::ui::TMain", "&Azienda"), &TMain::Azienda1Click, false, false},
    {"Installazione1", "SalvasuFloppy1", QT_TRANSLATE_NOOP("kv7::ui::TMain", "&Salva su Penna USB"), &TMain::SalvasuFloppy1Click, false, false},
    {"Installazione1", "RipristinadaFloppy1", QT_TRANSLATE_NOOP("kv7::ui::TMain", "&Ripristina da Penna USB"), &TMain::RipristinadaFloppy1Click,
     false, false},

    {"Assistenza1", "ControlloCELLE1", QT_TRANSLATE_NOOP("kv7::ui::TMain", "Controllo &CELLE"), &TMain::ControlloCELLE1Click, false, false},
    {"Assistenza1", "Memorizzato1", QT_TRANSLATE_NOOP("kv7::ui::TMain", "&Memorizzato"), &TMain::Memorizzato1Click, false, false},
    {"Assistenza1", "Encoder1", QT_TRANSLATE_NOOP("kv7::ui::TMain", "&Encoder"), &TMain::Encoder1Click, false, false},
    {"Assistenza1", "ControlloTazze1", QT_TRANSLATE_NOOP("kv7::ui::TMain", "Controllo &Tazze"), &TMain::ControlloTazze1Click, false, false},
    {"Assistenza1", "TabellaTara1", QT_TRANSLATE_NOOP("kv7::ui::TMain", "Tabella T&ara"), &TMain::TabellaTara1Click, false, false},
    {"Assistenza1", "Calibrazione1", QT_TRANSLATE_NOOP("kv7::ui::TMain", "Ca&librazione"), &TMain::Calibrazione1Click, false, false},
    {"Assistenza1", "Oscilloscopio1", QT_TRANSLATE_NOOP("kv7::ui::TMain", "&Oscilloscopio"), &TMain::Oscilloscopio1Click, false, false},
    {"Assistenza1", "TestMagneti1", QT_TRANSLATE_NOOP("kv7::ui::TMain", "Test Ma&gneti"), &TMain::TestMagneti1Click, false, false},

    {"Scarti1", "AggiornaTempiScarti1", QT_TRANSLATE_NOOP("kv7::ui::TMain", "Aggiorna Tempi Scarti"), &TMain::AggiornaTempiScarti1Click, true,
     false},
    {"Scarti1", "MappaerroriSRD121", QT_TRANSLATE_NOOP("kv7::ui::TMain", "Mappa errori SRD12"), &TMain::MappaerroriSRD121Click, true, false},

    {"ControlloRemoto1", "ctrl_rem_menu1", QT_TRANSLATE_NOOP("kv7::ui::TMain", "Remoto 1"), nullptr, false, false},
    {"ControlloRemoto1", "ctrl_rem_menu2", QT_TRANSLATE_NOOP("kv7::ui::TMain", "Remoto 2"), nullptr, false, false},
    {"ControlloRemoto1", "ctrl_rem_menu3", QT_TRANSLATE_NOOP("kv7::ui::TMain", "Remoto 3"), nullptr, false, false},

    {"Lingua1", "Italiano1", QT_TRANSLATE_NOOP("kv7::ui::TMain", "Italiano"), &TMain::Italiano1Click, false, true},
    {"Lingua1", "Spagnolo1", QT_TRANSLATE_NOOP("kv7::ui::TMain", "Spagnolo"), &TMain::Spagnolo1Click, false, true},
    {"Lingua1", "Portoghese1", QT_TRANSLATE_NOOP("kv7::ui::TMain", "Portoghese"), &TMain::Portoghese1Click, false, true},
    {"Lingua1", "Inglese1", QT_TRANSLATE_NOOP("kv7::ui::TMain", "Inglese"), &TMain::Inglese1Click, false, true},
    {"Lingua1", "Francese1", QT_TRANSLATE_NOOP("kv7::ui::TMain", "Francese"), &TMain::Francese1Click, false, true},
    {"Lingua1", "Tedesco2", QT_TRANSLATE_NOOP("kv7::ui::TMain", "Tedesco"), &TMain::Tedesco2Click, false, true},
    {"Lingua1", "greco", QT_TRANSLATE_NOOP("kv7::ui::TMain", "Greco"), &TMain::grecoClick, false, true},
    {"Lingua1", "Cinese1", QT_TRANSLATE_NOOP("kv7::ui::TMain", "Cinese"), nullptr, false, true},
    {"Lingua1", "Russo1", QT_TRANSLATE_NOOP("kv7::ui::TMain", "Russo"), nullptr, false, true},
    {"Lingua1", "Indiano1", QT_TRANSLATE_NOOP("kv7::ui::TMain", "Indiano"), nullptr, false, true},

    {"Aiuto2", "Aiuto1", QT_TRANSLATE_NOOP("kv7::ui::TMain", "&Aiuto"), &TMain::Aiuto1Click, true, false},
    {"Aiuto2", "Informazioni1", QT_TRANSLATE_NOOP("kv7::ui::TMain", "&Informazioni"), &TMain::Informazioni1Click, true, false},
    {"Aiuto2", "ControlloAggiornamentiOnline1", QT_TRANSLATE_NOOP("kv7::ui::TMain", "&Controllo Aggiornamenti On-line"),
     &TMain::ControlloAggiornamentiOnline1Click, false, false},

    {nullptr, "fine2", QT_TRANSLATE_NOOP("kv7::ui::TMain", "&Fine"), &TMain::fine2Click, true, false},
};

// Groups inside a menu: a separator before these entries.
const QString kSeparatorBefore[] = {"ResetCentralina1",
                                    "exportfrom1",
                                    "AzzeramentoBolle1",
                                    "azzeraProduttori1",
                                    "SalvasuFloppy1",
                                    "Cinese1",
                                    "ControlloAggiornamentiOnline1"};

struct KeyRoute {
  int key;
  const char* entry;
  bool needsController;
};

// The operator's function keys and the entries they run.
constexpr KeyRoute kKeys[] = {
    {Qt::Key_F1, "Totali1", false},    {Qt::Key_F2, "Programma1", true}, {Qt::Key_F3, "Dati1", false},
    {Qt::Key_F6, "ModificaPU1", true}, {Qt::Key_F7, "Stampa3", true},    {Qt::Key_F8, "Start1", true},
    {Qt::Key_F9, "Partita1", true},
};

}  // namespace

void TMain::BuildMenus() {
  QMenuBar* bar = menuBar();
  bar->setObjectName("MainMenu1");
  for (const MenuDef& m : kMenus) {
    QMenu* menu = bar->addMenu(QString());
    menu->setObjectName(m.name);
    SetSourceText(menu, "kv7::ui::TMain", QString::fromUtf8(m.caption));
    menu->menuAction()->setObjectName(QString(m.name) + "Menu");
    menus_.insert(m.name, menu);
  }
  // The remote control has no commands.
  menus_.value("ControlloRemoto1")->menuAction()->setEnabled(false);
  auto* languages = new QActionGroup(this);
  languages->setExclusive(true);

  for (const EntryDef& e : kEntries) {
    auto* action = new QAction(this);
    action->setObjectName(e.name);
    SetSourceText(action, "kv7::ui::TMain", QString::fromUtf8(e.caption));
    if (e.menu != nullptr) {
      QMenu* menu = menus_.value(e.menu);
      if (std::find(std::begin(kSeparatorBefore), std::end(kSeparatorBefore), QString(e.name)) !=
          std::end(kSeparatorBefore)) {
        menu->addSeparator();
      }
      menu->addAction(action);
    } else {
      bar->addAction(action);
    }
    if (e.checkable) {
      action->setCheckable(true);
      languages->addAction(action);
    }
    const QString name = e.name;
    if (e.signal != nullptr) {
      const Signal signal = e.signal;
      connect(action, &QAction::triggered, this, [this, signal, name] {
        emit CommandTriggered(name);
        emit(this->*signal)();
      });
    }
    ActionState state;
    state.action = action;
    state.command = e.signal != nullptr;
    state.available = e.available && state.command;
    actions_.insert(name, state);
    ApplyActionState(actions_[name]);
  }
  SetControllerOn(false);
}

void TMain::ApplyActionState(ActionState& state) {
  state.action->setEnabled(state.available && state.enabled);
}

void TMain::SetEntryAvailable(const QString& name, bool available) {
  auto it = actions_.find(name);
  if (it == actions_.end()) return;
  it->available = available && it->command;
  ApplyActionState(*it);
}

bool TMain::EntryAvailable(const QString& name) const {
  auto it = actions_.constFind(name);
  return it != actions_.constEnd() && it->available;
}

QAction* TMain::Action(const QString& name) const {
  auto it = actions_.constFind(name);
  return it == actions_.constEnd() ? nullptr : it->action;
}

QMenu* TMain::Menu(const QString& name) const {
  return menus_.value(name, nullptr);
}

QStringList TMain::ActionNames() const {
  return actions_.keys();
}

void TMain::SetControllerOn(bool on) {
  controllerOn_ = on;
  menus_.value("Lavorazione")->menuAction()->setEnabled(on);
  menus_.value("Assistenza1")->menuAction()->setEnabled(on);
}

bool TMain::RouteFunctionKey(int key) {
  for (const KeyRoute& k : kKeys) {
    if (k.key != key) continue;
    if (k.needsController && !controllerOn_) return true;
    QAction* action = Action(k.entry);
    if (action != nullptr && action->isEnabled()) action->trigger();
    return true;
  }
  return false;
}

void TMain::keyPressEvent(QKeyEvent* event) {
  if (!event->isAutoRepeat() && RouteFunctionKey(event->key())) {
    event->accept();
    return;
  }
  QMainWindow::keyPressEvent(event);
}

}  // namespace kv7::ui
