// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "model/gamestate.h"

// The regular game's piece: a walk through the empty cells of the well's bottom layer, shaped
// like (part of) a hole in the floor, with its box moved to (1, 1, 1). One layer.
void flatwalk(gamestate& g, int32_t piececolor);

// Hole-in-one: takes out every cube whose eight neighbours in its layer are all filled, leaving a
// rim with holes.
void hollowpiece(gamestate& g);

// Stacks copies of the first layer below it until the piece has maxlayers layers (two when
// maxlayers is 0 or less, never more than the well is high), each new cube with a cube colour.
void stackpiece(gamestate& g, int32_t piececolor);
