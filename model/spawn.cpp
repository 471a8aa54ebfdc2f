#include "model/spawn.h"

void spawnpiece(gamestate& g) {
  g.piecex = 1 + g.rng.R(g.wellwidth - g.piecesizex);
  g.piecey = 0;
  g.piecez = 1 + g.rng.R(g.welldepth - g.piecesizez);
  g.redraw = 1;
}
