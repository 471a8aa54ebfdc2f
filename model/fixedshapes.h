// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "model/gamestate.h"

// The easy game's piece: one of four shapes at random, every cube with a cube colour.
void easyshape(gamestate& g, int32_t piececolor);

// The fixed shapes of the game codes that only a settings file selects (2, 3, 4, 5, 10, 11), all
// in the piece colour. Any other code builds nothing and keeps the extents.
void fixedshape(gamestate& g, int32_t piececolor);
