// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "app/game.h"
#include "model/gamestate.h"
#include "model/recording.h"
#include "platform/headless/headlesswindow.h"

// The check marks a new window starts with, as the menu bar designs them.
void showdesignmarks(window& w, const std::vector<menudef>& menus);

// Plays a game's record again on a window without a display: the start as a resumed game starts,
// then every event as the window delivered it, and at a resume what the next run did: the game as
// its close kept it, started again in a fresh window. It reads and writes no file.
class replayer {
 public:
  // `drawn`: the window keeps every drawing call, for a replay that is watched.
  explicit replayer(recording record, bool drawn = false);

  bool done() const { return next_ == record_.events.size(); }
  // The next event; only while not done().
  const recordedevent& upcoming() const { return record_.events[next_]; }
  size_t played() const { return next_; }
  const recording& record() const { return record_; }
  void step();
  // Plays the rest, drawing nothing but the picture at the end.
  void finish();

  const gamestate& state() const { return *g_; }
  headlesswindow& view() { return *w_; }
  // Whether the game as played so far ended as its record says: its score and its digest.
  bool agrees() const;

 private:
  void startfrom(const savedgame& saved, int width, int height);

  recording record_;
  bool drawn_;
  size_t next_ = 0;
  std::unique_ptr<gamestate> g_;
  std::unique_ptr<headlesswindow> w_;
  std::unique_ptr<game> game_;
};

// `kubrix3d --verify FILE`: plays the replay again and tells the recorded and the replayed score.
// Returns 0 when the game ends as recorded, 1 when not, 2 when the file is no replay; `report`
// gets what to print, on standard output for 0 and 1.
int verifyreplay(const std::string& file, std::string& report);
