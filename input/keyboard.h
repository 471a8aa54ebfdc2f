#pragma once

#include "model/gamestate.h"
#include "platform/surface.h"

// The key handler: moves, drops and turns the piece, pauses, and turns the view.
void Form_KeyDown(gamestate& g, surface& s, int keycode);
