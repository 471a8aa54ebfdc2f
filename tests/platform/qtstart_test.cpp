#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QMenuBar>
#include <memory>

#include "app/game.h"
#include "platform/qt/qtwindow.h"
#include "qtapp.h"
#include "ui/menubar.h"

namespace {

// Runs the event loop until the predicate holds or two seconds pass.
template <typename Predicate>
bool waitfor(Predicate done) {
  QElapsedTimer clock;
  clock.start();
  while (!done() && clock.elapsed() < 2000) QApplication::processEvents(QEventLoop::AllEvents, 20);
  return done();
}

TEST(QtWindow, StartsWithTheStatusLineAndTheMenuBar) {
  // A player who starts the game sees the first status line and the six menus in order.
  qtapp();
  auto g = std::make_unique<gamestate>();
  qtwindow mainwindow(menubar(), panelcontrols());
  game kubrix(*g, mainwindow);
  mainwindow.connect(kubrix);
  mainwindow.show();
  const QString expected =
      "Vovov Kubrix 3d - By Vendrisalo (Age 20) / Game-Type: Regular / Difficulty: One / Total "
      "Points: 0";
  ASSERT_TRUE(waitfor([&] { return mainwindow.windowTitle() == expected; }))
      << mainwindow.windowTitle().toStdString();

  QStringList menus;
  for (QAction* action : mainwindow.menuBar()->actions()) menus << action->text();
  EXPECT_EQ(menus, QStringList({"Options", "Play-Options", "Size-Options", "Shape-Options",
                                "Color-Options", "Key-Help"}));
  // The drawing area keeps its design height; it is at least as wide as designed and wide enough
  // that the last menu is on the bar, not behind an overflow button.
  EXPECT_GE(mainwindow.drawing().surfacewidth(), 500);
  EXPECT_EQ(mainwindow.drawing().surfaceheight(), 554);
  const QRect last = mainwindow.menuBar()->actionGeometry(mainwindow.menuBar()->actions().back());
  EXPECT_TRUE(last.isValid());
  EXPECT_LE(last.right(), mainwindow.menuBar()->width());
}

TEST(QtWindow, ClosingTheWindowEndsTheApplication) {
  // Closing the window leaves the event loop at once.
  qtapp();
  auto g = std::make_unique<gamestate>();
  qtwindow mainwindow(menubar(), panelcontrols());
  game kubrix(*g, mainwindow);
  mainwindow.connect(kubrix);
  mainwindow.show();
  ASSERT_TRUE(waitfor([&] { return g->shownscore == 0; }));
  QTimer::singleShot(0, &mainwindow, [&] { mainwindow.close(); });
  QTimer::singleShot(3000, &mainwindow, [] { QApplication::exit(1); });  // a hang fails the test
  EXPECT_EQ(QApplication::exec(), 0);
}

}  // namespace
