// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "model/gamestate.h"
#include "platform/surface.h"
#include "render/projection.h"

// The scene drawn operation by operation, in exactly the game's order: the reference that any
// quicker way of drawing must match pixel for pixel. Its parts serve the quicker way too.
void drawsceneliteral(const gamestate& g, surface& s);

// The origin of the current view, centred on the surface as it is now.
origin sceneorigin(const gamestate& g, const surface& s);

// The well's grid for the current view: floor and two walls.
void drawgrid(const gamestate& g, origin o, surface& s);

// Every cube of the current view, back to front.
void drawcubes(const gamestate& g, origin o, surface& s);

// One cube, its front square's top-left corner at `at`, w and h the cell sizes, in three steps:
// the front face; the landing marker of a falling cube, n rows further down (side views) or n
// layers further away (top views); the receding faces and the edges.
void drawfrontface(surface& s, point at, double w, int32_t color);
void drawlandingmarker(surface& s, point at, double w, double h, int n, bool side);
void drawfacesandedges(surface& s, point at, double w, double h, int32_t color);
