// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

// The game's short sound effects. Layers cleared at once sound stronger the more there are; four
// or more share the strongest.
enum class soundeffect { landing, layers1, layers2, layers3, layers4, gameover, highscore };

// Each effect's file name without ".wav", in the order of soundeffect: the sound generator writes
// these files and the window plays them.
inline constexpr std::array<const char*, 7> soundnames{"landing", "layers1",  "layers2",  "layers3",
                                                       "layers4", "gameover", "highscore"};
