// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QWidget>
#include <functional>

// Watches a main window for the player leaving it: another window takes the focus, or the window
// is minimised or hidden by the window system. A window of its own (a menu, a message, the key
// list) taking the focus is no leaving.
class leavewatch : public QObject {
 public:
  leavewatch(QWidget& watched, std::function<void()> onleave);

 protected:
  bool eventFilter(QObject* object, QEvent* event) override;

 private:
  // Whether `widget` is the watched window or one that it opened.
  bool ours(const QWidget* widget) const;

  QWidget& watched_;
  std::function<void()> onleave_;
};
