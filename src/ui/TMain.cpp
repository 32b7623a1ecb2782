#include "ui/TMain.h"

namespace kv7::ui {

TMain::TMain(QWidget* parent) : QMainWindow(parent) {
  setObjectName("TMain");
  setWindowTitle("KV7 Campionatrice");
}

}  // namespace kv7::ui
