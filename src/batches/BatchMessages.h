#pragma once
// Captions and messages of the batch and producer commands, in Italian and
// translated like every window text.

#include <QCoreApplication>
#include <QString>

namespace kv7::batches {

class BatchMessages {
  Q_DECLARE_TR_FUNCTIONS(BatchMessages)

 public:
  static QString NewCaption(qint64 n) { return tr("Nuova Bolla N:") + QString("%1").arg(n, 5); }
  static QString EditCaption(qint64 n) { return tr("Modifica Bolla N:") + QString("%1").arg(n, 3); }
  static QString EmptyProgramArchive() { return tr("Archivio Programmi Vuoto, Rilavorazione impossibile."); }
  // The program picker forced on a batch whose program is not stored.
  static QString MissingProgramCaption() { return tr("Caricamento Programma "); }
  static QString MissingProgramLabel() {
    return tr("Programma dell archivio INESISTENTE, selezionarne uno dalla lista.");
  }
  static QString ProgramCountLabel() { return tr("Numero Programmi"); }
  // A save refused: the field and what it holds.
  static QString NotAnInteger(const QString& field, const QString& text) {
    return tr("Il campo %1 non contiene un numero intero: \"%2\". La bolla non è stata salvata.")
        .arg(field, text);
  }
  static QString BadProducerCode(const QString& text) {
    return tr("Il codice produttore deve essere un numero intero: \"%1\".").arg(text);
  }
};

}  // namespace kv7::batches
