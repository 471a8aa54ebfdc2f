// SPDX-License-Identifier: GPL-3.0-or-later
#include "sounds/synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// A mix in progress, in seconds and amplitudes of about -1..1.
class mix {
 public:
  explicit mix(double seconds) : samples_(static_cast<size_t>(seconds * samplerate), 0.0) {}

  // A note struck at `start`: a sine with a softer octave above, gone in a few `decay` seconds.
  // A short rise keeps it from clicking. `glide` bends the pitch down by that ratio over the note.
  void note(double start, double hertz, double loudness, double decay, double glide = 1.0) {
    double phase = 0;
    for (size_t i = first(start); i < samples_.size(); ++i) {
      const double t = static_cast<double>(i) / samplerate - start;
      const double envelope = std::min(1.0, t / 0.004) * std::exp(-t / decay);
      if (envelope < 1e-4 && t > 0.004) break;
      phase += 2 * std::numbers::pi * hertz * std::pow(glide, t / (5 * decay)) / samplerate;
      samples_[i] += loudness * envelope * (std::sin(phase) + 0.3 * std::sin(2 * phase));
    }
  }

  // A burst of noise, dulled by a simple low-pass filter: the knock of a landing.
  void knock(double start, double loudness, double decay) {
    uint32_t seed = 2463534242u;
    double dull = 0;
    for (size_t i = first(start); i < samples_.size(); ++i) {
      const double t = static_cast<double>(i) / samplerate - start;
      seed ^= seed << 13;
      seed ^= seed >> 17;
      seed ^= seed << 5;
      dull += 0.15 * ((seed / 4294967295.0 * 2 - 1) - dull);
      samples_[i] += loudness * std::exp(-t / decay) * dull;
    }
  }

  // Gently limited to 16 bits, and faded out over the last few milliseconds.
  std::vector<int16_t> samples() const {
    std::vector<int16_t> out(samples_.size());
    const size_t fade = samplerate / 200;
    for (size_t i = 0; i < out.size(); ++i) {
      const double tail = std::min(1.0, static_cast<double>(out.size() - i) / fade);
      out[i] = static_cast<int16_t>(std::lround(32000 * std::tanh(samples_[i]) * tail));
    }
    return out;
  }

 private:
  size_t first(double start) const {
    return std::min(samples_.size(), static_cast<size_t>(start * samplerate));
  }
  std::vector<double> samples_;
};

// Notes of the scale by semitones from A 440 Hz.
double pitch(int semitones) {
  return 440 * std::pow(2.0, semitones / 12.0);
}

// Layers cleared: a rising chord, one note more and a little louder for each layer at once.
std::vector<int16_t> layers(int count) {
  constexpr int chord[] = {3, 7, 10, 15, 19};  // C, E, G, C, E above A 440
  mix m(0.25 + 0.08 * count);
  const double loudness = 0.16 + 0.07 * count;
  for (int i = 0; i <= count; ++i)
    m.note(0.06 * i, pitch(chord[i]), loudness, 0.09 + 0.015 * count);
  return m.samples();
}

}  // namespace

std::vector<int16_t> synthesize(soundeffect effect) {
  switch (effect) {
    case soundeffect::landing: {
      mix m(0.14);
      m.note(0, 140, 0.45, 0.03, 0.5);
      m.knock(0, 0.5, 0.012);
      return m.samples();
    }
    case soundeffect::layers1:
      return layers(1);
    case soundeffect::layers2:
      return layers(2);
    case soundeffect::layers3:
      return layers(3);
    case soundeffect::layers4:
      return layers(4);
    case soundeffect::gameover: {
      // Falling, slower and lower.
      mix m(1.2);
      const int steps[] = {-2, -5, -9, -14};
      for (int i = 0; i < 4; ++i) m.note(0.18 * i, pitch(steps[i]), 0.3, i == 3 ? 0.3 : 0.12);
      return m.samples();
    }
    case soundeffect::highscore: {
      // A short fanfare, then its chord held.
      mix m(1.0);
      const int steps[] = {3, 7, 10, 15};
      for (int i = 0; i < 4; ++i) m.note(0.09 * i, pitch(steps[i]), 0.25, 0.08);
      for (const int step : steps) m.note(0.4, pitch(step), 0.14, 0.22);
      return m.samples();
    }
  }
  return {};
}

std::string wavfile(const std::vector<int16_t>& samples) {
  std::string file;
  const auto word = [&file](uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) file += static_cast<char>((value >> (8 * i)) & 0xFF);
  };
  const auto data = static_cast<uint32_t>(2 * samples.size());
  file += "RIFF";
  word(36 + data, 4);
  file += "WAVEfmt ";
  word(16, 4);  // the format chunk's size
  word(1, 2);   // PCM
  word(1, 2);   // mono
  word(samplerate, 4);
  word(2 * samplerate, 4);  // bytes a second
  word(2, 2);               // bytes a sample
  word(16, 2);              // bits a sample
  file += "data";
  word(data, 4);
  for (const int16_t sample : samples) word(static_cast<uint16_t>(sample), 2);
  return file;
}
