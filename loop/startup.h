// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/gamestate.h"
#include "platform/window.h"

// Start-up: defaults, the random generator seeded from the clock, the panel fields, and the
// settings file when there is one.
void startup(gamestate& g, window& w);
