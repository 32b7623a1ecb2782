#pragma once
// The batch editor: program, the four quality pages of 15 classes (name,
// weight range, total, share), quality totals and shares, the reject, the
// grand total, the delivery note, producer, note, barcode, batch data and
// the "Partita" recalculation on the declared batch weight. Filled from a
// BatchEditorInput; on "Salva" it commits the totals, refuses to close while
// a total is not a whole number (naming the field), and hands back the
// working set to save. It never touches the archive.

#include <QDialog>

#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "batches/BatchArchive.h"
#include "batches/BatchRules.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTimeEdit;

namespace kv7::batches {

class TNewBolla : public QDialog {
  Q_OBJECT
 public:
  using ProducerPicker = std::function<std::optional<Producer>(const std::vector<Producer>&)>;
  using ProgramPicker = std::function<std::optional<int>(const programs::ProgramLists&)>;

  explicit TNewBolla(QWidget* parent = nullptr);

  // LoadBatch / ResetBatchEditor on the window: every field, the program's
  // classes, the totals recomputed, "Partita" unticked.
  void Fill(const BatchEditorInput& input);
  // After OK: the working set to save (header, date, totals in grams).
  const BatchWorkingSet& Result() const { return ws_; }
  // `totaligrammi` 1: totals in grams ("gr"), otherwise kilograms ("Kg").
  void SetUnits(bool inGrams);
  bool InGrams() const { return inGrams_; }

  // A batch whose program is not stored: with an empty archive the message
  // is shown and the batch is edited without classes; otherwise the program
  // picker is shown until a program is chosen, which replaces the batch's.
  static void ResolveProgram(QWidget* parent, BatchEditorInput& input, const ProgramPicker& picker = {},
                             const std::function<void(const QString&)>& inform = {});

  // Controls by their names ("TotC3Q2", "LavoratoQ5", "Numero", ...).
  QLineEdit* Field(const QString& name) const;
  QLabel* Label(const QString& name) const;
  QPlainTextEdit* Note() const { return note_; }
  QPlainTextEdit* CodBar() const { return codBar_; }
  QCheckBox* Corr() const { return corr_; }
  QComboBox* Programma() const { return programma_; }
  QTabWidget* Pages() const { return pages_; }
  QPushButton* SaveButton() const { return save_; }
  const std::vector<QLabel*>& UnitLabels() const { return units_; }
  void SetProducerPicker(ProducerPicker picker) { pickProducer_ = std::move(picker); }
  void SetErrorSink(std::function<void(const QString&)> sink) { showError_ = std::move(sink); }

  // The window's events, callable from tests.
  void CommitEditedTotals();
  void RecomputeBatchView();

 public slots:
  void done(int result) override;

 protected:
  void changeEvent(QEvent* e) override;

 private:
  struct ClassRow {
    QLabel* name;
    QLabel* range;
    QLineEdit* total;
    QLineEdit* share;
  };

  // Built in TNewBollaPages.cpp.
  QWidget* BuildPage(int q);
  QWidget* BuildQualityTotals();
  QWidget* BuildHeader();
  QLineEdit* NewField(QWidget* parent, const QString& name, int limit);
  QLabel* NewUnit(QWidget* parent);
  QLabel* NewLabel(QWidget* parent, const char* source);

  void RetranslateUi();
  void ShowProgramClasses(int index);
  void ProgrammaChange(int index);
  void CorrClick();
  void NoteChange(QPlainTextEdit* edit);
  void PickProducer();
  void ShowValue();
  void ShowTotal(QLineEdit* field, const std::string& counted, const std::string& shown);
  std::vector<QLineEdit*> TotalFields() const;
  std::string& WorkingText(QLineEdit* field);
  void ReadHeader();
  QString FieldCaption(const std::string& field) const;

  QLineEdit* nProgramma_ = nullptr;
  QComboBox* programma_ = nullptr;
  QTabWidget* pages_ = nullptr;
  std::array<std::array<ClassRow, kClasses>, kQualities> rows_{};
  std::array<QLineEdit*, 5> lavorato_{};
  std::array<QLineEdit*, 5> lavoratoP_{};
  QLineEdit* totale_ = nullptr;
  QLabel* valore_ = nullptr;  // the value below the totals, while a list applies
  QPlainTextEdit* note_ = nullptr;
  QPlainTextEdit* codBar_ = nullptr;
  QDateEdit* dataBolla_ = nullptr;
  QTimeEdit* timeBolla_ = nullptr;
  QCheckBox* corr_ = nullptr;
  QPushButton* change_ = nullptr;
  QPushButton* save_ = nullptr;
  std::vector<QLabel*> units_;
  // Labels whose Italian source is kept for the language switch.
  std::vector<std::pair<QLabel*, const char*>> texts_;
  std::vector<std::pair<QGroupBox*, const char*>> groups_;

  BatchEditorInput input_;
  BatchWorkingSet ws_;
  bool inGrams_ = true;
  std::size_t noteLimit_ = kNoteLimit;
  std::size_t codBarLimit_ = kNoteLimit;
  bool filling_ = false;
  ProducerPicker pickProducer_;
  std::function<void(const QString&)> showError_;
};

}  // namespace kv7::batches
