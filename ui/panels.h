// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/gamestate.h"
#include "platform/window.h"

// Opening a panel locks the commands that could conflict with it, shows it over the picture,
// pauses the game and gives its first field the keyboard focus.
void choosesize_Click(gamestate& g, window& w);    // well width and height
void choosegrid_Click(gamestate& g, window& w);    // cell size
void chooseshape_Click(gamestate& g, window& w);   // largest all-sizes piece
void chooselayers_Click(gamestate& g, window& w);  // layers of a regular piece

// Done: hides the panel, resumes the game (even one paused before the panel opened) and unlocks
// the commands; "New Shape" stays locked after game over. Only the cell-size panel applies its
// values, and redraws at once.
void Command1_Click(gamestate& g, window& w);
void Command2_Click(gamestate& g, window& w);
void Command3_Click(gamestate& g, window& w);
void Command4_Click(gamestate& g, window& w);
