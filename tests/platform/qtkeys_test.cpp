#include <gtest/gtest.h>

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QWindow>
#include <tuple>
#include <vector>

#include "input/keyboard.h"
#include "qtapp.h"

namespace {

TEST(QtKeys, KeysReachTheGameAsTheirCodesWhateverTheModifiers) {
  // Shift, Caps Lock and Ctrl change the typed character but never the command; keys the game has
  // no use for never reach it.
  qtgame q;
  ASSERT_TRUE(q.started());
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down,
                      Qt::Key_Space, Qt::Key_F2, Qt::Key_1, Qt::Key_Escape, Qt::Key_Tab})
    q.key(key);
  // Enter on the keypad; P as typed, with Shift, with Caps Lock on and with Ctrl; then
  // Ctrl-Shift-H, a and Shift-Z.
  const Qt::KeyboardModifiers none, shift = Qt::ShiftModifier, ctrl = Qt::ControlModifier;
  q.key(Qt::Key_Enter, "\r", Qt::KeypadModifier);
  for (auto [text, modifiers] : {std::pair{"p", none}, {"P", shift}, {"P", none}, {"\x10", ctrl}})
    q.key(Qt::Key_P, text, modifiers);
  q.key(Qt::Key_H, "\b", shift | ctrl);
  q.key(Qt::Key_A, "a");
  q.key(Qt::Key_Z, "Z", shift);
  EXPECT_EQ(q.kubrix.codes, (std::vector<int>{13, 37, 38, 39, 40, 13, 80, 80, 80, 80, 72, 65, 90}));
}

TEST(QtKeys, PanelButtonsMenusAndFieldsLeaveTheArrowsToTheDrawingArea) {
  // After a click on a Done button, a visit to a menu or a tap on Alt the arrows still move the
  // piece; a panel field being typed in keeps the keyboard the same way.
  qtgame q;
  ASSERT_TRUE(q.started());
  q.kubrix.buttons = false;
  for (control c : {control::Command1, control::Command2, control::Command3, control::Command4})
    q.w.setvisible(c, true);
  for (QPushButton* button : q.w.findChildren<QPushButton*>()) {
    if (button->isVisible()) QTest::mouseClick(button, Qt::LeftButton);
  }
  q.key(Qt::Key_Left);
  QMenuBar* bar = q.w.menuBar();
  for (QAction* menu : bar->actions()) {
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu).center());
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr) << menu->text().toStdString();
    // Escape closes the menu but leaves the bar ready for keyboard navigation. The offscreen
    // platform activates popups; a desktop hands the keyboard back to the window.
    QTest::keyClick(popup, Qt::Key_Escape);
    q.w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&q.w));
    QCoreApplication::processEvents();
    q.key(Qt::Key_Right);
  }
  q.key(Qt::Key_Alt);
  q.key(Qt::Key_Down);
  EXPECT_EQ(q.kubrix.codes, (std::vector<int>{37, 39, 39, 39, 39, 39, 39, 40}));

  q.w.setvisible(control::Text1, true);
  q.w.setfocus(control::Text1);
  q.key(Qt::Key_Alt);
  q.key(Qt::Key_7, "7");
  EXPECT_EQ(q.w.text(control::Text1), "107");
}

TEST(QtKeys, HeldKeyMovesThePieceOnEveryRepeat) {
  // The keyboard repeats a held arrow as further presses marked as repeats.
  qtgame q;
  ASSERT_TRUE(q.started());
  q.onecube(1, 0, 3);
  // Pressed, let go and pressed again three times as repeats, then let go.
  for (int i = 0; i < 8; ++i)
    QTest::simulateEvent(q.w.windowHandle(), i % 2 == 0, Qt::Key_Right, {}, {}, i > 0 && i < 7);
  EXPECT_EQ(q.g->piecex, 5);
}

TEST(QtKeys, F1ListsEveryKeyAndHoldsTheGameUntilEscapeOrClose) {
  // From the picture, and from a panel field being typed in; gravity moves nothing while the list
  // is open, and the game runs or stays paused as before.
  qtgame q;
  ASSERT_TRUE(q.started());
  for (const bool panel : {false, true}) {
    if (panel) {
      q.w.activateWindow();  // as a desktop does once the list has closed
      ASSERT_TRUE(QTest::qWaitForWindowActive(&q.w));
      q.choose("Choose Grid-Size");
      ASSERT_TRUE(
          QTest::qWaitFor([] { return qobject_cast<QLineEdit*>(QApplication::focusWidget()); }));
    }
    const auto before = std::tuple(q.g->piecey, q.g->paused);
    size_t lines = 0;
    QTimer::singleShot(0, &q.w, [&] {
      auto* list = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (list == nullptr) return;
      lines = list->findChildren<QLabel*>().size() / 2;
      q.kubrix.Timer1_Timer();
      if (panel) {
        QTest::keyClick(list, Qt::Key_Escape);
      } else {
        list->findChild<QPushButton*>()->click();
      }
    });
    q.key(Qt::Key_F1);
    EXPECT_EQ(lines, keylist().size());
    EXPECT_EQ(std::tuple(q.g->piecey, q.g->paused), before);
  }
}

}  // namespace
