#pragma once

// The fit loop written out plainly, pass by pass, with nothing skipped: the reference the game's
// fit must match. It stops at a well of 6 cells, as the game does, where the loop as written would
// go on. Built optimised in every variant: a typed 1000000000 takes half a billion passes.
struct fitted {
  double squarewidth, squareheight;
  int wellwidth, wellheight;
  bool operator==(const fitted&) const = default;
};
fitted fitbyhand(double squarewidth, double squareheight, int wellwidth, int wellheight,
                 int areawidth, int areaheight);
