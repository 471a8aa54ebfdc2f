// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/gamestate.h"

// Tidies a game whose well the cell-size panel has just narrowed. Cubes left outside the new well
// are removed: nobody could see or clear them, yet the probes would meet them. Rows the narrowing
// made full are removed without points, since the player completed nothing. A falling piece the
// well no longer holds is moved back inside, or replaced by a new one (no points off) when it is
// larger than the well.
void narrowwell(gamestate& g);
