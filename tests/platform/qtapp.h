#pragma once

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

// The one QApplication of a test process, made on first use on the offscreen platform. It is never
// destroyed: tearing Qt down among the other statics at exit is not what these tests are about.
// The process also moves into an empty folder of its own, so that no settings or record file
// lying where the tests were started changes what the game does.
inline QApplication& qtapp() {
  static int argc = 1;
  static char name[] = "platform_test";
  static char* argv[] = {name, nullptr};
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static auto* application = new QApplication(argc, argv);
  static QTemporaryDir folder;
  static const bool moved = QDir::setCurrent(folder.path());
  (void)moved;
  return *application;
}
