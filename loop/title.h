// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "model/gamestate.h"
#include "platform/texts.h"
#include "platform/window.h"

// The window's own caption, shown until the first title update.
inline constexpr const char* windowcaption =
    KUBRIX_TEXT("title", "Vovov Kubrix 3d - By Vendrisalo (Age 20)");

// The kind of game as the title names it, in the player's language; empty for a code that is no
// kind of the menus.
std::string kindword(int gametype);

// The difficulty as the title names it, in the player's language.
std::string difficultyword(int difficulty);

// The status line of a running game; empty for a game type that has none.
std::string playtitle(const gamestate& g);

// The status line after game over, for the kind of game that was played.
std::string gameovertitle(const gamestate& g);

// Once per frame: rewrites the title when the score has changed since it was last shown.
void updatetitle(gamestate& g, window& w);
