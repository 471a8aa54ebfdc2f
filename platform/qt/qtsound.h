// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <vector>

#include "platform/sounds.h"

class QSoundEffect;

// The game's sound effects on Qt Multimedia, played from the WAV files in the resources. Without an
// audio device it stays silent and says so in one line.
class qtsound {
 public:
  explicit qtsound(QObject& owner) : owner_(owner) {}

  // Looks for an audio device and loads the effects, once. Finding the device can take a moment,
  // so the window asks for it before the first frame rather than at the first sound.
  void prepare();
  // Starts the effect and returns at once; an effect still playing starts over.
  void play(soundeffect effect);

 private:
  QObject& owner_;
  bool prepared_ = false;
  std::vector<QSoundEffect*> effects_;  // in the order of soundeffect; empty without a device
};
