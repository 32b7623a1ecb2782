#include <QApplication>

#include "ui/TMain.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  kv7::ui::TMain main;
  main.showMaximized();
  return app.exec();
}
