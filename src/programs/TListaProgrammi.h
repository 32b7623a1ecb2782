#pragma once
// "Lista Programmi": the programs of the archive, one line each (code, two
// blanks, description). A click on an entry, or Enter on the highlighted
// one, closes the window with OK and that entry; Escape cancels. The commands
// set the caption for their use.

#include <QDialog>

#include <string>

#include "programs/ProgramCodes.h"

class QLabel;
class QListWidget;

namespace kv7::programs {

class TListaProgrammi : public QDialog {
  Q_OBJECT
 public:
  explicit TListaProgrammi(QWidget* parent = nullptr);

  void SetPrograms(const ProgramLists& lists);
  // After OK: the chosen list position (1-based) and its code; 0 and empty
  // when nothing was chosen.
  int SelectedPosition() const { return selected_; }
  std::string SelectedCode() const { return codes_.At(selected_); }

  QListWidget* ListaBox() const { return list_; }
  QString NumMaxText() const;

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void Pick(int row);

  QListWidget* list_;
  QLabel* numMax_;
  ProgramCodes codes_;
  int selected_ = 0;
};

}  // namespace kv7::programs
