// SPDX-License-Identifier: GPL-3.0-or-later
#include <unistd.h>

#include <QApplication>
#include <QIcon>
#include <QSessionManager>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "app/commandline.h"
#include "app/game.h"
#include "app/replayer.h"
#include "app/watching.h"
#include "platform/qt/keptwindow.h"
#include "platform/qt/language.h"
#include "platform/qt/qtlock.h"
#include "platform/qt/qtsignals.h"
#include "platform/qt/qtwindow.h"
#include "platform/texts.h"
#include "ui/menubar.h"

namespace {

QtMessageHandler qtmessages = nullptr;

// Qt ends the program when it cannot open a window at all, mostly for want of a display. Nothing
// has been written by then; the player is told so in plain words, with the command line's exit
// code for a start that cannot go on.
void nowindow(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type != QtFatalMsg) {
    if (qtmessages != nullptr) qtmessages(type, context, text);
    return;
  }
  const std::string reason = text.section('\n', 0, 0).toStdString();
  std::fprintf(stderr, "kubrix3d: %s\nkubrix3d: %s\n",
               fill(say("commandline", "no window can be opened: %1"), {reason}).c_str(),
               say("commandline", "the game needs a graphical desktop (an X11 or Wayland display).")
                   .c_str());
  _exit(usageerror);
}

}  // namespace

int main(int argc, char** argv) {
  // The player's language before the first word is said.
  playerlanguage language;
  // The command line first, before anything needs a display.
  const commandline command = readcommandline(std::vector<std::string>(argv, argv + argc),
                                              std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
  if (command.exitcode) {
    std::fputs(command.text.c_str(), *command.exitcode == 0 ? stdout : stderr);
    return *command.exitcode;
  }
  if (!command.verify.empty()) {
    std::string report;
    const int code = verifyreplay(command.verify.string(), report);
    std::fputs(report.c_str(), code == 2 ? stderr : stdout);
    return code;
  }

  qtmessages = qInstallMessageHandler(nowindow);
  QApplication application(argc, argv);
  qInstallMessageHandler(qtmessages);
  language.addqt();
  QApplication::setApplicationName("kubrix3d");
  QApplication::setApplicationVersion(KUBRIX_VERSION);
  QApplication::setOrganizationDomain("vovov.io");
  // Matches the window to its desktop entry, and so to the entry's icon, under Wayland.
  QApplication::setDesktopFileName("io.vovov.Kubrix3d");
  // The theme's PNG icons need no image plugin; the built-in copy serves when none is installed.
  QApplication::setWindowIcon(
      QIcon::fromTheme("io.vovov.Kubrix3d", QIcon(":/icons/io.vovov.Kubrix3d.png")));

  // Only now that a window can open is the folder made.
  if (!command.folder.empty()) {
    if (const auto failure = enterfolder(command.folder)) {
      std::fputs(failure->c_str(), stderr);
      return usageerror;
    }
  }
  folderlock lock;
  if (!lock.take()) {
    std::fprintf(stderr, "kubrix3d: %s\n",
                 say("commandline",
                     "a game is already running on the files in this folder; it was asked to "
                     "come to the front.")
                     .c_str());
    return 0;
  }

  auto state = std::make_unique<gamestate>();
  qtwindow mainwindow(menubar(), panelcontrols());
  const keptwindow kept(mainwindow);  // its size, place and choices from the last run
  game kubrix(*state, mainwindow);
  watching router(kubrix, *state, mainwindow);
  mainwindow.connect(router);
  if (!command.replay.empty()) router.watchatstart(command.replay);
  lock.onraise = [&mainwindow] { mainwindow.bringtofront(); };
  const signalwatch endings([&mainwindow] { mainwindow.endsession(); });
  // A logout: the game is kept without a word, and goes on should the logout be cancelled.
  QObject::connect(&application, &QGuiApplication::commitDataRequest, &mainwindow,
                   [&mainwindow](QSessionManager&) { mainwindow.commitsession(); });
  mainwindow.show();
  return QApplication::exec();
}
