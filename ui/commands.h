#pragma once

#include "model/gamestate.h"
#include "platform/window.h"

// Menu commands, panel buttons and typing in panel fields.
void menu_Click(gamestate& g, window& w, menuitem item);
void button_Click(gamestate& g, window& w, control c);
void text_Change(gamestate& g, window& w, control c);
