#include "model/generate.h"

void generatepiece(gamestate& g) { (void)g; }
