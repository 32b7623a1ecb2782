#pragma once
// The information box: program version, product name, a comment line, the
// legal line, and the customer's picture when the site has one.

#include <QDialog>

class QLabel;

namespace kv7::ui {

class TAboutBox : public QDialog {
  Q_OBJECT
 public:
  struct VersionBlock {
    QString fileVersion;  // empty: the program carries no version information
    QString productName;
    QString comments;
    QString legal;
  };

  explicit TAboutBox(QWidget* parent = nullptr);

  // Fills the texts from the version block (or the fixed texts without one)
  // and picks the picture from `dir`.
  void Prepare(const VersionBlock& block, const QString& makerLine, const QString& dir);

  // The picture file shown for the customer, empty when the design picture stays.
  static QString CustomerPicture(const QString& dir);

  QLabel* Version() const { return version_; }
  QLabel* Comments() const { return comments_; }
  QLabel* ProductName() const { return productName_; }
  QLabel* Legal() const { return legal_; }
  QLabel* ProgramIcon() const { return programIcon_; }

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void ShowTexts();

  VersionBlock block_;
  QString makerLine_;
  QLabel* version_;
  QLabel* comments_;
  QLabel* productName_;
  QLabel* legal_;
  QLabel* programIcon_;
};

}  // namespace kv7::ui
