// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/window.h"

// One recorded drawing call.
struct drawcall {
  enum kind { clear, line, box, fill, text };
  kind what;
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  int32_t color = 0;
  std::string words;
  bool operator==(const drawcall&) const = default;
};

// A window without a display, for tests and benchmarks: it records every drawing call in order,
// keeps menu and control state, and lets a test fire the events a player would cause.
class headlesswindow : public window, public surface {
 public:
  explicit headlesswindow(int width = 500, int height = 554);

  // Wiring: the game that receives the events.
  void connect(events& sink) { sink_ = &sink; }

  // Events a test can fire. Each runs the game's handler to its end, as the toolkit would.
  void activate();
  void leave();  // the player switches to another window
  void key(int keycode);
  void tick();
  void click(menuitem item);
  void press(control c);
  void type(control c, const std::string& text);  // replaces the text and reports the change
  void resize(int width, int height);
  void close();
  void commitsession();
  void endsession();

  // What the game did.
  std::vector<drawcall> calls;  // every drawing call since the last takecalls()
  bool recording = true;        // false: drawing calls are not kept (long runs)
  std::vector<std::string> titles;
  std::vector<std::string> messages;
  std::vector<std::string> informations;
  std::vector<std::vector<keyhelp>> keylists;
  std::vector<std::string> helppages;  // each page's heading, a line, then its text
  std::vector<soundeffect> sounds;
  std::string status;
  bool quitrequested = false;
  uint64_t clock = 12345;  // what timeofday() answers: the seed of a headless game
  uint64_t millis = 0;     // what milliseconds() answers
  control focused = control::Text7;

  std::vector<drawcall> takecalls();
  std::string title() const { return titles.empty() ? std::string() : titles.back(); }

  // window
  surface& drawing() override { return *this; }
  void settitle(const std::string& title) override { titles.push_back(title); }
  void setchecked(menuitem item, bool on) override { checkmarks_[item] = on; }
  bool checked(menuitem item) const override;
  void setenabled(menuitem item, bool on) override { disabled_[item] = !on; }
  bool enabled(menuitem item) const override;
  std::string text(control c) const override;
  void settext(control c, const std::string& text) override { texts_[c] = text; }
  void setvisible(control c, bool on) override { visible_[c] = on; }
  bool visible(control c) const override;
  void setcontrolenabled(control c, bool on) override { controldisabled_[c] = !on; }
  bool controlenabled(control c) const;
  void setfocus(control c) override { focused = c; }
  void showmessage(const std::string& text) override { messages.push_back(text); }
  void showinformation(const std::string& text) override { informations.push_back(text); }
  void showkeys(const std::vector<keyhelp>& keys) override { keylists.push_back(keys); }
  void showhelp(const std::string& heading, const std::string& text) override {
    helppages.push_back(heading + '\n' + text);
  }
  void playsound(soundeffect effect) override { sounds.push_back(effect); }
  void setstatus(const std::string& text) override { status = text; }
  void quit() override { quitrequested = true; }
  uint64_t timeofday() const override { return clock; }
  uint64_t milliseconds() const override { return millis; }

  // surface
  void clearsurface() override;
  void drawline(float x1, float y1, float x2, float y2, int32_t color) override;
  void drawbox(float x1, float y1, float x2, float y2, int32_t color) override;
  void fillbox(float x1, float y1, float x2, float y2, int32_t color) override;
  int surfacewidth() const override { return width_; }
  int surfaceheight() const override { return height_; }
  void printtext(const std::string& text) override;

 private:
  bool deliverable() const { return sink_ != nullptr && !quitrequested; }
  void record(drawcall call);

  events* sink_ = nullptr;
  int width_;
  int height_;
  std::map<menuitem, bool> checkmarks_;
  std::map<menuitem, bool> disabled_;
  std::map<control, std::string> texts_;
  std::map<control, bool> visible_;
  std::map<control, bool> controldisabled_;
};
