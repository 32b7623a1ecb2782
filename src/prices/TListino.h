#pragma once
// "Listino prezzi": the price per kilogram of every class and quality of one
// program, and of the reject, from a day on. Laid out like the program's
// class grid (names and ranges beside the prices), one page per quality.
// Filled from a PriceListInput; on "Salva" (Enter) it hands back the list
// to store under the day shown, after every price has been read; Escape
// cancels. An empty price field means no price. It never touches the
// archive.

#include <QDialog>

#include <array>
#include <functional>

#include "prices/PriceEditing.h"

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace kv7::prices {

class TListino : public QDialog {
  Q_OBJECT
 public:
  explicit TListino(QWidget* parent = nullptr);

  void Fill(const PriceListInput& in);
  // After "Salva": the list to store.
  const PriceList& Result() const { return result_; }

  // A price field by its control name ("Prezzo3Q2", the reject "PrezzoQ5").
  QLineEdit* Field(const QString& name) const;
  QDateEdit* ValidFrom() const { return validFrom_; }
  QComboBox* Lists() const { return lists_; }
  QTabWidget* Pages() const { return pages_; }

  void SetErrorSink(std::function<void(const QString&)> sink) { showError_ = std::move(sink); }

 public slots:
  void accept() override;

 protected:
  void changeEvent(QEvent* e) override;

 private:
  QWidget* BuildPage(int q);
  void ShowList(const PriceList* list);
  void RetranslateUi();
  QLineEdit* PriceField(PriceKey k) const;

  PriceListInput input_;
  QLabel* program_ = nullptr;
  QLabel* validFromLabel_ = nullptr;
  QLabel* listsLabel_ = nullptr;
  QLabel* rejectLabel_ = nullptr;
  QDateEdit* validFrom_ = nullptr;
  QComboBox* lists_ = nullptr;
  QTabWidget* pages_ = nullptr;
  std::array<std::array<QLabel*, kClasses>, kQualities> names_{};
  std::array<std::array<QLabel*, kClasses>, kQualities> ranges_{};
  std::array<std::array<QLineEdit*, kClasses>, kQualities> prices_{};
  std::array<std::array<QLabel*, 3>, kQualities> headings_{};
  QLineEdit* reject_ = nullptr;
  QPushButton* save_ = nullptr;
  QPushButton* cancel_ = nullptr;
  PriceList result_;
  std::function<void(const QString&)> showError_;
};

}  // namespace kv7::prices
