// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "model/gamestate.h"

// The eleven values of the settings line, in the order they are written: savedgametype,
// difficulty, wellwidth, wellheight, welldepth, squarewidth, squareheight, maxsquares, maxlayers,
// colormode, blockcolormode.
using settingsvalues = std::array<double, 11>;

// The settings in force as those eleven values.
settingsvalues settingsof(const gamestate& g);

// The settings line: each value as plain decimal text in double quotes, separated by commas,
// ended by CR LF.
std::string settingsline(const gamestate& g);

// Reads the first eleven fields of a settings file's text. A quoted field runs to its closing
// quote, an unquoted one to the next comma or line end; blanks before a field are skipped. Each
// field counts by its leading number, 0 when there is none or when the text ends early. Anything
// after the eleventh field is ignored.
settingsvalues readsettingsline(std::string_view text);
