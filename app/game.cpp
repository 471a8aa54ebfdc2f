// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/game.h"

#include "input/keyboard.h"
#include "loop/gravity.h"
#include "loop/mainloop.h"
#include "loop/resume.h"
#include "loop/startup.h"
#include "platform/keys.h"
#include "ui/commands.h"
#include "ui/keepgame.h"
#include "ui/message.h"
#include "ui/newgame.h"

void game::Form_Activate() {
  if (started_) return;
  started_ = true;
  startup(g_, w_);
  resumeorstart(g_, w_);
}

void game::Form_Deactivate() {
  if (!started_) return;
  // With "Pause When Window Is Left" off the game runs on unseen, as it always did.
  if (w_.checked(menuitem::pauseonleave)) windowleft(g_);
  afteryield(g_, w_);
}

void game::Form_Resize() {
  g_.lastview = -982;
  if (started_) afteryield(g_, w_);
}

void game::Form_Unload() {
  // Before start-up there is no game to keep.
  if (started_) {
    quit_Click(g_, w_);
  } else {
    w_.quit();
  }
}

void game::Session_Commit() {
  if (started_) commitsession(g_, w_);
}

void game::Session_End() {
  if (started_) {
    endsession(g_, w_);
  } else {
    w_.quit();
  }
}

void game::Form_KeyDown(int keycode) {
  if (!started_) return;
  playeraction();
  // F1 shows the key list in a window of its own; every other key is the game's.
  if (keycode == keys::f1) {
    F1_KeyDown(g_, w_);
  } else {
    ::Form_KeyDown(g_, w_.drawing(), keycode);
  }
  afteryield(g_, w_);
}

void game::Timer1_Timer() {
  if (!started_) return;
  ::Timer1_Timer(g_);
  afteryield(g_, w_);
}

void game::menu_Click(menuitem item) {
  if (!started_) return;
  if (item != menuitem::quit) playeraction();
  ::menu_Click(g_, w_, item);
  afteryield(g_, w_);
}

void game::button_Click(control c) {
  if (!started_) return;
  playeraction();
  ::button_Click(g_, w_, c);
  afteryield(g_, w_);
}

void game::text_Change(control c) {
  if (!started_) return;
  playeraction();
  ::text_Change(g_, w_, c);
  afteryield(g_, w_);
}
