#include <QApplication>
#include <memory>

#include "app/game.h"
#include "platform/qt/qtwindow.h"
#include "ui/menubar.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  auto state = std::make_unique<gamestate>();
  qtwindow mainwindow(menubar(), panelcontrols());
  game kubrix(*state, mainwindow);
  mainwindow.connect(kubrix);
  mainwindow.show();
  return QApplication::exec();
}
