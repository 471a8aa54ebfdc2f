// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "model/gamestate.h"
#include "platform/window.h"

// A message the player has to read: a file that could not be written, say. Like an open option
// panel it holds the game still while it is shown; once closed, the game is paused or running as
// it was before. While the game is ending it goes to standard error instead, and what the player
// asked to see is not shown at all: nothing may wait for an answer then.
void warnplayer(gamestate& g, window& w, const std::string& text);

// Something the player asked to see (the high-score table), shown the same way.
void informplayer(gamestate& g, window& w, const std::string& text);

// A page of help under its heading, shown the same way.
void helpplayer(gamestate& g, window& w, const std::string& heading, const std::string& text);

// F1: every key and what it does, shown the same way.
void F1_KeyDown(gamestate& g, window& w);

// The high-score list, the game paused meanwhile; the entry the player chose to watch, if any.
std::optional<size_t> choosescore(gamestate& g, window& w, const std::string& heading,
                                  const std::vector<std::string>& entries,
                                  const std::vector<bool>& watchable);

// The sentence telling that `file` could not be written or read, and why: `pattern`, in the
// player's language, with the file for %1 and the system's reason for %2.
std::string filefailure(const std::string& pattern, const char* file, int error);
