#pragma once
// One QApplication for a test program, always on the offscreen platform so
// the window tests run without a display.

#include <QApplication>

namespace kv7::test {

inline QApplication& TestApp() {
  static int argc = 1;
  static char name[] = "kv7-ui-tests";
  static char* argv[] = {name, nullptr};
  static QApplication* app = [] {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QApplication(argc, argv);
  }();
  return *app;
}

}  // namespace kv7::test
