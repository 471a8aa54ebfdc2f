#include "soakbot.h"

#include <array>
#include <memory>
#include <random>

#include "../harness.h"
#include "platform/keys.h"

namespace {

// New Game picks its play options by their place here: difficulty 4-6, kind 7-11, colours 12-15,
// panels 16-19.
constexpr std::array<menuitem, 20> commands = {
    menuitem::newshape,   menuitem::newgame,    menuitem::savesettings, menuitem::restoresettings,
    menuitem::one,        menuitem::two,        menuitem::three,        menuitem::classic,
    menuitem::regular,    menuitem::hard,       menuitem::allsizes,     menuitem::holeinone,
    menuitem::truecolor,  menuitem::color16,    menuitem::blockrandom,  menuitem::blockuniform,
    menuitem::choosesize, menuitem::choosegrid, menuitem::chooseshape,  menuitem::chooselayers};
constexpr std::array<control, 7> fields = {control::Text1, control::Text2, control::Text3,
                                           control::Text4, control::Text5, control::Text6,
                                           control::Text7};
constexpr std::array<control, 5> buttons = {control::Command1, control::Command2, control::Command3,
                                            control::Command4, control::Command5};
// Typed into the panels' fields. (A table: clang-format would give each text a line.)
// clang-format off
constexpr std::array<const char*, 24> hostiletexts = {
    "6", "7", "10", "12", "25", "30", "40", "41", "100", "0", "-3", "2.5", "14.5", "abc", "",
    "  9", "1e999", "nan", "inf", "99999999999999999", "-0", "3..5", "Ärger, \"quoted\"", "   "};
// clang-format on

class bot {
 public:
  bot(uint64_t seed, soakresult& result)
      : h_(std::make_unique<harness>(seed)), random_(seed * 7919 + 1), result_(result) {
    h_->w.recording = false;
    h_->start();
  }

  void step() {
    const int roll = pick(1000);
    if (roll < 500) {
      h_->w.tick();
    } else if (roll < 800) {
      presskey();
    } else if (roll < 860) {
      h_->w.click(commands[pick(commands.size())]);
    } else if (roll < 950) {
      usepanel();
    } else if (roll < 952) {
      closeandstartagain();
    } else if (roll < 970) {
      const bool tiny = pick(4) == 0;
      const int width = tiny ? pick(60) : 200 + pick(1800);
      h_->w.resize(width, tiny ? pick(60) : 200 + pick(1400));
    } else if (roll < 985 || (h_->g->gameover == 1 && pick(20) == 0)) {
      newgame();
    } else {
      h_->w.click(menuitem::newshape);
    }
    ++result_.events;
    check(*h_->g);
  }

 private:
  int pick(size_t n) { return static_cast<int>(random_() % n); }

  void presskey() {
    static constexpr std::array<int, 9> moves = {keys::enter, keys::enter, keys::enter,
                                                 keys::left,  keys::right, keys::up,
                                                 keys::down,  'H',         'U'};
    const int roll = pick(100);
    h_->w.key(roll < 70   ? moves[pick(moves.size())]
              : roll < 85 ? "HJIKUY"[pick(6)]
              : roll < 93 ? "RTWS"[pick(4)]
              : roll < 96 ? 'P'
                          : pick(256));
    if (h_->g->paused == 1 && pick(3) == 0) h_->w.key('P');  // don't stay paused for long
  }

  void usepanel() {
    std::vector<control> open;
    for (control c : fields)
      if (h_->w.visible(c)) open.push_back(c);
    if (open.empty()) return h_->w.click(commands[16 + pick(4)]);
    if (pick(3) != 0)
      return h_->w.type(open[pick(open.size())], hostiletexts[pick(hostiletexts.size())]);
    for (control c : buttons) h_->w.press(c);  // only the visible, enabled Done reacts
  }

  // A random kind of game, difficulty, colour mode and well size for the next game.
  void newgame() {
    for (const auto& [first, count] : {std::pair{7, 5}, {4, 3}, {12, 2}, {14, 2}})
      h_->w.click(commands[first + pick(count)]);
    const int width = 500 + pick(1500);  // one draw per statement: the order is fixed
    h_->w.resize(width, 554 + pick(1000));
    h_->w.click(menuitem::choosesize);
    h_->w.type(control::Text1, std::to_string(6 + pick(35)));
    h_->w.type(control::Text2, std::to_string(6 + pick(35)));
    h_->w.press(control::Command1);
    h_->w.click(menuitem::chooseshape);
    h_->w.type(control::Text5, std::to_string(pick(900)));
    h_->w.press(control::Command3);
    h_->w.click(menuitem::chooselayers);
    h_->w.type(control::Text6, std::to_string(pick(25)));
    h_->w.press(control::Command4);
    h_->w.click(menuitem::newgame);
    if (h_->g->score == 0 && h_->g->gameover == 0) ++result_.games;
  }

