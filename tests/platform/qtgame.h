// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <ostream>
#include <vector>

#include "../harness.h"
#include "platform/qt/qtwindow.h"

// A failed comparison shows a text as the text it is.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

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

// A game in the real window, shown at once. The game keeps the key codes that reach it.
struct qtgame {
  struct watchedgame : game {
    using game::game;
    void Form_KeyDown(int keycode) override {
      codes.push_back(keycode);
      game::Form_KeyDown(keycode);
    }
    std::vector<int> codes;
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
  // Runs `act` on the window the next step opens and waits in, once it shows.
  void onmodal(const std::function<void(QWidget*)>& act) {
    QTimer::singleShot(0, &w, [act] {
      if (QWidget* modal = QApplication::activeModalWidget()) act(modal);
    });
  }

  QApplication& app = qtapp();
  std::unique_ptr<gamestate> g = std::make_unique<gamestate>();
  qtwindow w{menubar(), panelcontrols()};
  watchedgame kubrix{*g, w};
};
