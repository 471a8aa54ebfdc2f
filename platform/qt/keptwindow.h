// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class qtwindow;

// What the window keeps in its file (windowfile, in the game's folder) from one run to the next:
// its size, its place where the window system lets a program choose it, whether it was maximised
// or full screen, and the "Pause When Window Is Left" and "Sound" check marks. Read when made,
// before the window shows; written when one of the two choices changes and when the application
// quits. A missing or damaged file gives the defaults: the design size and both choices on. A
// saved size that no screen now present can hold is ignored, and so is a place off the screens.
class keptwindow : public QObject {
 public:
  explicit keptwindow(qtwindow& w);
  ~keptwindow() override;

  void write() const;

 private:
  void read();

  qtwindow& w_;
};
