#pragma once
// A window text kept with its Italian source, so a language switch shows it
// again in the new language. Labels, buttons, group boxes, menus and menu
// entries; the text is translated in `context` (the window class's tr()
// context) or, with a null context, as a message of the Qt-free layers.

#include <QString>
#include <QStringList>

class QObject;

namespace kv7::ui {

// `args` fill the source's "%1", "%2" ... after translation (a line number).
void SetSourceText(QObject* target, const char* context, const QString& source, const QStringList& args = {});
// The Italian source kept for `target`; empty when it has none.
QString SourceText(const QObject* target);
// Shows every kept text of `root` and its descendants in the language in force.
void RetranslateTexts(QObject* root);

}  // namespace kv7::ui
