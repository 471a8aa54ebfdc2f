// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/gamestate.h"
#include "platform/window.h"

// Before the application ends: keeps the unfinished game for the next start, or drops an older
// one once the game is over. When the game cannot be written the player is told why and false is
// returned, so that the window stays open; after that, quitting leaves without saving.
bool keptforquit(gamestate& g, window& w);
