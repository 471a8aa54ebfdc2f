#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>

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
  for (QAction* action : q.w.findChildren<QAction*>()) {
    if (action->text() == "Choose Game-Size") action->trigger();
  }
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

}  // namespace
