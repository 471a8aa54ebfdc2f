// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "model/gamestate.h"
#include "platform/window.h"

// What the window says over the picture, since the window manager may cut the title short: the
// state of the game, when it has one to tell, then the kind of game, the difficulty and the points
// the title shows. The state is that the game is over, or that it waits for P: paused by the
// player, or because the player left the window. None is told while an option panel or a message
// holds the game, nor while the high-score panel waits for a name. While the game cannot be kept
// in its file, the line says so too.
std::string gamestatus(const gamestate& g, const window& w);

// Called with every frame, so that the line follows the title and an indication goes as soon as
// its state ends.
void updatestatus(const gamestate& g, window& w);
