// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/gamestate.h"

// Removes every full layer of the well, lets the rows above fall into the gaps, and scores:
// 10 x wellwidth x welldepth per layer removed, then the points of the landed piece.
// Returns the number of layers removed.
int clearlayers(gamestate& g);

// Removes the full layers without scoring them; used when the well is narrowed under a stack.
int removefulllayers(gamestate& g);
