// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "app/commandline.h"
#include "app/game.h"
#include "platform/qt/keptwindow.h"
#include "platform/qt/qtwindow.h"
#include "ui/menubar.h"

int main(int argc, char** argv) {
  // The command line first, before anything needs a display.
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  const commandline command =
      readcommandline(arguments, std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
  if (command.exitcode) {
    std::fputs(command.text.c_str(), *command.exitcode == 0 ? stdout : stderr);
    return *command.exitcode;
  }
  if (!command.folder.empty()) {
    if (const auto failure = enterfolder(command.folder)) {
      std::fputs(failure->c_str(), stderr);
      return usageerror;
    }
  }

  QApplication application(argc, argv);
  QApplication::setApplicationName("kubrix3d");
  QApplication::setApplicationVersion(KUBRIX_VERSION);
  QApplication::setOrganizationDomain("vovov.io");
  // Matches the window to its desktop entry, and so to the entry's icon, under Wayland.
  QApplication::setDesktopFileName("io.vovov.Kubrix3d");
  // The theme's PNG icons need no image plugin; the built-in copy serves when none is installed.
  QApplication::setWindowIcon(
      QIcon::fromTheme("io.vovov.Kubrix3d", QIcon(":/icons/io.vovov.Kubrix3d.png")));
  auto state = std::make_unique<gamestate>();
  qtwindow mainwindow(menubar(), panelcontrols());
  const keptwindow kept(mainwindow);  // its size, place and choices from the last run
  game kubrix(*state, mainwindow);
  mainwindow.connect(kubrix);
  mainwindow.show();
  return QApplication::exec();
}
