// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/headless/headlesswindow.h"

#include <utility>

namespace {

template <typename Key, typename Value>
Value lookup(const std::map<Key, Value>& values, Key key, Value fallback) {
  const auto found = values.find(key);
  return found == values.end() ? fallback : found->second;
}

}  // namespace

headlesswindow::headlesswindow(int width, int height) : width_(width), height_(height) {}

void headlesswindow::activate() {
  if (deliverable()) sink_->Form_Activate();
}
void headlesswindow::leave() {
  if (deliverable()) sink_->Form_Deactivate();
}
void headlesswindow::key(int keycode) {
  if (deliverable()) sink_->Form_KeyDown(keycode);
}
void headlesswindow::tick() {
  if (deliverable()) sink_->Timer1_Timer();
}
void headlesswindow::click(menuitem item) {
  // A disabled menu item cannot be chosen.
  if (deliverable() && enabled(item)) sink_->menu_Click(item);
}
void headlesswindow::press(control c) {
  if (deliverable() && visible(c) && controlenabled(c)) sink_->button_Click(c);
}
void headlesswindow::type(control c, const std::string& text) {
  texts_[c] = text;
  if (deliverable()) sink_->text_Change(c);
}
void headlesswindow::resize(int width, int height) {
  width_ = width;
  height_ = height;
  if (deliverable()) sink_->Form_Resize();
}
void headlesswindow::close() {
  if (deliverable()) sink_->Form_Unload();
}
void headlesswindow::commitsession() {
  if (deliverable()) sink_->Session_Commit();
}
void headlesswindow::endsession() {
  if (deliverable()) sink_->Session_End();
}

std::vector<drawcall> headlesswindow::takecalls() {
  return std::exchange(calls, {});
}

bool headlesswindow::checked(menuitem item) const {
  return lookup(checkmarks_, item, false);
}
bool headlesswindow::enabled(menuitem item) const {
  return !lookup(disabled_, item, false);
}
std::string headlesswindow::text(control c) const {
  return lookup(texts_, c, std::string());
}
bool headlesswindow::visible(control c) const {
  return lookup(visible_, c, false);
}
bool headlesswindow::controlenabled(control c) const {
  return !lookup(controldisabled_, c, false);
}

void headlesswindow::record(drawcall call) {
  if (recording) calls.push_back(std::move(call));
}

void headlesswindow::clearsurface() {
  record({drawcall::clear, 0, 0, 0, 0, 0, {}});
}
void headlesswindow::drawline(float x1, float y1, float x2, float y2, int32_t color) {
  record({drawcall::line, x1, y1, x2, y2, color, {}});
}
void headlesswindow::drawbox(float x1, float y1, float x2, float y2, int32_t color) {
  record({drawcall::box, x1, y1, x2, y2, color, {}});
}
void headlesswindow::fillbox(float x1, float y1, float x2, float y2, int32_t color) {
  record({drawcall::fill, x1, y1, x2, y2, color, {}});
}
void headlesswindow::printtext(const std::string& text) {
  record({drawcall::text, 0, 0, 0, 0, 0, text});
}
