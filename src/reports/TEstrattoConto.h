#pragma once
// "Estratto conto stagione": the producer and the period (first and last
// day, both included) of a grower's season statement. Enter prints, Escape
// cancels. Filled with the producers and the period to offer; it never
// touches the archive.

#include <QDialog>

#include <string>
#include <utility>
#include <vector>

#include "store/DbValue.h"

class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;

namespace kv7::reports {

class TEstrattoConto : public QDialog {
  Q_OBJECT
 public:
  explicit TEstrattoConto(QWidget* parent = nullptr);

  // Producers as code and description, in list order.
  void Fill(const std::vector<std::pair<std::string, std::string>>& producers, const store::DbDateTime& from,
            const store::DbDateTime& to);
  // After OK: the chosen producer's code and the period.
  std::string Producer() const;
  store::DbDateTime From() const;
  store::DbDateTime To() const;

  QComboBox* Producers() const { return producers_; }
  QDateEdit* FromDate() const { return from_; }
  QDateEdit* ToDate() const { return to_; }

 protected:
  void changeEvent(QEvent* e) override;

 private:
  void RetranslateUi();

  std::vector<std::string> codes_;
  QLabel* producerLabel_ = nullptr;
  QLabel* fromLabel_ = nullptr;
  QLabel* toLabel_ = nullptr;
  QComboBox* producers_ = nullptr;
  QDateEdit* from_ = nullptr;
  QDateEdit* to_ = nullptr;
  QPushButton* print_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

}  // namespace kv7::reports
