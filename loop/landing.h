// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/gamestate.h"
#include "platform/window.h"

// Fixes the landed piece into the well, clears full layers and scores, and ends the game when the
// piece never left its spawn row; a game that ends is then checked against the high-score table.
// A sound tells which of these happened.
void landing(gamestate& g, window& w);

// Game over: the game-over title, the kind of game kept in savedgametype, "New Shape" disabled.
void gameoversteps(gamestate& g, window& w);
