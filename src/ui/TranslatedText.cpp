#include "ui/TranslatedText.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QVariant>

#include "i18n/MessageCatalogue.h"

namespace kv7::ui {
namespace {

constexpr const char* kSourceProperty = "kv7Source";
constexpr const char* kContextProperty = "kv7Context";
constexpr const char* kArgsProperty = "kv7Args";

void Show(QObject* target) {
  const QVariant source = target->property(kSourceProperty);
  if (!source.isValid()) return;
  const QByteArray context = target->property(kContextProperty).toByteArray();
  QString text = context.isEmpty() ? i18n::TranslateMessage(source.toString())
                                   : QCoreApplication::translate(context.constData(),
                                                                 source.toString().toUtf8().constData());
  for (const QString& arg : target->property(kArgsProperty).toStringList()) text = text.arg(arg);
  if (auto* label = qobject_cast<QLabel*>(target))
    label->setText(text);
  else if (auto* button = qobject_cast<QAbstractButton*>(target))
    button->setText(text);
  else if (auto* group = qobject_cast<QGroupBox*>(target))
    group->setTitle(text);
  else if (auto* menu = qobject_cast<QMenu*>(target))
    menu->setTitle(text);
  else if (auto* action = qobject_cast<QAction*>(target))
    action->setText(text);
}

}  // namespace

void SetSourceText(QObject* target, const char* context, const QString& source, const QStringList& args) {
  target->setProperty(kSourceProperty, source);
  target->setProperty(kContextProperty, QByteArray(context ? context : ""));
  target->setProperty(kArgsProperty, args);
  Show(target);
}

QString SourceText(const QObject* target) {
  return target->property(kSourceProperty).toString();
}

void RetranslateTexts(QObject* root) {
  Show(root);
  for (QObject* child : root->findChildren<QObject*>()) Show(child);
}

}  // namespace kv7::ui
