// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/gamestate.h"

// Would the falling piece meet a filled well cell after one step? Each probe only raises its flag
// (blocked, or landed for checkdown2); the caller clears it first and tests the walls itself.
void checkdown(gamestate& g);   // z + 1
void checkup(gamestate& g);     // z - 1
void checkleft(gamestate& g);   // x - 1
void checkright(gamestate& g);  // x + 1
void checkdown2(gamestate& g);  // y + 1, one step of falling
