// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/highscorepanel.h"

#include <pwd.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <string>

#include "persist/highscores.h"
#include "persist/replayfile.h"
#include "platform/texts.h"
#include "ui/menubar.h"
#include "ui/message.h"

namespace {

constexpr std::array<control, 5> panel{control::Label12, control::Label11, control::Label13,
                                       control::Text7, control::Command5};
// Locked while the panel is open, together with "New Shape", which game over has locked already.
constexpr std::array<menuitem, 5> lockeditems{menuitem::choosesize, menuitem::choosegrid,
                                              menuitem::chooseshape, menuitem::chooselayers,
                                              menuitem::newgame};

// A name of blanks only would make a record nobody could tell apart.
bool nameready(const std::string& name) {
  return name.find_first_not_of(" \t\r\n") != std::string::npos;
}

// The name the player logged in with: $USER, else the account's entry, else its number.
std::string accountname() {
  if (const char* user = std::getenv("USER"); user != nullptr && nameready(user)) return user;
  if (const passwd* account = getpwuid(geteuid()); account != nullptr) return account->pw_name;
  return std::to_string(geteuid());
}

}  // namespace

void showhighscorepanel(gamestate& g, window& w) {
  // The pause key can let a game run on, and end, under an option panel. That panel is put away
  // unapplied, its text left for New Game, so that its Done cannot unlock New Game while the name
  // is still wanted; the settings commands it locked open again, as they are under this panel.
  for (const controldef& def : panelcontrols()) w.setvisible(def.id, false);
  w.setenabled(menuitem::savesettings, true);
  w.setenabled(menuitem::restoresettings, true);
  g.paused = 1;
  for (menuitem item : lockeditems) w.setenabled(item, false);
  w.setenabled(menuitem::newshape, false);
  w.settext(control::Text7, "");
  w.setcontrolenabled(control::Command5, false);
  w.drawing().clearsurface();
  for (control c : panel) w.setvisible(c, true);
  w.setfocus(control::Text7);
}

void Text7_Change(window& w) {
  w.setcontrolenabled(control::Command5, nameready(w.text(control::Text7)));
}

void Command5_Click(gamestate& g, window& w) {
  const std::string name = w.text(control::Text7);
  if (!nameready(name)) return;
  highscore record = highscoreof(g, name);
  // The game's record goes with its score; a replay that cannot be written leaves the score
  // without one.
  if (g.record.state == recording::over) {
    record.replay = keepreplay(g.record).value_or("");
    g.record = {};
  }
  if (const int error = appendhighscore(record); error != 0) {
    warnplayer(g, w,
               filefailure(say("message",
                               "Your high score could not be saved to \"%1\": %2. The scores "
                               "saved before are kept."),
                           highscorefile, error));
  } else if (!record.replay.empty()) {
    dropunlistedreplays(record);
  }
  g.paused = 0;
  for (control c : panel) w.setvisible(c, false);
  for (menuitem item : lockeditems) w.setenabled(item, true);
}

void keephighscore(gamestate& g, window& w) {
  if (!w.visible(control::Text7)) return;
  if (!nameready(w.text(control::Text7))) w.settext(control::Text7, accountname());
  Command5_Click(g, w);
}
