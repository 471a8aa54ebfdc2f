// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/gamestate.h"
#include "platform/window.h"

// Before the application ends: keeps the unfinished game for the next start, or drops an older
// one once the game is over. When the game cannot be written the player is told why and false is
// returned, so that the window stays open; quitting again, before anything else happens, leaves
// without saving.
bool keptforquit(gamestate& g, window& w);

// The desktop session asks the game to save its work, before a logout: the high score that waits
// for its name and the game are kept as at a quit, without a word to the player. The game goes on.
void commitsession(gamestate& g, window& w);

// A signal or the desktop session ends the game: as commitsession(), then the application ends.
// What could not be written is told on standard error, where nobody has to answer it.
void endsession(gamestate& g, window& w);
