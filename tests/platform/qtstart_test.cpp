#include <gtest/gtest.h>

#include <QMenuBar>

#include "qtapp.h"

namespace {

TEST(QtWindow, StartsWithTheStatusLineAndTheMenuBar) {
  // A player who starts the game sees the first status line and the six menus in order. The
  // drawing area keeps its design height; it is at least as wide as designed and wide enough that
  // the last menu is on the bar, not behind an overflow button.
  qtgame q;
  ASSERT_TRUE(q.started());
  EXPECT_EQ(q.w.windowTitle(),
            "Vovov Kubrix 3d - By Vendrisalo (Age 20) / Game-Type: Regular / Difficulty: One / "
            "Total Points: 0");
  QStringList menus;
  for (QAction* action : q.w.menuBar()->actions()) menus << action->text();
  EXPECT_EQ(menus, QStringList({"Options", "Play-Options", "Size-Options", "Shape-Options",
                                "Color-Options", "Key-Help"}));
  EXPECT_GE(q.w.drawing().surfacewidth(), 500);
  EXPECT_EQ(q.w.drawing().surfaceheight(), 554);
  const QRect last = q.w.menuBar()->actionGeometry(q.w.menuBar()->actions().back());
  EXPECT_TRUE(last.isValid() && last.right() <= q.w.menuBar()->width());
}

TEST(QtWindow, ClosingTheWindowEndsTheApplication) {
  // Closing the window leaves the event loop at once.
  qtgame q;
  ASSERT_TRUE(q.started());
  QTimer::singleShot(0, &q.w, [&] { q.w.close(); });
  QTimer::singleShot(3000, &q.w, [] { QApplication::exit(1); });  // a hang fails the test
  EXPECT_EQ(QApplication::exec(), 0);
}

}  // namespace
