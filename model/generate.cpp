// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/generate.h"

#include "model/allsizes.h"
#include "model/fixedshapes.h"
#include "model/flatpiece.h"
#include "model/hardwalk.h"

void generatepiece(gamestate& g) {
  // The colour the loop head drew: every cube's colour in uniform block-colour mode.
  const int32_t piececolor = g.blockcolor;
  switch (g.gametype) {
    case gametypes::regular:
      flatwalk(g, piececolor);
      stackpiece(g, piececolor);
      break;
    case gametypes::holeinone:
      flatwalk(g, piececolor);
      hollowpiece(g);
      stackpiece(g, piececolor);
      break;
    case gametypes::easy:
      easyshape(g, piececolor);
      break;
    case gametypes::hard:
      hardwalk(g, piececolor);
      break;
    case gametypes::allsizes:
      allsizes(g, piececolor);
      break;
    default:
      fixedshape(g, piececolor);
      break;
  }
}
