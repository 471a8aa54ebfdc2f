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
// The largest front square and depth step the game takes and its files hold: a well of 6 at this
// size is some 6000 pixels across. The fit never leaves a larger cell, whatever the screen.
inline constexpr double largestsquare = 1000;
// The largest score, either way, a saved game may hold. A landing scores at most 640,400 points
// (all 40 layers of a 40 x 40 x 40 well), so play would need over a billion landings to get here,
// and no score read back can overflow.
inline constexpr int64_t largestscore = 1'000'000'000'000'000;
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
