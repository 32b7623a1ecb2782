#include "i18n/MessageCatalogue.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <vector>

#include "i18n/LanguageModules.h"

namespace kv7::i18n {
namespace {

// Blanks around a text are the layers' layout (panel padding), not words:
// entries are listed without them.
const char* const kTexts[] = {
    // Controller board command failures.
    QT_TRANSLATE_NOOP("Messages", "Il comando %1 non è andato a buon fine"),
    QT_TRANSLATE_NOOP("Messages", "Il comando %1 non ha ricevuto una risposta corretta"),
    QT_TRANSLATE_NOOP("Messages", "Il comando %1 non ha ricevuto una risposta corretta=%2"),
    QT_TRANSLATE_NOOP("Messages", "Il comando %1 non è stato trasmesso correttamente"),
    QT_TRANSLATE_NOOP("Messages", "Il comando di versione non ha ricevuto una risposta corretta"),
    QT_TRANSLATE_NOOP("Messages", "Il comando di type non ha ricevuto una risposta corretta"),
    QT_TRANSLATE_NOOP("Messages", "Il comando di controllo rotazione non è stato trasmesso correttamente"),
    QT_TRANSLATE_NOOP("Messages", "Il comando di rotazione non ha ricevuto una risposta corretta"),
    QT_TRANSLATE_NOOP("Messages", "Il comando di Set rotazione non è stato trasmesso correttamente"),
    QT_TRANSLATE_NOOP("Messages", "Il comando di Set rotazione non ha ricevuto una risposta corretta"),
    QT_TRANSLATE_NOOP("Messages", "Il comando di Set Delay Tara non è stato trasmesso correttamente"),
    QT_TRANSLATE_NOOP("Messages", "Il comando di Set Tipo Magneti non è stato trasmesso correttamente"),
    QT_TRANSLATE_NOOP("Messages", "Il comando tara tazza non è andato a buon fine"),
    QT_TRANSLATE_NOOP("Messages", "Il comando di traccia grafica non è stato inviato correttamente"),
    QT_TRANSLATE_NOOP("Messages", "Termina Oscilloscopio non eseguito..."),
    QT_TRANSLATE_NOOP("Messages", "Il comando di controllo tazze vuote non è stato inviato correttamente"),
    QT_TRANSLATE_NOOP("Messages", "Il comando di termina tazze vuote non eseguito"),
    QT_TRANSLATE_NOOP("Messages", "Il comando di calibrazione linee non è stato inviato correttamente"),
    QT_TRANSLATE_NOOP("Messages",
                      "Il comando di termina calibrazione linee non è stato inviato correttamente"),
    // Reject station states and errors.
    QT_TRANSLATE_NOOP("Messages", "0 - SCARTI ON"),
    QT_TRANSLATE_NOOP("Messages", "1 - attesa scar."),
    QT_TRANSLATE_NOOP("Messages", "2 - SCARICO"),
    QT_TRANSLATE_NOOP("Messages", "3 - ass. tara"),
    QT_TRANSLATE_NOOP("Messages", "4 - tara in corso"),
    QT_TRANSLATE_NOOP("Messages", "5 - att. carico"),
    QT_TRANSLATE_NOOP("Messages", "6 - Carico Sing."),
    QT_TRANSLATE_NOOP("Messages", "7 - Ass. e Accum."),
    QT_TRANSLATE_NOOP("Messages", "8 - Doppia Carico"),
    QT_TRANSLATE_NOOP("Messages", "9 - Ass. Accum. Pos."),
    QT_TRANSLATE_NOOP("Messages", "? - errore scarti"),
    QT_TRANSLATE_NOOP("Messages", "0-SCARTI off"),
    QT_TRANSLATE_NOOP("Messages", "errore ciclo on scarti"),
    QT_TRANSLATE_NOOP("Messages", "Errori Centralina Scarti"),
    QT_TRANSLATE_NOOP("Messages", "Programma Peso = 0"),
    QT_TRANSLATE_NOOP("Messages", "Set-Up Singola/Doppia"),
    QT_TRANSLATE_NOOP("Messages", "Set-Up i due rele di carico = 0"),
    QT_TRANSLATE_NOOP("Messages", "Set-Up i due rele di scarico = 0"),
    QT_TRANSLATE_NOOP("Messages", "Set-Up k-Peso = 0"),
    QT_TRANSLATE_NOOP("Messages", "rele Scarico Destro non assegnato"),
    QT_TRANSLATE_NOOP("Messages", "rele Scarico Sinistro non assegnato"),
    QT_TRANSLATE_NOOP("Messages", "Doppia manca 1 rele o 1 sensore di carico"),
    QT_TRANSLATE_NOOP("Messages", "Ciclo On Tara valore errato"),
    QT_TRANSLATE_NOOP("Messages", "seriale Ricezione buffer pieno"),
    QT_TRANSLATE_NOOP("Messages", "seriale Trasmissione Time-Out"),
    QT_TRANSLATE_NOOP("Messages", "comandi J/K errati"),
    // Controller board state on the status bar.
    QT_TRANSLATE_NOOP("Messages", "0 - Centralina off"),
    QT_TRANSLATE_NOOP("Messages", "0 - Accesa"),
    QT_TRANSLATE_NOOP("Messages", "1 - Stand By"),
    QT_TRANSLATE_NOOP("Messages", "2 - Attesa Encoder"),
    QT_TRANSLATE_NOOP("Messages", "3 - Tara iniziale"),
    QT_TRANSLATE_NOOP("Messages", "4 - Lavorazione"),
    QT_TRANSLATE_NOOP("Messages", "5 - Fine partita"),
    QT_TRANSLATE_NOOP("Messages", "%1tz/s"),
    QT_TRANSLATE_NOOP("Messages", "set Encoder orario"),
    QT_TRANSLATE_NOOP("Messages", "set Encoder antiorario"),
    QT_TRANSLATE_NOOP("Messages", "Trasf. %1Mb3 = %2 %"),
    QT_TRANSLATE_NOOP("Messages", "Programma"),
    // Messages and questions of the supervisor.
    QT_TRANSLATE_NOOP("Messages", "Bolla temporanea non presente!"),
    QT_TRANSLATE_NOOP("Messages", "Vuoi esportare i dati verso AS400 ?"),
    QT_TRANSLATE_NOOP("Messages", "Errore imprevisto: %1. Il programma viene chiuso."),
    // Totals and the reset of totals.
    QT_TRANSLATE_NOOP("Messages", "La centralina è spenta, accenderla per favore!"),
    QT_TRANSLATE_NOOP("Messages", "I totali verranno azzerati, vuoi continuare ?"),
    QT_TRANSLATE_NOOP("Messages", "richiesta totali della centralina scarti non risposta!"),
    QT_TRANSLATE_NOOP("Messages", "1-SCARTI ON"),
    QT_TRANSLATE_NOOP("Messages", "linea %1 non risponde"),
    // Grading program commands.
    QT_TRANSLATE_NOOP("Messages", "Il programma %1 non è in archivio."),
    QT_TRANSLATE_NOOP("Messages", "programma %1 non in archivio"),
    QT_TRANSLATE_NOOP("Messages",
                      "Il programma %1 non può essere caricato: il codice deve essere un numero da 1 a 98."),
    QT_TRANSLATE_NOOP("Messages", "Il programma è quello corrente; non è possibile cancellarlo!"),
    QT_TRANSLATE_NOOP("Messages", "Tutti i codici da 01 a 98 sono già usati: cancellare un programma."),
    // Batch commands.
    QT_TRANSLATE_NOOP("Messages", "Il campo %1 non contiene un numero intero: \"%2\". La bolla non è stata salvata."),
    QT_TRANSLATE_NOOP("Messages", "La bolla è stata registrata con il numero %1: il numero %2 è stato preso nel frattempo da un'altra bolla."),
    QT_TRANSLATE_NOOP("Messages", "La bolla %1 è stata cancellata dopo l'apertura: le modifiche non sono state salvate."),
    QT_TRANSLATE_NOOP("Messages", "La bolla %1 è stata cambiata dopo l'apertura: le modifiche non sono state salvate."),
    QT_TRANSLATE_NOOP("Messages", "La bolla %1 non esiste più."),
    // The end of a batch, its journal and the exports for the host.
    QT_TRANSLATE_NOOP("Messages", "Totale partita deve essere maggiore di zero!"),
    QT_TRANSLATE_NOOP("Messages", "azzione scarti!"),
    QT_TRANSLATE_NOOP("Messages", "nessun programma caricato"),
    QT_TRANSLATE_NOOP("Messages", "Verificare che la macchina sia vuota, premere Yes per eseguire la calibrazione."),
    QT_TRANSLATE_NOOP("Messages", "La bolla %1 non è stata salvata: %2. I totali restano nella centralina."),
    QT_TRANSLATE_NOOP("Messages", "La bolla %1 è in attesa: sarà archiviata appena il database risponde."),
    QT_TRANSLATE_NOOP("Messages", "Il record della bolla %1 è in attesa: la cartella %2 non è scrivibile."),
    QT_TRANSLATE_NOOP("Messages", "Giornale delle bolle non disponibile: %1"),
    QT_TRANSLATE_NOOP("Messages", "Esportazione non scritta: %1"),
    QT_TRANSLATE_NOOP("Messages", "Lavorazione precedente n: %1"),
    QT_TRANSLATE_NOOP("Messages", "Totali con la bolla archiviata n: %1 (azzerare F8)"),
    QT_TRANSLATE_NOOP("Messages",
                      "La linea %1 non ha dato i totali: la bolla non è stata archiviata. Premere F9 quando la linea risponde."),
    QT_TRANSLATE_NOOP("Messages", "%1 bolle in attesa"),
    QT_TRANSLATE_NOOP("Messages", "%1 record in attesa"),
    QT_TRANSLATE_NOOP("Messages", "%1 bolle rifiutate"),
    QT_TRANSLATE_NOOP("Messages", "La bolla %1 è stata rifiutata dall'archivio: %2. Resta nel giornale tra le bolle rifiutate."),
    // Service windows: diagnostic tests and the oscilloscope.
    QT_TRANSLATE_NOOP("Messages", "Termine Memorizzato non accettato!"),
    QT_TRANSLATE_NOOP("Messages", "Fine funzione oscilloscopio... non eseguita!"),
    QT_TRANSLATE_NOOP("Messages", "Impossibile scrivere il file %1: le tracce non vengono più salvate."),
    // Names the console hands to its windows.
    QT_TRANSLATE_NOOP("Messages", "KV7 Campionatrice"),
    QT_TRANSLATE_NOOP("Messages", "%1 - Macchina %2"),
    QT_TRANSLATE_NOOP("Messages", "KV7 Campionatrice%1"),  // with the board's version and type
    QT_TRANSLATE_NOOP("Messages", "Programma Gestione Calibratrice"),
    QT_TRANSLATE_NOOP("Messages", "non abilitata"),
    // Installation, its backup and the archive resets.
    QT_TRANSLATE_NOOP("Messages",
                      "Attenzione! le modifiche apportate nel quadro che segue possono alterare il funzionamento "
                      "della macchina. Si vuole proseguire?"),
    QT_TRANSLATE_NOOP("Messages", "Com non disponibile nel computer, il programma terminera!"),
    QT_TRANSLATE_NOOP("Messages", "Com Scarti non disponibile nel computer, il programma terminera!"),
    QT_TRANSLATE_NOOP("Messages", "Dischetto sul floppy non presente o non leggibile!"),
    QT_TRANSLATE_NOOP("Messages", "Salvataggio effettuato!"),
    QT_TRANSLATE_NOOP("Messages", "Configurazione non leggibile (%1): il programma termina senza modificarla."),
    QT_TRANSLATE_NOOP("Messages", "Ripristino effettuato!"),
    QT_TRANSLATE_NOOP("Messages", "Il file non contiene impostazioni dell'installazione: niente ripristinato."),
    QT_TRANSLATE_NOOP("Messages", "Le impostazioni del file sono già quelle in uso: niente da ripristinare."),
    QT_TRANSLATE_NOOP("Messages", "Impostazioni che il ripristino cambia: %1. Procedere?"),
    QT_TRANSLATE_NOOP("Messages", "Cancellazione non possibile, Bolla precedente in corso."),
    QT_TRANSLATE_NOOP("Messages", "Cancellare archivio Bolle? non sarà possibile recuperarlo."),
    QT_TRANSLATE_NOOP("Messages", "Cancellare archivio Produttori? non sarà possibile recuperarlo."),
    QT_TRANSLATE_NOOP("Messages", "Archivio Bolle cancellato!"),
    QT_TRANSLATE_NOOP("Messages", "Archivio Produttori cancellato!"),
    QT_TRANSLATE_NOOP("Messages", "Copia di sicurezza non riuscita: archivio non cancellato."),
    QT_TRANSLATE_NOOP("Messages", "Copia di sicurezza dell'archivio in %1"),
    QT_TRANSLATE_NOOP("Messages", "Impossibile avviare il programma di aggiornamento %1"),
    QT_TRANSLATE_NOOP("Messages", "Programma di aggiornamento non installato: %1"),
};

struct Pattern {
  QRegularExpression match;
  std::vector<int> placeholders;  // %N of each captured group, in order
  const char* source;
};

struct Catalogue {
  QSet<QString> entries;
  std::vector<Pattern> patterns;
};

const QRegularExpression& PlaceholderExpression() {
  static const QRegularExpression placeholder(QStringLiteral("%([1-9])"));
  return placeholder;
}

Pattern MakePattern(const char* source) {
  const QString text = QString::fromUtf8(source);
  Pattern p{{}, {}, source};
  QString expression = QStringLiteral("^");
  qsizetype at = 0;
  for (const auto& m : PlaceholderExpression().globalMatch(text)) {
    expression += QRegularExpression::escape(text.mid(at, m.capturedStart() - at)) + QStringLiteral("(.*?)");
    p.placeholders.push_back(m.captured(1).toInt());
    at = m.capturedEnd();
  }
  expression += QRegularExpression::escape(text.mid(at)) + QStringLiteral("$");
  p.match.setPattern(expression);
  p.match.setPatternOptions(QRegularExpression::DotMatchesEverythingOption);
  return p;
}

const Catalogue& TheCatalogue() {
  static const Catalogue catalogue = [] {
    Catalogue c;
    for (const char* text : kTexts) {
      if (PlaceholderExpression().match(QString::fromUtf8(text)).hasMatch())
        c.patterns.push_back(MakePattern(text));
      else
        c.entries.insert(QString::fromUtf8(text));
    }
    return c;
  }();
  return catalogue;
}

QString Translated(const char* source) {
  return QCoreApplication::translate(kMessageContext, source);
}

// Keeps the blanks around `text` around its translation.
template <typename Translate>
QString Padded(const QString& text, Translate translate) {
  const QString core = text.trimmed();
  if (core.isEmpty()) return text;
  const qsizetype lead = text.indexOf(core);
  const QString inner = translate(core);
  return text.left(lead) + inner + text.mid(lead + core.size());
}

// A part a pattern captured: an entry of its own, a decimal number, or kept.
QString TranslatePart(const QString& part) {
  return Padded(part, [](const QString& core) {
    if (TheCatalogue().entries.contains(core)) return Translated(core.toUtf8().constData());
    static const QRegularExpression decimal(QStringLiteral("^-?\\d+,\\d+$"));
    if (decimal.match(core).hasMatch()) {
      QString number = core;
      return number.replace(QLatin1Char(','), CurrentLocale().decimalPoint());
    }
    return core;
  });
}

QString Fill(const QString& translated, const std::vector<QString>& parts) {
  QString out;
  qsizetype at = 0;
  for (const auto& m : PlaceholderExpression().globalMatch(translated)) {
    out += translated.mid(at, m.capturedStart() - at);
    const auto n = static_cast<std::size_t>(m.captured(1).toInt());
    out += n >= 1 && n <= parts.size() ? parts[n - 1] : m.captured(0);
    at = m.capturedEnd();
  }
  return out + translated.mid(at);
}

QString TranslateCore(const QString& core) {
  const Catalogue& c = TheCatalogue();
  if (c.entries.contains(core)) return Translated(core.toUtf8().constData());
  for (const Pattern& p : c.patterns) {
    const QRegularExpressionMatch m = p.match.match(core);
    if (!m.hasMatch()) continue;
    std::vector<QString> parts(p.placeholders.size());
    for (std::size_t g = 0; g < p.placeholders.size(); ++g) {
      const auto n = static_cast<std::size_t>(p.placeholders[g]);
      if (n >= 1 && n <= parts.size()) parts[n - 1] = TranslatePart(m.captured(static_cast<int>(g) + 1));
    }
    return Fill(Translated(p.source), parts);
  }
  return core;
}

}  // namespace

std::span<const char* const> CatalogueTexts() {
  return kTexts;
}

QString TranslateMessage(const QString& italianSource) {
  return Padded(italianSource, TranslateCore);
}

bool IsCatalogueText(const QString& italianSource) {
  const QString core = italianSource.trimmed();
  const Catalogue& c = TheCatalogue();
  return c.entries.contains(core) || std::any_of(c.patterns.begin(), c.patterns.end(), [&](const Pattern& p) {
           return p.match.match(core).hasMatch();
         });
}

}  // namespace kv7::i18n
