// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/gamestate.h"
#include "persist/settingsline.h"
#include "platform/window.h"

// The settings file, in the working directory.
inline constexpr const char* settingsfile = "kubrix3d.settings";

// Reads "kubrix3d.settings" from the working directory when it can be opened, applies its values,
// rewrites the panel text fields and sets the check marks. Returns false when there is no file.
bool loadsettings(gamestate& g, window& w);

// Save Settings: writes the settings in force (not the panel fields) as the one line of
// "kubrix3d.settings", replacing the file as a whole so that a failed save keeps the old one.
// Returns 0, or the errno of the step that failed.
int savesettings(const gamestate& g);

// The values read from a settings file as the game can hold them. A value it cannot hold (a well
// size outside 6..40, a piece limit New Game would not allow for the loaded well, a cell size that
// is not positive or larger than a screen could show, a code outside its list) is replaced by its
// start-up default; whole numbers round half to even; the depth is the width. Settings the game
// itself had come out unchanged.
settingsvalues holdable(const settingsvalues& values);

// Stores the values read from a settings file, as holdable() makes them, into the settings.
void storesettings(gamestate& g, const settingsvalues& values);

// Stores the values read from a settings file; then the panel fields and the check marks show the
// settings in force.
void applysettings(gamestate& g, window& w, const settingsvalues& values);
