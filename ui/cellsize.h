// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/gamestate.h"
#include "platform/window.h"

// Done of the cell-size panel: checks Text3 and Text4 (at least 6, made even), takes the front
// square from Text3 and the depth step from half of Text4, fits the picture into the drawing area
// at once and writes the cell size in force back into both fields. A well the fit narrowed is
// tidied at once.
void applycellsize(gamestate& g, window& w);
