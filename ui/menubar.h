// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "platform/controls.h"

// The menu bar, left to right, with every caption and the check marks of a fresh start.
std::vector<menudef> menubar();

// The option panels' labels, text fields and buttons, all hidden at start.
std::vector<controldef> panelcontrols();
