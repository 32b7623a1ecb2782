#pragma once
// The reject station's error map: one box per known error code, ticked when
// the station has reported that code during this run.

#include <QDialog>

#include <bitset>
#include <string>
#include <utility>
#include <vector>

class QCheckBox;
class QGroupBox;
class QVBoxLayout;

namespace kv7::ui {

class TErr_map : public QDialog {
  Q_OBJECT
 public:
  struct Entry {
    int code = 0;
    std::string text;
    bool set = false;
  };

  explicit TErr_map(QWidget* parent = nullptr);

  // Rebuilds the boxes in the given order.
  void SetEntries(const std::vector<Entry>& entries);
  // Same, from the table of codes and texts and the station's flags
  // (codes 00..99; codes outside the table are not shown).
  void SetEntries(const std::vector<std::pair<int, std::string>>& table, const std::bitset<100>& flags);

  // The box of a code, nullptr when the table has none; objectName "Err" + two digits.
  QCheckBox* Box(int code) const;
  int Count() const { return static_cast<int>(boxes_.size()); }

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void RetranslateUi();

  std::vector<Entry> entries_;
  QGroupBox* group_;
  QVBoxLayout* groupLayout_;
  std::vector<std::pair<int, QCheckBox*>> boxes_;
};

}  // namespace kv7::ui
