#include "persist/settings.h"

bool loadsettings(gamestate& g, window& w) {
  (void)g;
  (void)w;
  return false;
}
