// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <tuple>

// The fit loop written out plainly, pass by pass, with nothing skipped: the reference the game's
// fit must match. It stops at a well of 6 cells, as the game does, where the loop as written would
// go on. Built optimised in every variant: a typed 1000000000 takes half a billion passes. Returns
// the front square, the depth step, the well's width and height.
using fitted = std::tuple<double, double, int, int>;
fitted fitbyhand(double squarewidth, double squareheight, int wellwidth, int wellheight,
                 int areawidth, int areaheight);
