// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/sounds.h"
#include "platform/surface.h"

// The file in the game's folder where the window keeps what the settings file has no place for:
// its size, place and state, and the "Pause When Window Is Left" and "Sound" choices.
inline constexpr const char* windowfile = "kubrix3d.ini";

// One line of the key list: keys by name, and what they do.
struct keyhelp {
  std::string keys;
  std::string what;
};

// The main window as the game sees it: drawing area, title, menu items, panel controls.
class window {
 public:
  virtual ~window() = default;

  virtual surface& drawing() = 0;
  virtual void settitle(const std::string& title) = 0;

  virtual void setchecked(menuitem item, bool on) = 0;
  virtual bool checked(menuitem item) const = 0;
  virtual void setenabled(menuitem item, bool on) = 0;
  virtual bool enabled(menuitem item) const = 0;

  virtual std::string text(control c) const = 0;
  virtual void settext(control c, const std::string& text) = 0;
  virtual void setvisible(control c, bool on) = 0;
  virtual bool visible(control c) const = 0;
  virtual void setcontrolenabled(control c, bool on) = 0;
  virtual void setfocus(control c) = 0;

  // A message the player must read (a file that could not be written, say), as plain text. It
  // returns once the player has closed it; meanwhile the window's other controls take no input,
  // but the timer goes on ticking.
  virtual void showmessage(const std::string& text) = 0;
  // Something the player asked to see (the high-score table, say), shown the same way.
  virtual void showinformation(const std::string& text) = 0;
  // The high-score list, shown the same way: a heading and a line per entry. The player may choose
  // an entry marked watchable to watch its replay; returns that entry. A window that offers no
  // choice shows the lines as information.
  virtual std::optional<size_t> showscores(const std::string& heading,
                                           const std::vector<std::string>& entries,
                                           const std::vector<bool>& watchable) {
    (void)watchable;
    std::string text = heading;
    for (const std::string& entry : entries) text += "\n" + entry;
    showinformation(text);
    return std::nullopt;
  }
  // The list of keys, shown the same way; Escape closes it too.
  virtual void showkeys(const std::vector<keyhelp>& keys) = 0;
  // A page of help (how to play, about the game) under its heading, shown the same way.
  virtual void showhelp(const std::string& heading, const std::string& text) = 0;
  // Starts a sound effect and returns at once, never waiting for it. Without an audio device it
  // does nothing.
  virtual void playsound(soundeffect effect) = 0;
  // A line of text over the drawing area, outside the picture ("Paused"); empty for none. It is
  // no part of the picture.
  virtual void setstatus(const std::string& text) = 0;
  // Ends the application at once.
  virtual void quit() = 0;
  // The time of day, to seed the random generator.
  virtual uint64_t timeofday() const = 0;
  // Milliseconds on a clock that never goes back, for the moments of a game's record.
  virtual uint64_t milliseconds() const = 0;
};

// What the window reports to the game. Each handler runs to its end before the next event.
class events {
 public:
  virtual ~events() = default;

  virtual void Form_Activate() = 0;  // the first activation only
  // The player left the window: another window took the focus, or it was minimised or hidden.
  // The game's own menus, panels and messages are no leaving.
  virtual void Form_Deactivate() = 0;
  virtual void Form_Resize() = 0;
  virtual void Form_Unload() = 0;     // asked to close: the window closes once the game quits
  virtual void Session_Commit() = 0;  // the desktop session asks for the player's work to be saved
  virtual void Session_End() = 0;     // a signal ends the program: keep what can be, ask nothing
  virtual void Form_KeyDown(int keycode) = 0;
  virtual void Timer1_Timer() = 0;
  virtual void menu_Click(menuitem item) = 0;
  virtual void button_Click(control c) = 0;
  virtual void text_Change(control c) = 0;
};
