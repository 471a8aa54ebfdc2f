// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/keptwindow.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <charconv>
#include <optional>
#include <string>

#include "persist/keyfile.h"
#include "platform/qt/qtwindow.h"

namespace {

// A whole number as written, or nothing for any other text.
std::optional<int> number(const keyvalues& file, const char* key) {
  const auto found = file.find(key);
  if (found == file.end()) return std::nullopt;
  const std::string& text = found->second;
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// Both choices start on: only a written "false" turns one off.
bool choice(const keyvalues& file, const char* key) {
  const auto found = file.find(key);
  return found == file.end() || found->second != "false";
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
  const keyvalues file = readkeyfile(windowfile);
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
  const auto state = file.find("window/state");
  if (state == file.end()) return;
  if (state->second == "maximized") w_.setWindowState(Qt::WindowMaximized);
  if (state->second == "fullscreen") w_.setWindowState(Qt::WindowFullScreen);
}

void keptwindow::write() const {
  const auto flag = [](bool on) { return std::string(on ? "true" : "false"); };
  keyvalues file{{pausekey, flag(w_.checked(menuitem::pauseonleave))},
                 {soundkey, flag(w_.checked(menuitem::sound))}};
  // The size and place the window comes back to from maximised or full screen.
  const QRect normal = w_.normalGeometry();
  file["window/width"] = std::to_string(normal.width());
  file["window/height"] = std::to_string(normal.height());
  if (placeknown()) {
    file["window/x"] = std::to_string(normal.x());
    file["window/y"] = std::to_string(normal.y());
  }
  const Qt::WindowStates state = w_.windowState();
  file["window/state"] = state & Qt::WindowFullScreen  ? "fullscreen"
                         : state & Qt::WindowMaximized ? "maximized"
                                                       : "normal";
  // A file that cannot be written costs only the window's place next time.
  writekeyfile(windowfile, file);
}
