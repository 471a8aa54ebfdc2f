// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "model/gamestate.h"

// Packs a colour the way every cell stores it: red + 256 x green + 65536 x blue.
constexpr int32_t rgb(int red, int green, int blue) { return red + 256 * green + 65536 * blue; }

// The colours a cube can have: 1..lastcubecolor. 0 is an empty cell, and no draw reaches white.
constexpr int32_t lastcubecolor = 16777214;

// Entry n (0..15) of the standard 16-colour palette, packed.
int32_t palettecolor(int n);

// Draws a fresh colour into blockcolor and returns it: a random 24-bit colour, or in sixteen-colour
// mode one of palette colours 2..10. Never 0, which every grid reads as an empty cell.
int32_t colorrule(gamestate& g);
