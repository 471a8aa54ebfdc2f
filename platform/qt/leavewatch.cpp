// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/leavewatch.h"

#include <QApplication>
#include <QEvent>

leavewatch::leavewatch(QWidget& watched, std::function<void()> onleave)
    : QObject(&watched), watched_(watched), onleave_(std::move(onleave)) {
  watched.installEventFilter(this);
}

bool leavewatch::ours(const QWidget* widget) const {
  for (; widget != nullptr; widget = widget->parentWidget()) {
    if (widget == &watched_) return true;
  }
  return false;
}

bool leavewatch::eventFilter(QObject* object, QEvent* event) {
  if (object != &watched_) return false;
  bool left = false;
  switch (event->type()) {
    case QEvent::ActivationChange:
      // The window that takes over is already the active one when the old one hears of it.
      left = !watched_.isActiveWindow() && !ours(QApplication::activeWindow()) &&
             !ours(QApplication::activePopupWidget());
      break;
    case QEvent::WindowStateChange:
      left = watched_.isMinimized();
      break;
    case QEvent::Hide:
      // Only the window system's own hiding: the game hides its window only when it quits.
      left = event->spontaneous();
      break;
    default:
      break;
  }
  if (left) onleave_();
  return false;
}
