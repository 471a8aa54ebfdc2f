#pragma once

#include "model/gamestate.h"

// Gives the new piece its random turns by difficulty and places it at the top of the well.
void spawnpiece(gamestate& g);
