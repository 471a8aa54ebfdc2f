#include <gtest/gtest.h>

#include <QMenuBar>
#include <QMessageBox>
#include <filesystem>

#include "../persist/workdir.h"
#include "model/colors.h"
#include "persist/gamefile.h"
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

using QtClose = workdir;  // the saved game goes to a fresh folder

TEST_F(QtClose, ClosingMidGameKeepsItAndTheNextStartShowsItPaused) {
  // Closing leaves the event loop at once with the game written; the next start shows the very
  // picture and title, and waits for P.
  QImage picture;
  QString title;
  {
    qtgame q;
    ASSERT_TRUE(q.started());
    q.onecube(3, 4, 2);
    q.g->well.at(5, 30, 5) = rgb(0, 255, 0);
    q.g->score = 130;
    q.key(Qt::Key_R, "r");
    QTimer::singleShot(0, &q.w, [&] { q.w.close(); });
    QTimer::singleShot(3000, &q.w, [] { QApplication::exit(1); });  // a hang fails the test
    EXPECT_EQ(QApplication::exec(), 0);
    std::tie(picture, title) = std::tuple(q.w.picture().image(), q.w.windowTitle());
  }
  ASSERT_TRUE(std::filesystem::exists(gamefile));
  qtgame q;
  ASSERT_TRUE(QTest::qWaitFor([&] { return q.g->shownscore == 130; }));
  EXPECT_EQ(std::tuple(q.g->paused, q.w.windowTitle()), std::tuple(1, title));
  EXPECT_TRUE(q.w.picture().image() == picture);
}

TEST_F(QtClose, AGameThatCannotBeWrittenKeepsTheWindowOpenUntilClosedAgain) {
  // The player reads why before anything is lost; the second close leaves without it.
  qtgame q;
  ASSERT_TRUE(q.started());
  std::filesystem::create_directory(gamefile);  // not even root saves over a folder
  QString shown;
  QTimer::singleShot(0, &q.w, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      shown = box->text();
      box->accept();
    }
  });
  q.w.close();
  EXPECT_TRUE(q.w.isVisible());
  EXPECT_TRUE(shown.contains("\"kubrix3d.game\""));
  q.w.close();
  EXPECT_FALSE(q.w.isVisible());
}

}  // namespace
