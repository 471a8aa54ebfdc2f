// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QMainWindow>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <map>
#include <vector>

#include "platform/qt/qtsound.h"
#include "platform/qt/qtsurface.h"
#include "platform/window.h"

class QAction;
class leavewatch;
class QLabel;
class QLineEdit;
class QPushButton;

// The black drawing area: shows the off-screen image and turns key presses into key codes.
class canvas : public QWidget {
 public:
  canvas(qtsurface& picture, QWidget* parent);
  std::function<void(int)> onkey;
  std::function<void()> onresize;

  // The game's key code for a key event: 13 Enter, 37..40 arrows, 65..90 letters; 0 for others
  // and for the desktop's shortcuts, which belong to the menus.
  static int keycode(const QKeyEvent& event);
  // The code of a key only a watched replay takes (Escape, End, + and -); 0 for others.
  static int replaykeycode(const QKeyEvent& event);
  bool replaykeys = false;  // while a replay is watched

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  qtsurface& picture_;
};

// The main window on Qt Widgets: menu bar, drawing area, panel controls and the gravity timer.
class qtwindow : public QMainWindow, public window {
 public:
  qtwindow(const std::vector<menudef>& menus, const std::vector<controldef>& controls);
  // Hidden as it goes, the window tells the game nothing more.
  ~qtwindow() override;

  void connect(events& sink) { sink_ = &sink; }
  // Told whenever the game moves a check mark, with the item.
  std::function<void(menuitem)> onchoice;

  // The desktop session asks for the game to be saved; the game goes on.
  void commitsession();
  // A signal ends the program: the game keeps what it can, asks nothing and quits.
  void endsession();
  // Another start on the same files asked for this game: the window comes to the front, where the
  // window system lets it.
  void bringtofront();
  // Shows what was drawn outside an event's handler (a replay's move, played by a timer).
  void refresh();
  // While a replay is watched its own keys reach the game's handler too.
  void takereplaykeys(bool on) { area_->replaykeys = on; }

  // window
  surface& drawing() override { return picture_; }
  void settitle(const std::string& title) override;
  void setchecked(menuitem item, bool on) override;
  bool checked(menuitem item) const override;
  void setenabled(menuitem item, bool on) override;
  bool enabled(menuitem item) const override;
  std::string text(control c) const override;
  void settext(control c, const std::string& text) override;
  void setvisible(control c, bool on) override;
  bool visible(control c) const override;
  void setcontrolenabled(control c, bool on) override;
  void setfocus(control c) override;
  void showmessage(const std::string& text) override;
  void showinformation(const std::string& text) override;
  void showkeys(const std::vector<keyhelp>& keys) override;
  void showhelp(const std::string& heading, const std::string& text) override;
  void playsound(soundeffect effect) override;
  std::optional<size_t> showscores(const std::string& heading,
                                   const std::vector<std::string>& entries,
                                   const std::vector<bool>& watchable) override;
  void setstatus(const std::string& text) override;
  void quit() override;
  uint64_t timeofday() const override;
  uint64_t milliseconds() const override { return static_cast<uint64_t>(clock_.elapsed()); }

  canvas& area() { return *area_; }
  const qtsurface& picture() const { return picture_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void addmenu(QWidget* parent, const menudef& def);
  void addcontrol(const controldef& def);
  // Fields that share a design place keep sharing it, moved right of the longest label on their
  // rows where that label has grown past it.
  void placefields(const std::vector<controldef>& controls);
  // A message box, modal: it returns once the player has closed it.
  void showbox(QMessageBox::Icon icon, const std::string& text);
  void placestatus();
  // Everything in the window painted afresh, whatever the window system kept of it: a parent's
  // update() would leave out the opaque drawing area.
  void repaintwhole();
  // Runs one handler of the game, then shows the new picture if anything was drawn.
  void deliver(const std::function<void(events&)>& handler);

  events* sink_ = nullptr;
  qtsurface picture_;
  canvas* area_ = nullptr;
  QLabel* status_ = nullptr;  // "Paused" and the like, over the picture
  QTimer timer1_;
  qtsound sound_{*this};
  leavewatch* leave_ = nullptr;
  QElapsedTimer clock_;
  bool activated_ = false;
  bool quitting_ = false;  // the game has quit: the window may close
  std::map<menuitem, QAction*> actions_;
  std::map<control, QWidget*> controls_;
  std::map<control, control> donebutton_;  // a panel field's Done, pressed by Enter
};
