// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "model/gamestate.h"
#include "platform/window.h"

// What the window says over the picture, besides the title, which the window manager may cut
// short: that the game is over, or that the player paused it with P (nothing while an option
// panel or a message holds the game, nor while the high-score panel waits for a name); and that
// the game cannot be kept in its file right now, while that lasts.
std::string gamestatus(const gamestate& g, const window& w);

// Called with every frame, so that an indication goes as soon as its state ends.
void updatestatus(const gamestate& g, window& w);
