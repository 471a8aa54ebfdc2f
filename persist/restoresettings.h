// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/gamestate.h"
#include "platform/window.h"

// Restore Default Settings: the panel fields of the well size and the piece limits and every
// check mark go back to their defaults, for the next New Game to read; the colour modes change at
// once. The cell size fields and the file are left alone.
void restoresettings(gamestate& g, window& w);
