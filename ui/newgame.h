// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/gamestate.h"
#include "platform/window.h"

// New Game: applies every panel field (well size, piece limits, cell size fitted to the drawing
// area), takes the kind of game from the check marks, resets the score, empties the whole well
// and restarts play. The only way out of game over. Leaves paused and view alone.
void newgame_Click(gamestate& g, window& w);

// New Shape: the falling piece is dropped for a fresh one of the same game, 5 points off. The
// layer count typed into its panel takes effect with it.
void newshape_Click(gamestate& g, window& w);

// Quit, and closing the window: ends the application, keeping a high score that waits for its
// name and an unfinished game for the next start. A game that cannot be written keeps the window
// open, once.
void quit_Click(gamestate& g, window& w);
