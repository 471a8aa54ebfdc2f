// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/gamestate.h"

// The bounds New Game keeps the settings within. The settings loader holds a file to the same
// bounds, so that no loaded value can put an index outside the grids.
namespace limits {
inline constexpr int smallestwell = 6;
inline constexpr int largestwell = 40;
inline constexpr int smallestshape = 4;
inline constexpr double smallestsquarewidth = 6;
inline constexpr double smallestsquareheight = 3;
}  // namespace limits

// The largest all-sizes piece the well allows: half of (wellwidth - 3) x (wellheight - 3) x
// (welldepth - 3), whole part. Expects every size at least 6.
int shapecap(const gamestate& g);
int shapecap(int width, int height, int depth);

// The most layers a regular piece may have: half the height (whole part), and no more than the
// width.
int layercap(const gamestate& g);
int layercap(int width, int height);

// How a typed value becomes a whole-number setting: held within low..high as a real number first,
// so that no text can overflow a whole number, then rounded half to even.
int wholewithin(double value, int low, int high);
