// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/commands.h"

#include "persist/restoresettings.h"
#include "persist/settings.h"
#include "platform/texts.h"
#include "ui/help.h"
#include "ui/highscorepanel.h"
#include "ui/highscoretable.h"
#include "ui/message.h"
#include "ui/newgame.h"
#include "ui/panels.h"
#include "ui/playoptions.h"

void menu_Click(gamestate& g, window& w, menuitem item) {
  switch (item) {
    case menuitem::newshape:
      newshape_Click(g, w);
      break;
    case menuitem::newgame:
      newgame_Click(g, w);
      break;
    case menuitem::savesettings:
      if (const int error = savesettings(g); error != 0) {
        warnplayer(g, w,
                   filefailure(say("message", "The settings could not be saved to \"%1\": %2."),
                               settingsfile, error));
      }
      break;
    case menuitem::restoresettings:
      restoresettings(g, w);
      break;
    case menuitem::highscores:
      highscores_Click(g, w);
      break;
    case menuitem::quit:
      quit_Click(g, w);
      break;
    case menuitem::one:
      one_Click(w);
      break;
    case menuitem::two:
      two_Click(w);
      break;
    case menuitem::three:
      three_Click(w);
      break;
    case menuitem::classic:
      classic_Click(w);
      break;
    case menuitem::regular:
      regular_Click(w);
      break;
    case menuitem::hard:
      hard_Click(w);
      break;
    case menuitem::allsizes:
      allsizes_Click(w);
      break;
    case menuitem::holeinone:
      holeinone_Click(w);
      break;
    case menuitem::truecolor:
      truecolor_Click(g, w);
      break;
    case menuitem::color16:
      color16_Click(g, w);
      break;
    case menuitem::blockrandom:
      blockrandom_Click(g, w);
      break;
    case menuitem::blockuniform:
      blockuniform_Click(g, w);
      break;
    case menuitem::choosesize:
      choosesize_Click(g, w);
      break;
    case menuitem::choosegrid:
      choosegrid_Click(g, w);
      break;
    case menuitem::chooseshape:
      chooseshape_Click(g, w);
      break;
    case menuitem::chooselayers:
      chooselayers_Click(g, w);
      break;
    case menuitem::pauseonleave:
      pauseonleave_Click(w);
      break;
    case menuitem::sound:
      sound_Click(w);
      break;
    case menuitem::allkeys:
      F1_KeyDown(g, w);
      break;
    case menuitem::howtoplay:
      howtoplay_Click(g, w);
      break;
    case menuitem::about:
      about_Click(g, w);
      break;
    default:
      break;
  }
}

void button_Click(gamestate& g, window& w, control c) {
  switch (c) {
    case control::Command1:
      Command1_Click(g, w);
      break;
    case control::Command2:
      Command2_Click(g, w);
      break;
    case control::Command3:
      Command3_Click(g, w);
      break;
    case control::Command4:
      Command4_Click(g, w);
      break;
    case control::Command5:
      Command5_Click(g, w);
      break;
    default:
      break;
  }
}

// A typed value waits in its field until Done or New Game reads it; only the high-score name
// decides at once whether its Done can be pressed.
void text_Change(gamestate& g, window& w, control c) {
  (void)g;
  if (c == control::Text7) Text7_Change(w);
}
