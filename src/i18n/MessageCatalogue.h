#pragma once
// The texts the Qt-free layers (links, store, supervisor) hand to the screen,
// in Italian as they produce them. They are listed once in
// MessageCatalogue.cpp so the translation tools collect them; the console
// translates them where they reach a window.

#include <QString>

#include <span>

namespace kv7::i18n {

// Translation context of the catalogue.
inline constexpr const char* kMessageContext = "Messages";

// Every catalogue text. A text with "%1", "%2" ... is a pattern: the parts
// the layers put in at run time (a command letter, a percentage, a name).
std::span<const char* const> CatalogueTexts();

// The text in the language in force. Leading and trailing blanks are kept as
// they are; a text that is not a catalogue entry is matched against the
// patterns, and its inserted parts are translated too when they are entries
// themselves ("Trasf.  Programma Mb3 =  48 %"); decimal numbers in them
// follow the language's decimal mark. Anything else comes back unchanged.
QString TranslateMessage(const QString& italianSource);

// Whether a text (blanks around ignored) is an entry or fits a pattern.
bool IsCatalogueText(const QString& italianSource);

}  // namespace kv7::i18n
