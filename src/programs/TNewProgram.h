#pragma once
// The program editor: description, code, and four pages "Pesi Qualita 1".."4"
// of 15 classes each (name, minimum and maximum weight, article code), plus
// the reject quality's article code. It is filled from ProgramEditorTexts and,
// when it closes with OK, hands back the record to save and its code; it
// never touches the archive.
//
// Rules of the fields: every field holds its width and overwrites when full;
// the maximum of class c and the minimum of class c + 1 are one limit, so a
// change of either is copied to the other while the window is shown; leaving
// a weight field rounds it with the weight multiplier and pads it to three
// digits.

#include <QDialog>

#include <functional>
#include <optional>

#include "programs/ProgramEditorTexts.h"

class QTabWidget;

namespace kv7::programs {

class FieldEdit;

class TNewProgram : public QDialog {
  Q_OBJECT
 public:
  explicit TNewProgram(QWidget* parent = nullptr);

  // The weight multiplier `xmoltiply` (the window's copy).
  void SetMultiplier(int multiplier);
  int Multiplier() const { return multiplier_; }

  // Shows `texts` in the fields, without chaining.
  void Fill(const ProgramEditorTexts& texts);
  ProgramEditorTexts Texts() const;
  // After OK: what to save, and the code to save it under (`codprog`).
  const store::ProgramRecord& Result() const { return result_; }
  std::string Code() const;

  // The editor's caption for a program: "Modifica programma N. " + code.
  static QString EditCaption(const QString& code);

  // A field by its control name ("NomeCal1Q1", "PesoCalMax3Q2", "codprog").
  FieldEdit* Field(const QString& name) const;
  QTabWidget* Pages() const { return pages_; }

  // How errors reach the operator (a modal box unless replaced).
  void SetErrorSink(std::function<void(const QString&)> sink) { showError_ = std::move(sink); }

  // Whether the window may close: the program code must be a whole number.
  bool FormCloseQuery();

 public slots:
  void done(int result) override;

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  struct Row {
    FieldEdit* name;
    FieldEdit* min;
    FieldEdit* max;
    FieldEdit* code;
  };

  QWidget* BuildPage(int q);
  void WeightChanged(int q, int c, bool isMax);
  void LeaveWeight(FieldEdit* field);
  // The checks of OK: a code the board can load (1..98), then every weight
  // converts; otherwise the person is told why.
  bool CodeLoadable();
  bool ReadForSave();

  QTabWidget* pages_ = nullptr;
  FieldEdit* description_ = nullptr;
  FieldEdit* code_ = nullptr;
  FieldEdit* rejectCode_ = nullptr;
  std::array<std::array<Row, kClasses>, kQualities> rows_{};
  int multiplier_ = 0;
  bool chaining_ = false;
  store::ProgramRecord result_;
  std::function<void(const QString&)> showError_;
};

}  // namespace kv7::programs
