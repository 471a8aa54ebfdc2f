#pragma once

#include "model/gamestate.h"

// Fills the emptied piece grid with the cubes of a new piece for gametype and sets its extents.
// Expects the piece colour already drawn into blockcolor.
void generatepiece(gamestate& g);
