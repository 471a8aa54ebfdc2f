#include <gtest/gtest.h>

#include <QBackingStore>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <filesystem>

#include "../persist/workdir.h"
#include "persist/highscores.h"
#include "qtapp.h"

namespace {

using QtPanels = workdir;  // the record file goes to a fresh folder

TEST_F(QtPanels, TheFieldTakesTheKeyboardAndEnterPressesDoneWithoutDroppingThePiece) {
  // The player types at once into a panel just opened and closes it with Enter, which must not
  // also drop the piece as play resumes; the name panel's Done waits for more than blanks.
  qtgame q;
  ASSERT_TRUE(q.started());
  // Once the menu, or the game over, that opened the panel has passed.
  const auto fieldhaskeyboard = [] {
    return QTest::qWaitFor([] { return qobject_cast<QLineEdit*>(QApplication::focusWidget()); });
  };
  q.choose("Choose Game-Size");
  ASSERT_TRUE(fieldhaskeyboard());
  q.key(Qt::Key_2, "2");
  q.key(Qt::Key_Return, "\r");
  EXPECT_EQ(q.w.text(control::Text1), "102");
  EXPECT_FALSE(q.w.visible(control::Text1));
  EXPECT_TRUE(q.kubrix.codes.empty());

  std::tie(q.g->score, q.g->piecey, q.g->landed) = std::tuple{120, 0, 1};
  q.key(Qt::Key_S, "s");  // the picture has the keyboard again; the loop lands the piece
  ASSERT_TRUE(fieldhaskeyboard());
  QPushButton* done = nullptr;
  for (QPushButton* button : q.w.findChildren<QPushButton*>()) {
    if (button->isVisible()) done = button;
  }
  ASSERT_NE(done, nullptr);
  q.key(Qt::Key_Space, " ");
  q.key(Qt::Key_Return, "\r");
  EXPECT_FALSE(done->isEnabled());
  EXPECT_TRUE(q.w.visible(control::Text7));
  q.key(Qt::Key_Z, "Z");
  q.key(Qt::Key_O, "o");
  q.key(Qt::Key_Ediaeresis, "ë");
  q.key(Qt::Key_Return, "\r");
  EXPECT_FALSE(q.w.visible(control::Text7));
  const highscoretable table = readhighscores();
  ASSERT_EQ(table.records.size(), 1u);
  EXPECT_EQ(table.records[0].name, " Zoë");
  EXPECT_EQ(q.kubrix.codes, std::vector<int>{'S'});
}

TEST_F(QtPanels, AFieldBeingTypedInKeepsEveryKeyFromTheGame) {
  // Keys a line edit has no use for must not fall through to the game under the panel: Ctrl+P
  // would resume it and Ctrl+R turn the view.
  qtgame q;
  ASSERT_TRUE(q.started());
  q.choose("Choose Grid-Size");
  ASSERT_TRUE(
      QTest::qWaitFor([] { return qobject_cast<QLineEdit*>(QApplication::focusWidget()); }));
  q.key(Qt::Key_Up);
  q.key(Qt::Key_Down);
  q.key(Qt::Key_P, "\x10", Qt::ControlModifier);
  q.key(Qt::Key_R, "\x12", Qt::ControlModifier);
  q.key(Qt::Key_W, "w", Qt::AltModifier);
  EXPECT_TRUE(q.kubrix.codes.empty());
  EXPECT_EQ(std::tuple(q.g->paused, q.g->view), std::tuple(1, 1));
}

TEST_F(QtPanels, AMessageHoldsTheGameStillAndGivesItsPauseBack) {
  // While the player reads why the settings were not saved, or the high-score list, gravity moves
  // nothing and P does not reach the game; closing the message gives back the pause from before.
  // The window says "Paused" only for the player's own pause.
  qtgame q;
  ASSERT_TRUE(q.started());
  std::filesystem::create_directory("kubrix3d.settings");  // not even root saves over a folder
  for (const char* command : {"Save Settings", "High Scores"}) {
    for (const int paused : {1, 0}) {
      if (q.g->paused != paused) q.key(Qt::Key_P, "p");
      const int row = q.g->piecey;
      QString shown;
      bool saidpaused = false;
      QTimer::singleShot(0, &q.w, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        shown = box->text();
        q.kubrix.Timer1_Timer();
        saidpaused = q.w.findChild<QLabel*>("status")->isVisible();
        q.key(Qt::Key_P, "p");
        box->accept();
      });
      q.choose(command);
      EXPECT_FALSE(shown.isEmpty()) << command;
      EXPECT_EQ(std::tuple(q.g->piecey, q.g->paused, saidpaused),
                std::tuple(row, paused, paused == 1))
          << command;
    }
  }
  q.kubrix.Timer1_Timer();
  EXPECT_EQ(q.g->piecey, 1);
}

TEST_F(QtPanels, AMenuClosedOverAnOpenPanelLeavesNoHole) {
  // Some window systems give back the area a menu covered unpainted; the window must paint it
  // afresh, panel and picture, as a fresh paint would.
  qtgame q;
  ASSERT_TRUE(q.started());
  q.choose("Choose Game-Size");
  QMenuBar* bar = q.w.menuBar();
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(bar->actions().front()).center());
  QWidget* menu = QApplication::activePopupWidget();
  ASSERT_NE(menu, nullptr);
  QTest::qWait(50);  // the panel and the menu on show
  const QRect covered(q.w.mapFromGlobal(menu->pos()), menu->size());
  QBackingStore* store = q.w.backingStore();
  store->beginPaint(covered);
  QPainter(store->paintDevice()).fillRect(covered, Qt::black);
  store->endPaint();
  QTest::keyClick(menu, Qt::Key_Escape);
  const auto pixels = [&](const QPixmap& shown) {
    return shown.toImage().convertToFormat(QImage::Format_RGB32);
  };
  EXPECT_TRUE(QTest::qWaitFor([&] {
    return pixels(q.w.screen()->grabWindow(q.w.winId())).copy(covered) == pixels(q.w.grab(covered));
  }));
}

}  // namespace
