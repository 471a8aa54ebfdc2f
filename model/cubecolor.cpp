// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/cubecolor.h"

#include "model/colors.h"

int32_t cubecolor(gamestate& g, int32_t piececolor) {
  return g.blockcolormode == 1 ? colorrule(g) : piececolor;
}
