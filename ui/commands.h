// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/gamestate.h"
#include "platform/window.h"

// Hands each menu command, panel button and edit of a panel field to its handler.
void menu_Click(gamestate& g, window& w, menuitem item);
void button_Click(gamestate& g, window& w, control c);
void text_Change(gamestate& g, window& w, control c);
