#pragma once
// "Dato Produttore": the code and description of one producer. Filled with
// a proposed code and description; "Salva" closes with OK only when the
// code is a whole number (otherwise it says so and stays open), and hands
// back the number and description to store.

#include <QDialog>

#include <cstdint>
#include <functional>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kv7::batches {

class TProduttori : public QDialog {
  Q_OBJECT
 public:
  explicit TProduttori(QWidget* parent = nullptr);

  void Fill(const std::string& code, const std::string& description);
  // After OK.
  std::int64_t Number() const { return number_; }
  std::string Description() const;

  QLineEdit* Edit1() const { return code_; }
  QLineEdit* Edit2() const { return description_; }
  void SetErrorSink(std::function<void(const QString&)> sink) { showError_ = std::move(sink); }

 protected:
  void showEvent(QShowEvent* e) override;
  void changeEvent(QEvent* e) override;

 private:
  void RetranslateUi();
  void Save();

  QLabel* codeLabel_;
  QLabel* descriptionLabel_;
  QLineEdit* code_;
  QLineEdit* description_;
  QPushButton* save_;
  std::int64_t number_ = 0;
  std::function<void(const QString&)> showError_;
};

}  // namespace kv7::batches
