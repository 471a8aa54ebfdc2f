#pragma once

#include <QApplication>

// The one QApplication of a test process, made on first use on the offscreen platform. It is never
// destroyed: tearing Qt down among the other statics at exit is not what these tests are about.
inline QApplication& qtapp() {
  static int argc = 1;
  static char name[] = "platform_test";
  static char* argv[] = {name, nullptr};
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static auto* application = new QApplication(argc, argv);
  return *application;
}
