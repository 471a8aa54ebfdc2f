// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/gamestate.h"
#include "platform/window.h"

// The game is event-driven: the toolkit's event loop is the yield. After start-up the game starts
// its first piece and runs one frame; after every event handler it runs afteryield().

// Top of the per-piece loop: the play options for a new game, a fresh piece colour, generation,
// spawn. Drops whatever piece was falling.
void startpiece(gamestate& g, window& w);

// One frame before the yield: the indication over the picture, the full redraw when the view
// changed or a redraw was asked for, then the title.
void framepass(gamestate& g, window& w);

// What the loop does when the yield returns: a restart abandons the piece, a landed piece is fixed
// (restart wins when both are set), and either way the game with its new piece is kept in its
// file; then the next frame.
void afteryield(gamestate& g, window& w);
