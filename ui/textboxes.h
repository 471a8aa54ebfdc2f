// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/gamestate.h"
#include "platform/window.h"

// The number at the start of a panel field's text, 0 when there is none.
double boxnumber(const window& w, control box);

// Makes a field even: when its number, rounded half to even, is odd (a positive remainder after
// division by 2), the number plus 1 is written back. 7 becomes 8; 8 and -7 stay.
void makeeven(window& w, control box);

// wellwidth from Text1 and wellheight from Text2, each held within 6..40; the depth follows the
// width.
void readwellsize(gamestate& g, const window& w);

// maxlayers from Text6, held within 1 and half the height, then within the width; the result is
// written back into Text6.
void layerrule(gamestate& g, window& w);
