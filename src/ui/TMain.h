#pragma once
#include <QMainWindow>

namespace kv7::ui {

// The operator's console.
class TMain : public QMainWindow {
  Q_OBJECT
 public:
  explicit TMain(QWidget* parent = nullptr);
};

}  // namespace kv7::ui
