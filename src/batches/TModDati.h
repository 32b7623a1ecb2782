#pragma once
// "Dati Bolla": the processing data of the running batch. Filled from a
// ProcessingData and the producers; hands the data back when it closes.
// Enter walks the fields to "Totale Partita kg:" and from there to "Salva";
// Enter in the producer code looks the producer up; "Cambia" picks one from
// the list. The batch total, crates and pallets take whole numbers only. On
// Cancel the code, description, note and number get back what they held
// when the window was shown; the other fields keep what was typed.

#include <QDialog>

#include <functional>
#include <optional>
#include <vector>

#include "batches/ProcessingData.h"
#include "batches/ProducerArchive.h"

class QCheckBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimeEdit;

namespace kv7::batches {

class TModDati : public QDialog {
  Q_OBJECT
 public:
  explicit TModDati(QWidget* parent = nullptr);

  void Fill(const ProcessingData& data);
  void SetProducers(std::vector<Producer> producers) { producers_ = std::move(producers); }
  // The fields as they are (after Cancel: with the four restored).
  ProcessingData Data() const;

  // A field by its control name ("Numero", "Codice", "totPartita", ...).
  QLineEdit* Field(const QString& name) const;
  QPushButton* SaveButton() const { return save_; }
  QCheckBox* ForceDate() const { return forceDate_; }
  // The producer picker "Cambia" opens; replaceable for tests.
  void SetProducerPicker(std::function<std::optional<Producer>(const std::vector<Producer>&)> picker) {
    pick_ = std::move(picker);
  }

 public slots:
  void done(int result) override;

 protected:
  void showEvent(QShowEvent* e) override;
  void changeEvent(QEvent* e) override;

 private:
  struct Labelled {
    QLabel* label;
    QLineEdit* edit;
    const char* text;
  };
  QLineEdit* AddField(const char* name, const char* label, int limit);
  void RetranslateUi();
  void LookupProducer();
  void PickProducer();

  std::vector<Labelled> fields_;
  QGroupBox* producerGroup_;
  QPushButton* change_;
  QPushButton* save_;
  QCheckBox* forceDate_;
  QDateEdit* date1_;
  QTimeEdit* time1_;
  std::vector<Producer> producers_;
  std::function<std::optional<Producer>(const std::vector<Producer>&)> pick_;
  // Codice, Descrizione, Numero, Note as they were when shown.
  QString entryCode_, entryName_, entryNumber_, entryNote_;
};

}  // namespace kv7::batches
