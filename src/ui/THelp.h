#pragma once
// The operator guide inside the console (menu "Aiuto"): the Markdown guide
// with its pictures, read from the first place that holds it. Escape closes.

#include <QDialog>
#include <QString>
#include <QStringList>

class QTextBrowser;

namespace kv7::ui {

class THelp : public QDialog {
  Q_OBJECT
 public:
  static constexpr const char* kGuideFile = "operator-guide.md";

  explicit THelp(QWidget* parent = nullptr);

  // Where the guide is looked for, in order: beside the program (and its
  // docs folder), the working directory's docs folder, the installed data
  // folder's docs.
  static QStringList DefaultPlaces();
  // The guide's full path in the first place that has one; empty if none.
  static QString FindGuide(const QStringList& places);

  // Shows the guide found in `places`, or says where it was looked for.
  void Load(const QStringList& places = DefaultPlaces());
  QTextBrowser* Browser() const { return browser_; }

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void Retranslate();

  QTextBrowser* browser_;
};

}  // namespace kv7::ui
