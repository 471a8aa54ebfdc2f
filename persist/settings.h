#pragma once

#include "model/gamestate.h"
#include "platform/window.h"

// Reads "kubrix3d.settings" from the working directory when it can be opened, applies its values,
// rewrites the panel text fields and sets the check marks. Returns false when there is no file.
bool loadsettings(gamestate& g, window& w);
