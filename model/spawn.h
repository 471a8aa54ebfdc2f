// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/gamestate.h"

// Gives the new piece its random turns by difficulty (none at 0, about the vertical axis at 1,
// any turn that fits the well at 2) and places it at a random spot on the top row of the well.
void spawnpiece(gamestate& g);
