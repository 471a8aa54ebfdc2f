// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/replayer.h"

#include <utility>

#include "loop/mainloop.h"
#include "persist/replayfile.h"
#include "persist/savedgame.h"
#include "platform/texts.h"
#include "ui/menubar.h"

void showdesignmarks(window& w, const std::vector<menudef>& menus) {
  for (const menudef& m : menus) {
    if (m.checkable) w.setchecked(m.id, m.checked);
    showdesignmarks(w, m.children);
  }
}

replayer::replayer(recording record, bool drawn) : record_(std::move(record)), drawn_(drawn) {
  // The reader took the start as a kept game; a record made in play holds one too.
  const auto start = readsavedgame(record_.start);
  if (!start) {
    next_ = record_.events.size();
    startfrom(savedgame{}, record_.width, record_.height);
    return;
  }
  startfrom(*start, record_.width, record_.height);
  g_->paused = record_.paused;
}

void replayer::startfrom(const savedgame& saved, int width, int height) {
  // The game goes first: the old one reads the window until the new is built.
  game_.reset();
  g_ = std::make_unique<gamestate>();
  g_->replaying = 1;
  g_->unseen = drawn_ ? 0 : 1;
  w_ = std::make_unique<headlesswindow>(width, height);
  w_->recording = drawn_;
  showdesignmarks(*w_, menubar());
  game_ = std::make_unique<game>(*g_, *w_);
  w_->connect(*game_);
  game_->startfrom(saved);
}

void replayer::step() {
  const recordedevent& e = record_.events[next_++];
  const auto field = static_cast<control>(e.a);
  switch (e.what) {
    case recordedevent::key:
      game_->Form_KeyDown(e.a);
      break;
    case recordedevent::tick:
      game_->Timer1_Timer();
      break;
    case recordedevent::menu:
      game_->menu_Click(static_cast<menuitem>(e.a));
      break;
    case recordedevent::button:
      game_->button_Click(field);
      break;
    case recordedevent::typed:
      w_->settext(field, e.text);
      game_->text_Change(field);
      break;
    case recordedevent::resize:
      w_->resize(e.a, e.b);
      break;
    case recordedevent::close:
      game_->Form_Unload();
      break;
    case recordedevent::commit:
      game_->Session_Commit();
      break;
    case recordedevent::end:
      game_->Session_End();
      break;
    case recordedevent::leave:
      game_->leftwindow();
      break;
    case recordedevent::resume: {
      // The game as the close, or the last landing before the end of the run, kept it.
      const savedgame kept = savedgameof(*g_, *w_);
      startfrom(kept, e.a, e.b);
      break;
    }
  }
}

void replayer::finish() {
  const bool drawn = std::exchange(drawn_, false);
  w_->recording = false;
  g_->unseen = 1;
  while (!done()) step();
  drawn_ = drawn;
  if (!drawn) return;
  w_->recording = true;
  w_->calls.clear();
  g_->unseen = 0;
  g_->lastview = -1;
  framepass(*g_, *w_);
}

bool replayer::agrees() const {
  return g_->score == record_.finalscore && gamecheck(*g_, *w_) == record_.finalcheck;
}

int verifyreplay(const std::string& file, std::string& report) {
  replayread read = readreplayfile(file);
  if (!read.record) {
    report = "kubrix3d: " +
             fill(say("commandline", "%1: cannot be read as a replay: %2"), {file, read.error}) +
             "\n";
    return 2;
  }
  replayer again(std::move(*read.record));
  again.finish();
  const bool same = again.agrees();
  report =
      fill(say("commandline", "recorded score: %1"), {std::to_string(again.record().finalscore)}) +
      "\n" + fill(say("commandline", "replayed score: %1"), {std::to_string(again.state().score)}) +
      "\n" +
      (same ? say("commandline", "the game plays out as recorded")
            : say("commandline", "the game does not play out as recorded")) +
      "\n";
  return same ? 0 : 1;
}
