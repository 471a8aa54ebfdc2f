// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <QTimer>
#include <fstream>

#include "../harness.h"
#include "../persist/workdir.h"
#include "app/watching.h"
#include "persist/highscores.h"
#include "persist/replayfile.h"
#include "persist/savedgame.h"
#include "platform/keys.h"

namespace {

// The process's one application on the offscreen platform, made here when no other test of the
// process has made it.
QApplication& application() {
  if (auto* existing = qobject_cast<QApplication*>(QCoreApplication::instance())) return *existing;
  static int argc = 1;
  static char name[] = "platform_test";
  static char* argv[] = {name, nullptr};
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static auto* made = new QApplication(argc, argv);
  return *made;
}

// A game played headless to its game over, drops and sideways moves a quarter second apart, kept
// as "game.replay"; returns its final title.
std::string recordgame() {
  harness h;
  h.start();
  h.w.type(control::Text1, "6");
  h.w.type(control::Text2, "8");
  h.w.click(menuitem::newgame);
  for (int i = 0; h.g->gameover == 0; ++i) {
    h.w.millis += 250;
    h.w.key(i % 3 == 0 ? keys::left : keys::enter);
  }
  EXPECT_EQ(h.g->record.state, recording::over);
  std::ofstream("game.replay", std::ios::binary) << replaytext(h.g->record);
  return h.w.title();
}

// The real window, its game started, with a replay watcher between them.
struct watchedwindow {
  watchedwindow() {
    w.connect(router);
    w.show();
  }
  bool started() {
    return QTest::qWaitForWindowActive(&w) && QTest::qWaitFor([&] { return g->shownscore == 0; });
  }
  // What the line over the picture says, empty while it is hidden.
  std::string status() {
    const auto* line = w.area().findChild<QLabel*>("status");
    return line->isVisible() ? line->text().toStdString() : std::string();
  }
  void key(Qt::Key key, const QString& text = {}) {
    QTest::sendKeyEvent(QTest::Click, w.windowHandle(), key, text, {});
  }
  QApplication& app = application();
  std::unique_ptr<gamestate> g = std::make_unique<gamestate>();
  qtwindow w{menubar(), panelcontrols()};
  game kubrix{*g, w};
  watching router{kubrix, *g, w};
};

using Watching = workdir;

TEST_F(Watching, EndShowsTheRecordedFinalScoreAndGameOverAsTheGameDid) {
  const std::string final = recordgame();
  watchedwindow q;
  ASSERT_TRUE(q.started());
  q.router.watch("game.replay");
  ASSERT_TRUE(q.router.active());
  EXPECT_EQ(q.status(), "Replay · game.replay · 1×");
  q.key(Qt::Key_Plus, "+");
  q.key(Qt::Key_End);
  EXPECT_NE(final.find("(Game Over)"), std::string::npos);
  EXPECT_EQ(q.w.windowTitle().toStdString(), final);
  EXPECT_EQ(q.status(), "Replay · game.replay · 2× · End");
}

TEST_F(Watching, EscapeInTheMiddleGoesBackToTheGamePausedAndAsItWas) {
  // The game runs while the replay plays at 16x; it gets no tick meanwhile, and Escape shows it
  // again, paused, with its own title, writing nothing of the replay's.
  recordgame();
  watchedwindow q;
  ASSERT_TRUE(q.started());
  const std::string before = savedgametext(savedgameof(*q.g, q.w));
  const QString title = q.w.windowTitle();
  q.router.watch("game.replay");
  for (int i = 0; i < 4; ++i) q.key(Qt::Key_Plus, "+");
  QTest::qWait(1200);
  ASSERT_TRUE(q.router.active());
  q.key(Qt::Key_Escape);
  EXPECT_FALSE(q.router.active());
  EXPECT_EQ(
      std::tuple(savedgametext(savedgameof(*q.g, q.w)), q.w.windowTitle(), q.g->paused,
                 q.status().substr(0, q.status().find(" · "))),
      std::tuple(before, title, 1, std::string("Paused")));
}

TEST_F(Watching, HighScoresWatchesTheChosenEntrysReplay) {
  // An entry without a replay cannot be watched; the one with its replay can.
  const std::string final = recordgame();
  std::filesystem::create_directory(replayfolder);
  std::filesystem::rename("game.replay", replaypath("game.replay"));
  std::ofstream(highscorefile, std::ios::binary)
      << highscoreline({"Bo", 500, 0, 0, 10, 30, 20}) +
             highscoreline({"Ann", 40, 0, 0, 10, 30, 20, "game.replay"});
  watchedwindow q;
  ASSERT_TRUE(q.started());
  std::vector<bool> watchable;
  QTimer::singleShot(0, &q.w, [&] {
    QWidget* list = QApplication::activeModalWidget();
    auto* entries = list->findChild<QListWidget*>("entries");
    auto* buttons = list->findChild<QDialogButtonBox*>();
    QAbstractButton* watch = nullptr;
    for (QAbstractButton* button : buttons->buttons())
      if (button->text() == "Watch") watch = button;
    for (int row = 0; row < entries->count(); ++row) {
      entries->setCurrentRow(row);
      watchable.push_back(watch->isEnabled());
    }
    watch->click();
  });
  q.router.menu_Click(menuitem::highscores);
  EXPECT_EQ(watchable, (std::vector<bool>{false, true}));
  ASSERT_TRUE(q.router.active());
  q.key(Qt::Key_End);
  EXPECT_EQ(q.w.windowTitle().toStdString(), final);
}

}  // namespace
