// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/drawscene.h"

#include "render/fastscene.h"
#include "render/literal.h"

void drawscene(const gamestate& g, surface& s) {
  // A picture in memory is written straight into; any other surface gets every operation.
  if (const pixelrows picture = s.pixels(); picture.first != nullptr) {
    drawscenefast(g, s, picture);
  } else {
    drawsceneliteral(g, s);
  }
}
