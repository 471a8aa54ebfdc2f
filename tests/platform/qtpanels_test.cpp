#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <memory>
#include <vector>

#include "../persist/workdir.h"
#include "app/game.h"
#include "persist/highscores.h"
#include "platform/qt/qtwindow.h"
#include "qtapp.h"
#include "ui/menubar.h"

namespace {

// The game as the window drives it, keeping the key codes that reach it.
class watchedgame : public game {
 public:
  using game::game;
  void Form_KeyDown(int keycode) override {
    codes.push_back(keycode);
    game::Form_KeyDown(keycode);
  }
  std::vector<int> codes;
};

using QtPanels = workdir;  // the record file goes to a fresh folder

TEST_F(QtPanels, TheFieldTakesTheKeyboardAndEnterPressesDoneWithoutDroppingThePiece) {
  // The player types at once into a panel just opened and closes it with Enter, which must not
  // also drop the piece as play resumes; the name panel's Done waits for more than blanks.
  qtapp();
  auto g = std::make_unique<gamestate>();
  qtwindow w(menubar(), panelcontrols());
  watchedgame kubrix(*g, w);
  w.connect(kubrix);
  w.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  ASSERT_TRUE(QTest::qWaitFor([&] { return g->shownscore == 0; }));
  const auto press = [&](Qt::Key key, const char* text) {
    QTest::sendKeyEvent(QTest::Click, w.windowHandle(), key, QString::fromUtf8(text),
                        Qt::NoModifier);
  };
  // Once the menu, or the game over, that opened the panel has passed.
  const auto fieldhaskeyboard = [] {
    return QTest::qWaitFor([] { return qobject_cast<QLineEdit*>(QApplication::focusWidget()); });
  };

  for (QAction* action : w.findChildren<QAction*>()) {
    if (action->text() == "Choose Game-Size") action->trigger();
  }
  ASSERT_TRUE(fieldhaskeyboard());
  press(Qt::Key_2, "2");
  press(Qt::Key_Return, "\r");
  EXPECT_EQ(w.text(control::Text1), "102");
  EXPECT_FALSE(w.visible(control::Text1));
  EXPECT_TRUE(kubrix.codes.empty());

  g->score = 120;
  g->piecey = 0;
  g->landed = 1;
  press(Qt::Key_S, "s");  // the picture has the keyboard again; the loop lands the piece
  ASSERT_TRUE(fieldhaskeyboard());
  QPushButton* done = nullptr;
  for (QPushButton* button : w.findChildren<QPushButton*>()) {
    if (button->isVisible()) done = button;
  }
  ASSERT_NE(done, nullptr);
  press(Qt::Key_Space, " ");
  press(Qt::Key_Return, "\r");
  EXPECT_FALSE(done->isEnabled());
  EXPECT_TRUE(w.visible(control::Text7));
  press(Qt::Key_Z, "Z");
  press(Qt::Key_O, "o");
  press(Qt::Key_Ediaeresis, "ë");
  press(Qt::Key_Return, "\r");
  EXPECT_FALSE(w.visible(control::Text7));
  const highscoretable table = readhighscores();
  ASSERT_EQ(table.records.size(), 1u);
  EXPECT_EQ(table.records[0].name, " Zoë");
  EXPECT_EQ(kubrix.codes, std::vector<int>{'S'});
}

}  // namespace
