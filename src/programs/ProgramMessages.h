#pragma once
// Captions and messages of the program commands (choose, new, modify,
// delete), in Italian and translated like every window text. The commands
// themselves run on the machine side; these are what they show.

#include <QCoreApplication>
#include <QString>

namespace kv7::programs {

class ProgramMessages {
  Q_DECLARE_TR_FUNCTIONS(ProgramMessages)

 public:
  // List window captions.
  static QString LoadCaption() { return tr(" Caricamento Programma "); }
  static QString DeleteCaption() { return tr(" Cancella Programma "); }
  static QString ControllerOff() { return tr("La centralina è spenta, accenderla per favore!"); }
  // The chosen program's code is not a number the board takes.
  static QString NotABoardProgram(const QString& code) {
    return tr("Il programma %1 non può essere caricato: il codice deve essere un numero da 1 a 98.")
        .arg(code);
  }
  static QString CurrentProgram() {
    return tr("Il programma è quello corrente; non è possibile cancellarlo!");
  }
  // New with every code 01..98 in use.
  static QString NoFreeCode() {
    return tr("Tutti i codici da 01 a 98 sono già usati: cancellare un programma.");
  }
  static QString ProgramMissing(const QString& code) {
    return tr("Il programma %1 non è in archivio.").arg(code);
  }
};

}  // namespace kv7::programs
