// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/gamestate.h"
#include "platform/window.h"

// The unfinished game, kept in the working directory from one run to the next, and where a file
// that cannot be read as one is put aside.
inline constexpr const char* gamefile = "kubrix3d.game";
inline constexpr const char* damagedgamefile = "kubrix3d.game.damaged";

// At quit: writes the game in play to "kubrix3d.game", replacing the file as a whole so that a
// failed write keeps the old one; after game over removes an older saved game instead, so that
// it never comes back. Returns 0, or the errno of the write that failed.
int keepgame(const gamestate& g, const window& w);

// At start-up, once the settings are loaded. A saved game is put in place of the first piece and
// its file removed; a file that is not a whole, sound saved game is renamed to
// "kubrix3d.game.damaged". error is the errno of a removal or renaming that failed.
struct resumed {
  enum { nogame, restored, damaged } found = nogame;
  int error = 0;
};
resumed resumegame(gamestate& g, window& w);