  // The player closes the window and starts the game again: it must go on exactly where it was,
  // or, when it was over, start anew.
  void closeandstartagain() {
    h_->w.close();
    auto next =
        std::make_unique<harness>(h_->w.clock + 1, h_->w.surfacewidth(), h_->w.surfaceheight());
    next->w.recording = false;
    next->start();
    if (h_->g->gameover == 1) {
      if (next->g->score != 0 || next->g->gameover != 0) fault("a game over was resumed");
    } else {
      if (next->g->paused != h_->g->paused) next->w.key('P');
      if (const std::string what = difference(*h_, *next); !what.empty()) {
        fault("the resumed game differs in " + what);
      }
      ++result_.resumes;
    }
    h_ = std::move(next);
  }

  void fault(const std::string& what) {
    if (result_.faultcount++ < 10)
      result_.faults.push_back("event " + std::to_string(result_.events) + ": " + what);
  }

  void check(const gamestate& g) {
    if (g.wellwidth < 6 || g.wellwidth > 40 || g.wellheight < 6 || g.wellheight > 40 ||
        g.welldepth != g.wellwidth)
      fault("well size " + std::to_string(g.wellwidth) + "x" + std::to_string(g.wellheight));
    if (!(g.squarewidth >= 6 && g.squarewidth <= 1000) ||
        !(g.squareheight >= 3 && g.squareheight <= 1000))
      fault("cell size");
    if (g.maxlayers < 1 || g.maxsquares < 1 || g.view < 1 || g.view > 8) fault("limits or view");
    if (g.landed != 0 || g.restart != 0) fault("landed or restart left set after the loop");
    if (g.gameover == 0 && (g.piecex < 1 || g.piecex + g.piecesizex > g.wellwidth || g.piecey < 0 ||
                            g.piecey + g.piecesizey > g.wellheight || g.piecez < 0 ||
                            g.piecez + g.piecesizez > g.welldepth))
      fault("piece box outside the well");
    if (result_.events % 50 == 0) checkgrids(g);
    checkscore(g);
    if (g.gameover == 1 && !over_) ++result_.gameovers;
    score_ = g.score;
    over_ = g.gameover == 1;
  }

  // Nothing of the piece outside its box, nothing of the well outside the playing space.
  void checkgrids(const gamestate& g) {
    for (int y = 0; y <= 42; ++y) {
      for (int z = 0; z <= 42; ++z) {
        for (int x = 0; x <= 42; ++x) {
          const bool inbox = x >= 1 && x <= g.piecesizex + 1 && y >= 1 && y <= g.piecesizey &&
                             z >= 1 && z <= g.piecesizez;
          if (!inbox && g.piece.at(x, y, z) != 0) return fault("piece cube outside its box");
          const bool inwell = x >= 1 && x <= g.wellwidth && y >= 1 && y <= g.wellheight && z >= 1 &&
                              z <= g.welldepth;
          if (!inwell && g.well.at(x, y, z) != 0) return fault("well cube outside the well");
        }
      }
    }
  }

  // The score moves only by the rules: layers and a landed piece, 5 for a new shape, 0 at a new
  // game.
  void checkscore(const gamestate& g) {
    const int64_t delta = g.score - score_;
    if (delta == 0 || delta == -5 || g.score == 0) return;
    const int64_t layer = 10LL * g.wellwidth * g.welldepth;
    for (const int64_t piece : {int64_t{10}, int64_t{10} * g.maxlayers}) {
      const int64_t layers = delta - piece;
      if (layers >= 0 && layers % layer == 0 && layers / layer <= g.wellheight)
        return void(++result_.landings);
    }
    fault("score changed by " + std::to_string(delta));
  }

  std::unique_ptr<harness> h_;
  std::mt19937_64 random_;
  soakresult& result_;
  int64_t score_ = 0;
  bool over_ = false;
};

}  // namespace

soakresult soak(uint64_t seed, uint64_t events) {
  soakresult result;
  // A fresh game now and then, so that start-up and every seed get their share.
  constexpr uint64_t perbot = 20000;
  for (uint64_t done = 0; done < events; done += perbot) {
    bot player(seed + done, result);
    for (uint64_t i = done; i < events && i < done + perbot; ++i) player.step();
  }
  return result;
}
