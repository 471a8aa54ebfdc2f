// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "model/gamestate.h"
#include "platform/window.h"

// "High Scores": the ten best records on the settings of the game in play (or just ended), best
// first, or word that there are none yet. A file that cannot be read is reported as such.
void highscores_Click(gamestate& g, window& w);

// How the list learns whether a replay file plays out as recorded: the game sets it, as the list
// cannot play a game itself. An entry whose replay is gone or does not verify is marked so.
void checkreplayswith(bool (*verifies)(const std::string& file));
