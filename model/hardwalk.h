// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "model/gamestate.h"

// The hard game's piece: a walk that climbs and descends over the relief of the stack, moving
// sideways only where it touches well cubes or lies on the floor, with a column of cubes under
// every cube it places above empty space. The piece drops into the hollow it was cast from.
void hardwalk(gamestate& g, int32_t piececolor);
