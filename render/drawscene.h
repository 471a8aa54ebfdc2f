// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/gamestate.h"
#include "platform/surface.h"

// Redraws the whole scene: clear, the well's grid for the current view, then every cube.
void drawscene(const gamestate& g, surface& s);
