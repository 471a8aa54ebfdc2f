// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "model/gamestate.h"

// The colour a generator gives each cube it places: a fresh draw of the colour rule in random
// block-colour mode, otherwise the piece colour drawn at the top of the piece.
int32_t cubecolor(gamestate& g, int32_t piececolor);
