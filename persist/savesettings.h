#pragma once

#include "model/gamestate.h"
#include "platform/window.h"

// Save Settings: writes the settings in force (not the panel fields) as the one line of
// "kubrix3d.settings". The line goes into a fresh file beside it, which then replaces the old one
// in a single rename, so a failed or interrupted save never leaves a truncated file. When the file
// cannot be written the player is told which file and why, and nothing changes.
bool savesettings(const gamestate& g, window& w);
