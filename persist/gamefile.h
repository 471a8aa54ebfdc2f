// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/gamestate.h"
#include "platform/window.h"

// The unfinished game, kept in the working directory from one run to the next, and where a file
// that cannot be read as one is put aside.
inline constexpr const char* gamefile = "kubrix3d.game";
inline constexpr const char* damagedgamefile = "kubrix3d.game.damaged";
// Beside the kept game, its record so far: written after the game, at the same moments, and taken
// back only with the very game it goes with. A record that cannot be written or read costs the
// game's replay, never the game.
inline constexpr const char* gamerecordfile = "kubrix3d.game.record";

// After every new piece: the game in play goes to "kubrix3d.game" on a thread of its own, so that
// a crash, a kill or a power cut loses at most the piece in the air; once the game is over the
// file goes instead, so that it never comes back. The file is replaced as a whole: a failed write
// keeps the last good one.
void keepinbackground(const gamestate& g, const window& w);

// The result of the last keeping in the background: 0, or the errno of the write that failed.
int keepingerror();

// Returns once the keeping in the background is done, with its result.
int waitforkeeping();

// At quit: as keepinbackground(), but done before it returns, after whatever the background
// still had to write. Returns 0, or the errno of the write that failed.
int keepgame(const gamestate& g, const window& w);

// At start-up, once the settings are loaded. A saved game is put in place of the first piece; its
// file stays until the game is over. A file that is not a whole, sound saved game is renamed to
// "kubrix3d.game.damaged"; error is the errno of a renaming that failed.
struct resumed {
  enum { nogame, restored, damaged } found = nogame;
  int error = 0;
};
resumed resumegame(gamestate& g, window& w);
