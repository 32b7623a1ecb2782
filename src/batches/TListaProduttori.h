#pragma once
// "Lista Produttori": one line per producer ("(" + number + ") " +
// description) and the count. A click on an entry, or Enter on the
// highlighted one, closes the window with OK and that producer; Escape
// cancels. The producer is kept with its entry, never read back from the text.

#include <QDialog>

#include <optional>
#include <vector>

#include "batches/ProducerArchive.h"

class QLabel;
class QListWidget;

namespace kv7::batches {

class TListaProduttori : public QDialog {
  Q_OBJECT
 public:
  explicit TListaProduttori(QWidget* parent = nullptr);

  void SetProducers(std::vector<Producer> producers);
  // After OK: the chosen producer.
  std::optional<Producer> Selected() const { return selected_; }

  QListWidget* ListaBox() const { return list_; }
  QString NumMaxText() const;

 protected:
  void showEvent(QShowEvent* e) override;
  void changeEvent(QEvent* e) override;

 private:
  void RetranslateUi();
  void Pick(int row);

  QLabel* label_;
  QLabel* countLabel_;
  QListWidget* list_;
  QLabel* numMax_;
  std::vector<Producer> producers_;
  std::optional<Producer> selected_;
};

}  // namespace kv7::batches
