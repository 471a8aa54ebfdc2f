// SPDX-License-Identifier: GPL-3.0-or-later
#include "fitreference.h"

#include <algorithm>

fitted fitbyhand(double w, double h, int width, int height, int areawidth, int areaheight) {
  const double roomx = areawidth - 50, roomy = areaheight - 50;
  while (w * width + h * width >= roomx || w * width + h * height >= roomx ||
         w * height + h * width >= roomy || w * width + h * height >= roomy) {
    if (w > 6 || h > 3) w >= h ? w -= 2 : h -= 1;
    if (w <= 6 && h <= 3) {
      int& side = width >= height ? width : height;
      if (side - 2 < 6) break;
      side -= 2;
    }
  }
  return {std::max(w, 6.0), std::max(h, 3.0), width, height};
}
