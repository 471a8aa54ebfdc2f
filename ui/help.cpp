// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/help.h"

#include <filesystem>
#include <system_error>

#include "persist/gamefile.h"
#include "persist/highscores.h"
#include "persist/settings.h"
#include "platform/texts.h"
#include "ui/message.h"

namespace {

std::string howtoplaytext() {
  return fill(
      say("help",
          "Pieces of cubes appear at the top of the well and fall one row a second. Move a piece "
          "sideways with the arrow keys, the way the picture shows the well; turn it with H and "
          "J, I and K, U and Y; Enter drops it one row. When it can fall no further it lands. A "
          "layer of the well that is full of cubes vanishes, and the cubes above fall into its "
          "place. The game is over when a piece lands on the row where it appeared.\n\n"
          "Play-Options chooses the kind of game and the difficulty, from the next New Game "
          "(Ctrl+N) on. Easy plays four fixed shapes. Regular casts flat pieces from the holes of "
          "the well's floor, as many layers deep as Shape-Options says; Hole-in-One takes out "
          "their inner cubes. Hard casts pieces from the relief of the stack. All Sizes grows "
          "pieces up to the number of cubes Shape-Options gives. The difficulty decides how a new "
          "piece is turned as it appears: not at all, about the vertical axis, or any way.\n\n"
          "A full layer scores 10 points for each of its cells, and every piece that lands scores "
          "10 (10 for each of its layers in the regular and hole-in-one games). New Shape swaps "
          "the falling piece for another at a cost of 5 points. A score among the ten best on its "
          "settings asks for your name; Options › High Scores lists them.\n\n"
          "W shows the well from above and S from the side; R and T turn the view a quarter "
          "clockwise or counter-clockwise. P pauses and goes on. The game also pauses when you "
          "leave its window, unless Play-Options › Pause When Window Is Left is off. F11 switches "
          "full screen.\n\n"
          "The game keeps its files in one folder, which About names: %1 holds the choices that "
          "Options › Settings › Save Settings writes, %2 the high scores, %3 the game you left by "
          "closing the window, brought back paused at the next start, and %4 the window's size "
          "and place and the Pause and Sound choices."),
      {settingsfile, highscorefile, gamefile, windowfile});
}

std::string abouttext(const std::string& version, const std::string& folder) {
  return fill(say("help",
                  "Vovov Kubrix 3d %1\nA falling-block puzzle in three dimensions.\n\n"
                  "Free software under the GNU General Public License, version 3 or (at your "
                  "option) any later version: GPL-3.0-or-later. It comes with no warranty.\n\n"
                  "The game keeps its files in\n%2"),
              {version, folder});
}

}  // namespace

void howtoplay_Click(gamestate& g, window& w) {
  helpplayer(g, w, say("help", "How to Play"), howtoplaytext());
}

void about_Click(gamestate& g, window& w) {
  std::error_code error;
  const std::filesystem::path folder = std::filesystem::current_path(error);
  helpplayer(g, w, say("help", "About Vovov Kubrix 3d"),
             abouttext(KUBRIX_VERSION, folder.string()));
}
