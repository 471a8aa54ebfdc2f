// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/gamestate.h"

// The six quarter turns of the piece in its own frame, named by their keys. Each keeps the box at
// (1, 1, 1), carries the cubes' colours, updates two extents and sets redraw.
void turnH(gamestate& g);  // x-y plane
void turnJ(gamestate& g);  // x-y plane, undoes H
void turnI(gamestate& g);  // y-z plane
void turnK(gamestate& g);  // y-z plane, undoes I
void turnU(gamestate& g);  // x-z plane
void turnY(gamestate& g);  // x-z plane, undoes U

// The turns numbered as the spawn step draws them: 1 Y, 2 U, 3 I, 4 K, 5 H, 6 J.
void turn(gamestate& g, int turnkind);

// The size guard of a turn (same numbering): false when the turned piece would not fit the well.
bool turnfits(const gamestate& g, int turnkind);

// After a key turn: moves the piece back inside the well (x, then z, then lifted on y). A piece
// larger than the well keeps piecex >= 1, piecey >= 0 and piecez >= 0.
void pushback(gamestate& g);
