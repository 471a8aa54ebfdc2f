// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/gamestate.h"

// Fills the emptied piece grid with the cubes of a new piece for gametype and sets its extents,
// with the box at (1, 1, 1). Expects the piece colour already drawn into blockcolor. Game over and
// codes no generator knows place nothing and keep the extents of the previous piece.
void generatepiece(gamestate& g);
