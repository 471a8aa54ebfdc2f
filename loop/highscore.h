// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/gamestate.h"
#include "persist/highscores.h"
#include "platform/window.h"

// Whether a game's score makes the table: fewer than ten records on its settings beat it and it
// is above 0, or the table exists but cannot be read (the panel then shows whatever the score). A
// missing file is an empty table.
bool makesthetable(const highscoretable& table, const highscore& game);

// Right after the game-over steps: reads the table once and shows the high-score panel when the
// score makes it.
void highscorecheck(gamestate& g, window& w);
