// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/gamestate.h"
#include "platform/window.h"

// After start-up: the game kept by the last run, restored paused in place of the first piece, or
// else the first piece; then the first frame. A saved game that could not be read is reported
// once the new game shows. Returns true when the kept game goes on.
bool resumeorstart(gamestate& g, window& w);
