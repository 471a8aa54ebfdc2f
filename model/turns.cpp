// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/turns.h"

#include <algorithm>

namespace {

// Carries every cell of the old box to its new place through turngrid, then sets the new extents.
// `to` maps an old cell (a, b, c) to its new place, given the old extents X, Y, Z.
template <typename Map>
void turnpiece(gamestate& g, Map to, int newsizex, int newsizey, int newsizez) {
  g.redraw = 1;
  const int X = g.piecesizex + 1;
  const int Y = g.piecesizey;
  const int Z = g.piecesizez;
  for (int c = 1; c <= Z; ++c) {
    for (int b = 1; b <= Y; ++b) {
      for (int a = 1; a <= X; ++a) {
        const auto [x, y, z] = to(a, b, c, X, Y, Z);
        g.turngrid.at(x, y, z) = g.piece.at(a, b, c);
        g.piece.at(a, b, c) = 0;
      }
    }
  }
  g.piecesizex = newsizex;
  g.piecesizey = newsizey;
  g.piecesizez = newsizez;
  for (int z = 1; z <= g.piecesizez; ++z) {
    for (int y = 1; y <= g.piecesizey; ++y) {
      for (int x = 1; x <= g.piecesizex + 1; ++x) g.piece.at(x, y, z) = g.turngrid.at(x, y, z);
    }
  }
}

struct cell {
  int x, y, z;
};

}  // namespace

void turnH(gamestate& g) {
  turnpiece(
      g,
      [](int a, int b, int c, int X, int, int) {
        return cell{b, X + 1 - a, c};
      },
      g.piecesizey - 1, g.piecesizex + 1, g.piecesizez);
}

void turnJ(gamestate& g) {
  turnpiece(
      g,
      [](int a, int b, int c, int, int Y, int) {
        return cell{Y + 1 - b, a, c};
      },
      g.piecesizey - 1, g.piecesizex + 1, g.piecesizez);
}

void turnI(gamestate& g) {
  turnpiece(
      g,
      [](int a, int b, int c, int, int, int Z) {
        return cell{a, Z + 1 - c, b};
      },
      g.piecesizex, g.piecesizez, g.piecesizey);
}

void turnK(gamestate& g) {
  turnpiece(
      g,
      [](int a, int b, int c, int, int Y, int) {
        return cell{a, c, Y + 1 - b};
      },
      g.piecesizex, g.piecesizez, g.piecesizey);
}

void turnU(gamestate& g) {
  turnpiece(
      g,
      [](int a, int b, int c, int, int, int Z) {
        return cell{Z + 1 - c, b, a};
      },
      g.piecesizez - 1, g.piecesizey, g.piecesizex + 1);
}

void turnY(gamestate& g) {
  turnpiece(
      g,
      [](int a, int b, int c, int X, int, int) {
        return cell{c, b, X + 1 - a};
      },
      g.piecesizez - 1, g.piecesizey, g.piecesizex + 1);
}

void turn(gamestate& g, int turnkind) {
  switch (turnkind) {
    case 1:
      turnY(g);
      break;
    case 2:
      turnU(g);
      break;
    case 3:
      turnI(g);
      break;
    case 4:
      turnK(g);
      break;
    case 5:
      turnH(g);
      break;
    case 6:
      turnJ(g);
      break;
    default:
      break;
  }
}

bool turnfits(const gamestate& g, int turnkind) {
  const bool tallenough = turnkind == 3 || turnkind == 4 ? g.piecesizez <= g.wellheight - 1
                                                         : g.piecesizex <= g.wellheight - 1;
  switch (turnkind) {
    case 3:
    case 4:
    case 5:
    case 6:
      return tallenough && g.piecesizey <= g.wellwidth - 1;
    default:
      return true;
  }
}

void pushback(gamestate& g) {
  // A piece larger than a well narrowed under it stays against the low walls instead of reaching
  // index 0 or below.
  if (g.piecex + g.piecesizex > g.wellwidth) g.piecex = std::max(1, g.wellwidth - g.piecesizex);
  if (g.piecez + g.piecesizez > g.welldepth) g.piecez = std::max(0, g.welldepth - g.piecesizez);
  if (g.piecey + g.piecesizey > g.wellheight) g.piecey = std::max(0, g.wellheight - g.piecesizey);
}
