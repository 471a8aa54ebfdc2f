// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/gamestate.h"
#include "platform/window.h"

// The high-score panel, shown after game over when the score makes the table: pauses the game,
// locks the size commands, "New Shape" and "New Game", and waits for a name in Text7. An option
// panel left open under it is put away first, without applying what was typed there.
void showhighscorepanel(gamestate& g, window& w);

// Each edit of the name: Done is pressable only while the name holds more than blanks.
void Text7_Change(window& w);

// Done: appends the record with the name as typed, resumes and unlocks the commands the panel
// locked; "New Shape" stays locked until New Game. A record that cannot be written is reported
// to the player, and the panel closes all the same.
void Command5_Click(gamestate& g, window& w);

// Quit or a closed window while the panel waits: the score is kept, under the name typed so far
// or, with none typed, the account's user name.
void keephighscore(gamestate& g, window& w);
