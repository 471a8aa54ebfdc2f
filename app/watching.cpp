// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/watching.h"

#include <algorithm>
#include <array>
#include <utility>

#include "persist/replayfile.h"
#include "platform/keys.h"
#include "platform/texts.h"
#include "ui/message.h"

namespace {

constexpr std::array<double, 7> speeds{0.25, 0.5, 1, 2, 4, 8, 16};
constexpr std::array<const char*, 7> speedwords{"¼×", "½×", "1×", "2×", "4×", "8×", "16×"};

// Draws the calls a replayed frame made onto the window's drawing area.
void paint(const std::vector<drawcall>& calls, surface& area) {
  for (const drawcall& c : calls) {
    switch (c.what) {
      case drawcall::clear:
        area.clearsurface();
        break;
      case drawcall::line:
        area.drawline(c.x1, c.y1, c.x2, c.y2, c.color);
        break;
      case drawcall::box:
        area.drawbox(c.x1, c.y1, c.x2, c.y2, c.color);
        break;
      case drawcall::fill:
        area.fillbox(c.x1, c.y1, c.x2, c.y2, c.color);
        break;
      case drawcall::text:
        area.printtext(c.words);
        break;
    }
  }
}

}  // namespace

watching::watching(game& kubrix, gamestate& g, qtwindow& w) : game_(kubrix), g_(g), w_(w) {
  pace_.setSingleShot(true);
  QObject::connect(&pace_, &QTimer::timeout, &w_, [this] { advance(); });
}

double watching::speed() const {
  return speeds[static_cast<size_t>(speed_)];
}

void watching::watch(const std::filesystem::path& file) {
  replayread read = readreplayfile(file);
  if (!read.record) {
    warnplayer(g_, w_,
               fill(say("message", "The replay \"%1\" cannot be watched: %2."),
                    {file.string(), read.error}));
    return;
  }
  if (!active()) gametitle_ = w_.windowTitle().toStdString();
  name_ = file.filename().string();
  paused_ = false;
  replay_ = std::make_unique<replayer>(std::move(*read.record), true);
  w_.takereplaykeys(true);
  show();
  schedule();
}

void watching::schedule() {
  pace_.stop();
  if (!active() || paused_ || replay_->done()) return;
  const size_t played = replay_->played();
  const uint64_t last = played == 0 ? 0 : replay_->record().events[played - 1].moment;
  const double wait = static_cast<double>(replay_->upcoming().moment - last) / speed();
  pace_.start(static_cast<int>(std::min(wait, 3'600'000.0)));
}

void watching::advance() {
  if (!active()) return;
  // Events of the same moment come in one go.
  const uint64_t moment = replay_->upcoming().moment;
  while (!replay_->done() && replay_->upcoming().moment == moment) replay_->step();
  show();
  schedule();
}

void watching::show() {
  headlesswindow& view = replay_->view();
  paint(view.takecalls(), w_.drawing());
  if (!view.title().empty()) w_.settitle(view.title());
  std::string status =
      fill(say("status", "Replay · %1 · %2"), {name_, speedwords[static_cast<size_t>(speed_)]});
  if (replay_->done()) {
    status += " · " + say("status", "End");
  } else if (paused_) {
    status += " · " + say("status", "Paused");
  }
  w_.setstatus(status);
  w_.refresh();
}

void watching::leave() {
  pace_.stop();
  replay_.reset();
  w_.takereplaykeys(false);
  w_.settitle(gametitle_);
  // The game comes back paused, drawn anew for the area as it is now.
  if (g_.paused == 0) game_.Form_KeyDown(keys::letter('P'));
  game_.Form_Resize();
  w_.refresh();
}

void watching::Form_Activate() {
  game_.Form_Activate();
  if (!pending_.empty()) watch(std::exchange(pending_, {}));
}

void watching::Form_Resize() {
  if (!active()) game_.Form_Resize();
}

void watching::Form_Unload() {
  if (active()) leave();
  game_.Form_Unload();
}

void watching::Form_KeyDown(int keycode) {
  if (!active()) {
    game_.Form_KeyDown(keycode);
    return;
  }
  if (keycode == keys::escape) {
    leave();
    return;
  }
  if (keycode == keys::letter('P')) paused_ = !paused_;
  if (keycode == keys::plus) speed_ = std::min(speed_ + 1, static_cast<int>(speeds.size()) - 1);
  if (keycode == keys::minus) speed_ = std::max(speed_ - 1, 0);
  if (keycode == keys::end) replay_->finish();
  show();
  schedule();
}

void watching::Timer1_Timer() {
  if (!active()) game_.Timer1_Timer();
}

void watching::menu_Click(menuitem item) {
  if (active() && item != menuitem::quit) return;
  if (active()) leave();
  game_.menu_Click(item);
  // "Watch" in the high-score list.
  if (!g_.watchrequest.empty()) watch(std::exchange(g_.watchrequest, {}));
}

void watching::button_Click(control c) {
  if (!active()) game_.button_Click(c);
}

void watching::text_Change(control c) {
  if (!active()) game_.text_Change(c);
}
