// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/qtsound.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <cstdio>

namespace {

// Qt Multimedia tells of a missing sound server in lines of its own, in no logging category that
// a filter rule could turn off. They are left out while the devices are listed; the game says it
// once, in its own words.
bool audiodevice() {
  const QtMessageHandler previous =
      qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  const bool found = !QMediaDevices::audioOutputs().isEmpty();
  qInstallMessageHandler(previous);
  return found;
}

}  // namespace

void qtsound::prepare() {
  if (prepared_) return;
  prepared_ = true;
  if (!audiodevice()) {
    std::fputs("kubrix3d: no audio device found, the game plays without sound\n", stderr);
    return;
  }
  for (const char* name : soundnames) {
    auto* effect = new QSoundEffect(&owner_);
    // Loaded in the background: play() never waits for the file.
    effect->setSource(QUrl(QString("qrc:/sounds/%1.wav").arg(name)));
    effect->setVolume(0.6f);
    effects_.push_back(effect);
  }
}

void qtsound::play(soundeffect effect) {
  prepare();
  const auto index = static_cast<size_t>(effect);
  if (index < effects_.size()) effects_[index]->play();
}
