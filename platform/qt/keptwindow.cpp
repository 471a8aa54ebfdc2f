// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/keptwindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <optional>

#include "platform/qt/qtwindow.h"

namespace {

QString filepath() {
  return QDir::current().absoluteFilePath(windowfile);
}

// A whole number as written, or nothing for any other text.
std::optional<int> number(const QSettings& file, const char* key) {
  bool ok = false;
  const int value = file.value(key).toString().toInt(&ok);
  return ok ? std::optional(value) : std::nullopt;
}

// Both choices start on: only a written "false" turns one off.
bool choice(const QSettings& file, const char* key) {
  return file.value(key).toString() != "false";
}

const char* const pausekey = "options/pausewhenleft";
const char* const soundkey = "options/sound";

// Under Wayland the compositor places windows, and a window never learns where it is.
bool placeknown() {
  return !QGuiApplication::platformName().startsWith("wayland");
}

}  // namespace

keptwindow::keptwindow(qtwindow& w) : w_(w) {
  read();
  w.onchoice = [this](menuitem item) {
    if (item == menuitem::pauseonleave || item == menuitem::sound) write();
  };
  QObject::connect(qApp, &QCoreApplication::aboutToQuit, this, &keptwindow::write);
}

keptwindow::~keptwindow() {
  w_.onchoice = nullptr;
}

void keptwindow::read() {
  const QSettings file(filepath(), QSettings::IniFormat);
  w_.setchecked(menuitem::pauseonleave, choice(file, pausekey));
  w_.setchecked(menuitem::sound, choice(file, soundkey));

  const auto width = number(file, "window/width"), height = number(file, "window/height");
  if (width && height && *width > 0 && *height > 0) {
    const QSize size(*width, *height);
    const auto x = number(file, "window/x"), y = number(file, "window/y");
    bool fits = false, placed = false;
    for (const QScreen* screen : QGuiApplication::screens()) {
      const QSize room = screen->availableGeometry().size();
      fits = fits || (size.width() <= room.width() && size.height() <= room.height());
      placed = placed || (x && y && screen->geometry().contains(QRect(QPoint(*x, *y), size)));
    }
    if (placed && placeknown()) {
      w_.setGeometry(QRect(QPoint(*x, *y), size));
    } else if (fits) {
      w_.resize(size);
    }
  }
  const QString state = file.value("window/state").toString();
  if (state == "maximized") w_.setWindowState(Qt::WindowMaximized);
  if (state == "fullscreen") w_.setWindowState(Qt::WindowFullScreen);
}

void keptwindow::write() const {
  QSettings file(filepath(), QSettings::IniFormat);
  file.setValue(pausekey, w_.checked(menuitem::pauseonleave));
  file.setValue(soundkey, w_.checked(menuitem::sound));
  // The size and place the window comes back to from maximised or full screen.
  const QRect normal = w_.normalGeometry();
  file.setValue("window/width", normal.width());
  file.setValue("window/height", normal.height());
  if (placeknown()) {
    file.setValue("window/x", normal.x());
    file.setValue("window/y", normal.y());
  }
  const Qt::WindowStates state = w_.windowState();
  file.setValue("window/state", state & Qt::WindowFullScreen  ? "fullscreen"
                                : state & Qt::WindowMaximized ? "maximized"
                                                              : "normal");
  file.sync();
}
