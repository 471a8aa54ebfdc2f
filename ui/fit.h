// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/gamestate.h"
#include "platform/surface.h"

// Fits the picture into the drawing area less a margin of 50 units. The cell shrinks first (the
// front square by 2 while it is at least the depth step, otherwise the depth step by 1); once it
// is down to 6 by 3 the well shrinks by two cells at a time, width and depth together when the
// width is at least the height, otherwise the height. The well never goes below 6 cells: when
// even the smallest well does not fit, the loop stops and the window cuts the picture. Afterwards
// the cell is raised to at least 6 by 3 and lowered to at most limits::largestsquare, the largest
// the game's files hold. A well that shrank takes the piece limits down with it.
// Returns true when the well shrank.
bool fitpicture(gamestate& g, const surface& area);
