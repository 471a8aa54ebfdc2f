#pragma once

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <tuple>
#include <vector>

#include "app/game.h"
#include "platform/qt/qtwindow.h"
#include "ui/menubar.h"

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
  [[maybe_unused]] static const bool moved = QDir::setCurrent(folder.path());
  return *application;
}

// A game in the real window, shown at once. The game keeps the key codes that reach it; with
// `buttons` false the panels' buttons reach nothing, so that a click leaves them shown.
struct qtgame {
  struct watchedgame : game {
    using game::game;
    void Form_KeyDown(int keycode) override {
      codes.push_back(keycode);
      game::Form_KeyDown(keycode);
    }
    void button_Click(control c) override {
      if (buttons) game::button_Click(c);
    }
    std::vector<int> codes;
    bool buttons = true;
  };

  qtgame() {
    w.connect(kubrix);
    w.show();
  }
  // Until the window is active and the first picture drawn.
  bool started() {
    return QTest::qWaitForWindowActive(&w) && QTest::qWaitFor([&] { return g->shownscore == 0; });
  }
  // A key pressed and let go through the window system: to the window, which hands it to its focus
  // widget.
  void key(Qt::Key key, const QString& text = {}, Qt::KeyboardModifiers modifiers = {}) {
    QTest::sendKeyEvent(QTest::Click, w.windowHandle(), key, text, modifiers);
  }
  // Chooses the menu command with this caption, as a click would.
  void choose(const QString& caption) {
    for (QAction* action : w.findChildren<QAction*>()) {
      if (action->text() == caption) action->trigger();
    }
  }
  // Makes the falling piece one cube at piecex, piecey, piecez.
  void onecube(int x, int y, int z) {
    g->piece.clear();
    g->piece.at(1, 1, 1) = 0x3399ff;
    std::tie(g->piecesizex, g->piecesizey, g->piecesizez, g->piecex, g->piecey, g->piecez) =
        std::tuple{0, 1, 1, x, y, z};
  }

  QApplication& app = qtapp();
  std::unique_ptr<gamestate> g = std::make_unique<gamestate>();
  qtwindow w{menubar(), panelcontrols()};
  watchedgame kubrix{*g, w};
};
