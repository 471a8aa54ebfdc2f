// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/gamestate.h"

// One cell along x or z: the ways an arrow key can move the piece.
enum class direction { none, xminus, xplus, zminus, zplus };

// What an arrow key (37..40) means in a view, so that the piece moves the way the picture shows
// it: Left and Right along the picture's columns; Up and Down away from and toward the viewer in
// a side view, up and down the screen in a top view. none for other keys and views outside 1..8.
direction arrowdirection(int view, int keycode);

// Moves the piece one cell when the well's wall allows it and the probe finds no cube in the way.
void movesideways(gamestate& g, direction d);
