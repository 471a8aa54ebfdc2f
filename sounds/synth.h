// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/sounds.h"

// The game's own sound effects, made from sine tones and a little noise: no recording goes in.
inline constexpr int samplerate = 44100;

// An effect's samples, 16-bit mono at samplerate, always the same for the same effect.
std::vector<int16_t> synthesize(soundeffect effect);

// A WAV file holding the samples: RIFF, PCM, 16-bit, mono, samplerate.
std::string wavfile(const std::vector<int16_t>& samples);
