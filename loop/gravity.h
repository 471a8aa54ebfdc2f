// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/gamestate.h"

// Gravity, once a second: the piece falls one row, or is marked landed when the floor or a cube
// lies below it.
void Timer1_Timer(gamestate& g);
