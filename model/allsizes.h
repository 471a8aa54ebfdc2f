// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "model/gamestate.h"

// The all-sizes game's piece: maxsquares cubes (at least one) grown by a walk in free space from
// (1, 1, 1), inside a region three cells smaller than the well on each axis. The growth stops
// early when that region is full, so it ends whatever maxsquares and the well's size.
void allsizes(gamestate& g, int32_t piececolor);
