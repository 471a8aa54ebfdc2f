// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/gamestate.h"
#include "platform/window.h"

// The check-mark items of "Play-Options" and "Color-Options". Each click moves its group's check
// mark to the item. Difficulty and kind of game wait in the check marks for the next New Game;
// the colour modes change at once, from the next colour drawn.
void one_Click(window& w);
void two_Click(window& w);
void three_Click(window& w);
void classic_Click(window& w);
void regular_Click(window& w);
void hard_Click(window& w);
void allsizes_Click(window& w);
void holeinone_Click(window& w);
void truecolor_Click(gamestate& g, window& w);
void color16_Click(gamestate& g, window& w);
void blockrandom_Click(gamestate& g, window& w);
void blockuniform_Click(gamestate& g, window& w);

// "Pause When Window Is Left" and "Sound" in "Play-Options": each click turns its check mark
// over, and the check mark is the choice. The window keeps both in its own file.
void pauseonleave_Click(window& w);
void sound_Click(window& w);
