// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "model/gamestate.h"
#include "platform/surface.h"
#include "platform/window.h"

// The key handler: moves, drops and turns the piece, pauses, and turns the view.
void Form_KeyDown(gamestate& g, surface& s, int keycode);

// The player left the window: a running game pauses as by P, and P goes on. A game already held
// (by P, a panel or a message) or over stays as it is.
void windowleft(gamestate& g);

// Every key the handler knows, and F1, which shows this list: written from the handler's own
// table, so that the list and the keys never disagree.
std::vector<keyhelp> keylist();
