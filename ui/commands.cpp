#include "ui/commands.h"

void menu_Click(gamestate& g, window& w, menuitem item) {
  (void)g;
  if (item == menuitem::quit) w.quit();
}

void button_Click(gamestate& g, window& w, control c) {
  (void)g;
  (void)w;
  (void)c;
}

void text_Change(gamestate& g, window& w, control c) {
  (void)g;
  (void)w;
  (void)c;
}
