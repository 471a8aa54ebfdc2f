#include "input/keyboard.h"

void Form_KeyDown(gamestate& g, surface& s, int keycode) {
  (void)g;
  (void)s;
  (void)keycode;
}
