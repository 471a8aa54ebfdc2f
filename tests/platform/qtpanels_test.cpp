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
class watchedgame : public events {
 public:
  watchedgame(gamestate& g, window& w) : inner_(g, w) {}
  void Form_Activate() override { inner_.Form_Activate(); }
  void Form_Resize() override { inner_.Form_Resize(); }
  void Form_Unload() override { inner_.Form_Unload(); }
  void Form_KeyDown(int keycode) override {
    codes.push_back(keycode);
    inner_.Form_KeyDown(keycode);
  }
  void Timer1_Timer() override { inner_.Timer1_Timer(); }
  void menu_Click(menuitem item) override { inner_.menu_Click(item); }
  void button_Click(control c) override { inner_.button_Click(c); }
  void text_Change(control c) override { inner_.text_Change(c); }

  std::vector<int> codes;

 private:
  game inner_;
};

// A started game in a shown, active window; each test runs in a fresh folder.
class QtPanels : public workdir {
 protected:
  void SetUp() override {
    workdir::SetUp();
    w.connect(kubrix);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    ASSERT_TRUE(QTest::qWaitFor([&] { return g->shownscore == 0; }));
  }

  // A key pressed and let go, through the window system to whoever has the keyboard.
  void press(Qt::Key key, const QString& text = {}) {
    QTest::sendKeyEvent(QTest::Click, w.windowHandle(), key, text, Qt::NoModifier);
  }

  // Waits for the panel field to take the keyboard once its menu or its game over has passed.
  QLineEdit* fieldwithkeyboard() {
    if (!QTest::qWaitFor([] { return qobject_cast<QLineEdit*>(QApplication::focusWidget()); }))
      return nullptr;
    return qobject_cast<QLineEdit*>(QApplication::focusWidget());
  }

  QPushButton* shownbutton() {
    for (QPushButton* button : w.findChildren<QPushButton*>()) {
      if (button->isVisible()) return button;
    }
    return nullptr;
  }

  QApplication& application = qtapp();  // before any widget
  std::unique_ptr<gamestate> g = std::make_unique<gamestate>();
  qtwindow w{menubar(), panelcontrols()};
  watchedgame kubrix{*g, w};
};

TEST_F(QtPanels, EnterInTheFirstFieldPressesDoneAndNeverDropsThePiece) {
  // The player types at once into the panel just opened, and Enter closes it; the piece must not
  // fall a row as play resumes.
  for (QAction* action : w.findChildren<QAction*>()) {
    if (action->text() == "Choose Game-Size") action->trigger();
  }
  ASSERT_NE(fieldwithkeyboard(), nullptr);
  press(Qt::Key_2, "2");
  EXPECT_EQ(w.text(control::Text1), "102");
  press(Qt::Key_Return, "\r");
  EXPECT_FALSE(w.visible(control::Text1));
  EXPECT_EQ(g->paused, 0);
  EXPECT_TRUE(kubrix.codes.empty());
  // The picture has the keyboard again.
  press(Qt::Key_Return, "\r");
  EXPECT_EQ(kubrix.codes, std::vector<int>{13});
}

TEST_F(QtPanels, TheNameTakesTheKeyboardAndDoneWaitsForMoreThanBlanks) {
  // A first positive score ends the game with the name panel: a blank name cannot be saved, not
  // even with Enter, and Enter after a name saves it as typed.
  g->score = 120;
  g->piecey = 0;
  g->landed = 1;
  press(Qt::Key_S, "s");
  ASSERT_EQ(g->gameover, 1);
  ASSERT_NE(fieldwithkeyboard(), nullptr);
  ASSERT_NE(shownbutton(), nullptr);
  EXPECT_FALSE(shownbutton()->isEnabled());
  press(Qt::Key_Space, " ");
  press(Qt::Key_Return, "\r");
  EXPECT_FALSE(shownbutton()->isEnabled());
  EXPECT_TRUE(w.visible(control::Text7));

  press(Qt::Key_Z, "Z");
  press(Qt::Key_O, "o");
  press(Qt::Key_Ediaeresis, QString::fromUtf8("ë"));
  EXPECT_TRUE(shownbutton()->isEnabled());
  press(Qt::Key_Return, "\r");
  EXPECT_FALSE(w.visible(control::Text7));
  EXPECT_EQ(g->paused, 0);
  const highscoretable table = readhighscores();
  ASSERT_EQ(table.records.size(), 1u);
  EXPECT_EQ(table.records[0].name, " Zoë");
  EXPECT_EQ(kubrix.codes, std::vector<int>{'S'});
}

}  // namespace
