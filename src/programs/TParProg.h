#pragma once
// "Parametri  Programma": archiving, printing and the PDF copy of the ticket,
// units of the totals, copies, export directory, percentage warnings, the
// automatic refresh of the totals and the report font. Filled from ProgramParameters, returns them on OK;
// the caller stores them.

#include <QDialog>

#include <array>

#include "programs/ProgramParameters.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

namespace kv7::programs {

class TParProg : public QDialog {
  Q_OBJECT
 public:
  explicit TParProg(QWidget* parent = nullptr);

  void SetParameters(const ProgramParameters& p);
  ProgramParameters Parameters() const;

  // The folder of a file chosen with "Sfoglia..", without a trailing separator.
  static QString FolderOf(const QString& file);

 signals:
  // UpDown1 moved: the refresh interval takes effect at once.
  void refreshIntervalChanged(int seconds);

 private:
  void Browse();
  void ChooseFont();

  QCheckBox* archiviazione_;
  QCheckBox* stampaBolla_;
  QCheckBox* copiaPdf_;
  QCheckBox* txRemoto_;
  QCheckBox* stpGrammi_;
  QCheckBox* finePartita_;
  QComboBox* totaliSmb1_;
  QComboBox* numCopie_;
  QLineEdit* direxp_;
  std::array<QSpinBox*, 4> upDownQ_{};
  QSpinBox* upDown1_;
  PrintFont font_;
};

}  // namespace kv7::programs
