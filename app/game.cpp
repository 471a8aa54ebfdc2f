// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/game.h"

#include <utility>

#include "app/replayer.h"
#include "input/keyboard.h"
#include "loop/gravity.h"
#include "loop/mainloop.h"
#include "loop/resume.h"
#include "loop/startup.h"
#include "persist/gamefile.h"
#include "persist/replayfile.h"
#include "platform/keys.h"
#include "ui/commands.h"
#include "ui/highscoretable.h"
#include "ui/keepgame.h"
#include "ui/message.h"
#include "ui/newgame.h"

namespace {

bool verifies(const std::string& file) {
  std::string report;
  return verifyreplay(file, report) == 0;
}

}  // namespace

game::game(gamestate& g, window& w) : g_(g), w_(w) {
  checkreplayswith(&verifies);
}

game::turn::turn(game& owner, recordedevent e) : owner_(owner) {
  if (owner_.depth_++ == 0 || e.what == recordedevent::resize) owner_.note(std::move(e));
}

game::turn::~turn() {
  if (--owner_.depth_ == 0) owner_.settle();
}

void game::note(recordedevent e) {
  recording& r = g_.record;
  if (g_.replaying == 1 || r.state != recording::running) return;
  // A game longer than any record goes on unrecorded.
  if (r.events.size() == largestrecord) {
    r = {};
    return;
  }
  e.moment = w_.milliseconds() - r.clockbase;
  r.events.push_back(std::move(e));
}

void game::beginrecord() {
  if (g_.replaying == 1) return;
  recording& r = g_.record;
  r = {};
  r.start = savedgametext(savedgameof(g_, w_));
  r.state = recording::running;
  r.width = w_.drawing().surfacewidth();
  r.height = w_.drawing().surfaceheight();
  r.paused = g_.paused;
  r.clockbase = w_.milliseconds();
}

void game::settle() {
  recording& r = g_.record;
  if (g_.replaying == 1 || r.state != recording::running || g_.gameover == 0) return;
  // Only a score the table lists keeps its game, and only when the record plays out as the game
  // did: a game changed by anything but its events would fail everybody's check.
  if (!w_.visible(control::Text7)) {
    r = {};
    return;
  }
  r.state = recording::over;
  r.finalscore = g_.score;
  r.finalcheck = gamecheck(g_, w_);
  replayer again(r);
  again.finish();
  if (!again.agrees()) r = {};
}

void game::Form_Activate() {
  if (started_) return;
  started_ = true;
  startup(g_, w_);
  if (!resumeorstart(g_, w_)) {
    beginrecord();
  } else if (g_.record.state == recording::running) {
    // The record goes on from its last moment; the time the game was closed does not count.
    recording& r = g_.record;
    const uint64_t last = r.events.empty() ? 0 : r.events.back().moment;
    r.clockbase = w_.milliseconds() - last;
    note({0, recordedevent::resume, w_.drawing().surfacewidth(), w_.drawing().surfaceheight(), {}});
  }
}

void game::startfrom(const savedgame& saved) {
  started_ = true;
  startup(g_, w_);
  applysavedgame(g_, w_, saved);
  framepass(g_, w_);
}

void game::Form_Deactivate() {
  // With "Pause When Window Is Left" off the game runs on unseen, as it always did.
  if (started_ && w_.checked(menuitem::pauseonleave)) leftwindow();
}

void game::leftwindow() {
  const turn t(*this, {0, recordedevent::leave, 0, 0, {}});
  windowleft(g_);
  afteryield(g_, w_);
}

void game::Form_Resize() {
  g_.lastview = -982;
  if (!started_) return;
  const turn t(
      *this,
      {0, recordedevent::resize, w_.drawing().surfacewidth(), w_.drawing().surfaceheight(), {}});
  afteryield(g_, w_);
}

void game::Form_Unload() {
  // Before start-up there is no game to keep.
  if (started_) {
    const turn t(*this, {0, recordedevent::close, 0, 0, {}});
    quit_Click(g_, w_);
  } else {
    w_.quit();
  }
}

void game::Session_Commit() {
  if (!started_) return;
  const turn t(*this, {0, recordedevent::commit, 0, 0, {}});
  commitsession(g_, w_);
}

void game::Session_End() {
  if (started_) {
    const turn t(*this, {0, recordedevent::end, 0, 0, {}});
    endsession(g_, w_);
  } else {
    w_.quit();
  }
}

void game::Form_KeyDown(int keycode) {
  if (!started_) return;
  const turn t(*this, {0, recordedevent::key, keycode, 0, {}});
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
  const turn t(*this, {0, recordedevent::tick, 0, 0, {}});
  ::Timer1_Timer(g_);
  afteryield(g_, w_);
}

void game::menu_Click(menuitem item) {
  if (!started_) return;
  const turn t(*this, {0, recordedevent::menu, static_cast<int32_t>(item), 0, {}});
  if (item != menuitem::quit) playeraction();
  ::menu_Click(g_, w_, item);
  afteryield(g_, w_);
  // A new game starts a new record, kept at once with the game so that a resume goes on with it.
  if (item == menuitem::newgame && depth_ == 1 && g_.replaying == 0) {
    beginrecord();
    keepinbackground(g_, w_);
  }
}

void game::button_Click(control c) {
  if (!started_) return;
  const turn t(*this, {0, recordedevent::button, static_cast<int32_t>(c), 0, {}});
  playeraction();
  ::button_Click(g_, w_, c);
  afteryield(g_, w_);
}

void game::text_Change(control c) {
  if (!started_) return;
  const turn t(*this, {0, recordedevent::typed, static_cast<int32_t>(c), 0, w_.text(c)});
  playeraction();
  ::text_Change(g_, w_, c);
  afteryield(g_, w_);
}
