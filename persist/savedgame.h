// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/gamestate.h"
#include "model/recording.h"
#include "persist/settingsline.h"
#include "platform/window.h"

// One cube of the well, or of the piece in its own frame: its cell and its colour.
struct savedcube {
  int x = 0, y = 0, z = 0;
  int32_t color = 0;
};

// A saved game as read and checked, not yet applied: lists of cubes rather than grids, so that
// reading one costs no game state. Besides the game itself it keeps what the player has set for
// the next New Game: the six panel fields as typed and the difficulty and kind of game checked.
struct savedgame {
  settingsvalues settings{};  // in the order of the settings line, the kind of game first
  int view = 1;
  int64_t score = 0;
  int32_t blockcolor = 0;
  std::array<uint64_t, 4> random{};
  int piecex = 1, piecey = 0, piecez = 0;
  int piecesizex = 0, piecesizey = 0, piecesizez = 0;
  std::vector<savedcube> well;
  std::vector<savedcube> piece;
  std::array<std::string, 6> fields;  // Text1..Text6
  int nextdifficulty = 0;
  int nextgametype = 0;  // gametypes::over when no kind of game is checked
  // The game's record so far, when it has one. The game's text leaves it out: it is kept in a
  // file of its own beside the game's (persist/gamefile.h).
  recording record;
};

// The game in play as a saved game: what its file holds, its record included, taken in a few
// hundred microseconds even for a full well, so that it can be written out while the game goes on.
savedgame savedgameof(const gamestate& g, const window& w);

// A saved game as text: a version line, one named line per value, one per cube, an end line.
std::string savedgametext(const savedgame& s);

// A saved game's text back into its values, without a record. Nothing unless the text is a whole
// saved game of this version and every value is one the game itself can have: settings the settings
// loader takes as they stand, a score within limits::largestscore, a view, colours and a random
// state the game can reach, cubes inside the well, the piece's cubes inside its box and the box
// inside the well.
std::optional<savedgame> readsavedgame(std::string_view text);

// Puts a saved game in place of the game in play, its record included. It starts paused; the next
// frame redraws the picture and writes its title.
void applysavedgame(gamestate& g, window& w, const savedgame& saved);
