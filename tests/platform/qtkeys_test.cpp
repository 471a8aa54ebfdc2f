#include <gtest/gtest.h>

#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <memory>
#include <vector>

#include "app/game.h"
#include "platform/qt/qtwindow.h"
#include "qtapp.h"
#include "ui/menubar.h"

namespace {

// Stands in for the game: keeps the key codes that reach it.
class keyrecorder : public events {
 public:
  void Form_Activate() override { activated = true; }
  void Form_Resize() override {}
  void Form_Unload() override {}
  void Form_KeyDown(int keycode) override { codes.push_back(keycode); }
  void Timer1_Timer() override {}
  void menu_Click(menuitem) override {}
  void button_Click(control) override {}
  void text_Change(control) override {}

  bool activated = false;
  std::vector<int> codes;
};

// Shows the window and runs the event loop until it is active and `ready` holds.
template <typename Ready>
void showuntil(qtwindow& w, Ready ready) {
  w.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  ASSERT_TRUE(QTest::qWaitFor(ready));
}

// A key pressed and let go, through the window system as the keyboard delivers it: modifier
// keys first, then the key to the window, which hands it to its focus widget.
void click(qtwindow& w, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
           const QString& text = {}) {
  QTest::sendKeyEvent(QTest::Click, w.windowHandle(), key, text, modifiers);
}

TEST(QtKeys, KeysReachTheGameAsTheirCodesWhateverTheModifiers) {
  // Shift, Caps Lock and Ctrl change the typed character but never the command.
  qtapp();
  keyrecorder sink;
  qtwindow w(menubar(), panelcontrols());
  w.connect(sink);
  showuntil(w, [&] { return sink.activated; });

  click(w, Qt::Key_Return, Qt::NoModifier, "\r");
  click(w, Qt::Key_Enter, Qt::KeypadModifier, "\r");
  for (Qt::Key key : {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down}) click(w, key);
  click(w, Qt::Key_P, Qt::NoModifier, "p");
  click(w, Qt::Key_P, Qt::ShiftModifier, "P");
  click(w, Qt::Key_P, Qt::NoModifier, "P");  // Caps Lock on
  click(w, Qt::Key_P, Qt::ControlModifier, "\x10");
  click(w, Qt::Key_H, Qt::ShiftModifier | Qt::ControlModifier);
  click(w, Qt::Key_A, Qt::NoModifier, "a");
  click(w, Qt::Key_Z, Qt::ShiftModifier, "Z");
  // Keys the game has no use for never reach it.
  for (Qt::Key key : {Qt::Key_Space, Qt::Key_F1, Qt::Key_1, Qt::Key_Escape, Qt::Key_Tab})
    click(w, key);

  EXPECT_EQ(sink.codes, (std::vector<int>{13, 13, 37, 38, 39, 40, 80, 80, 80, 80, 72, 65, 90}));
}

TEST(QtKeys, PanelButtonsAndMenusLeaveTheArrowsToTheDrawingArea) {
  // After a click on a Done button or a visit to a menu the arrows still move the piece.
  qtapp();
  keyrecorder sink;
  qtwindow w(menubar(), panelcontrols());
  w.connect(sink);
  w.resize(800, w.height());  // room for every menu title on the bar
  showuntil(w, [&] { return sink.activated; });

  for (control c : {control::Command1, control::Command2, control::Command3, control::Command4})
    w.setvisible(c, true);
  for (QPushButton* button : w.findChildren<QPushButton*>()) {
    if (button->isVisible()) QTest::mouseClick(button, Qt::LeftButton);
  }
  click(w, Qt::Key_Left);

  QMenuBar* bar = w.menuBar();
  for (QAction* menu : bar->actions()) {
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu).center());
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr) << menu->text().toStdString();
    // Escape closes the menu but leaves the bar ready for keyboard navigation.
    QTest::keyClick(popup, Qt::Key_Escape);
    // The offscreen platform activates popups; a desktop hands the keyboard back to the window.
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QCoreApplication::processEvents();
    click(w, Qt::Key_Right);
  }
  // So does a tap on Alt.
  click(w, Qt::Key_Alt);
  click(w, Qt::Key_Down);

  EXPECT_EQ(sink.codes, (std::vector<int>{37, 39, 39, 39, 39, 39, 39, 40}));

  // A panel field being typed in keeps the keyboard the same way.
  w.setvisible(control::Text1, true);
  w.setfocus(control::Text1);
  click(w, Qt::Key_Alt);
  click(w, Qt::Key_7, Qt::NoModifier, "7");
  EXPECT_EQ(w.text(control::Text1), "107");
}

TEST(QtKeys, HeldKeyMovesThePieceOnEveryRepeat) {
  // The keyboard repeats a held arrow as further presses marked as repeats.
  qtapp();
  auto state = std::make_unique<gamestate>();
  qtwindow w(menubar(), panelcontrols());
  game kubrix(*state, w);
  w.connect(kubrix);
  showuntil(w, [&] { return state->restart == 0; });

  gamestate& g = *state;
  g.piece.clear();
  g.piece.at(1, 1, 1) = 9;
  g.piecesizex = 0;
  g.piecesizey = 1;
  g.piecesizez = 1;
  g.piecex = 1;
  g.piecey = 0;
  g.piecez = 3;
  g.view = 1;
  QWindow* window = w.windowHandle();
  QTest::simulateEvent(window, true, Qt::Key_Right, Qt::NoModifier, {}, false);
  for (int i = 0; i < 3; ++i) {
    QTest::simulateEvent(window, false, Qt::Key_Right, Qt::NoModifier, {}, true);
    QTest::simulateEvent(window, true, Qt::Key_Right, Qt::NoModifier, {}, true);
  }
  QTest::simulateEvent(window, false, Qt::Key_Right, Qt::NoModifier, {}, false);
  EXPECT_EQ(g.piecex, 5);
}

}  // namespace
