// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/gamestate.h"
#include "platform/window.h"

// "Key-Help" › "How to Play": the well, the kinds of game, scoring, views and files, for a new
// player. The game waits while it is open, as for the key list.
void howtoplay_Click(gamestate& g, window& w);

// "Key-Help" › "About Vovov Kubrix 3d": the version, the licence and the folder of the game's
// files, shown the same way.
void about_Click(gamestate& g, window& w);
