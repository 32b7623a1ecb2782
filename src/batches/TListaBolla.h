#pragma once
// "Lista Bolle": the stored batches, sorted, and their count. A click on an
// entry, or Enter on the highlighted one, closes the window with OK and that
// batch; Escape cancels. Each entry keeps its batch number: the text is
// never read back. "Partita" is for the batch report; "Scarto" is hidden.

#include <QDialog>

#include <cstdint>
#include <optional>
#include <vector>

#include "batches/BatchArchive.h"

class QCheckBox;
class QLabel;
class QListView;
class QStringListModel;

namespace kv7::batches {

class TListaBolla : public QDialog {
  Q_OBJECT
 public:
  explicit TListaBolla(QWidget* parent = nullptr);

  void SetBatches(const BatchList& list);
  // After OK: the number of the chosen batch.
  std::optional<std::int64_t> Selected() const { return selected_; }

  QListView* ListaBox() const { return list_; }
  QCheckBox* Part() const { return part_; }
  QCheckBox* Scart() const { return scart_; }
  QString NumMaxText() const;
  int Count() const { return static_cast<int>(numbers_.size()); }
  QString EntryText(int row) const;

 protected:
  void showEvent(QShowEvent* e) override;
  void changeEvent(QEvent* e) override;

 private:
  void RetranslateUi();
  void ShowEntries();
  void Pick(int row);

  QLabel* label_;
  QLabel* countLabel_;
  QListView* list_;
  QStringListModel* model_;
  QLabel* numMax_;
  QCheckBox* part_;
  QCheckBox* scart_;
  std::vector<std::int64_t> numbers_;  // by list row
  std::vector<BatchListItem> entries_;  // as the archive lists them, by row
  std::optional<std::int64_t> selected_;
};

}  // namespace kv7::batches
