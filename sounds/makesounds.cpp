// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the game's sound effects as WAV files into the folder given, for the build to put into
// the resources.
#include <cstdio>
#include <fstream>
#include <string>

#include "sounds/synth.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: makesounds FOLDER\n", stderr);
    return 2;
  }
  for (size_t i = 0; i < soundnames.size(); ++i) {
    const std::string path = std::string(argv[1]) + "/" + soundnames[i] + ".wav";
    std::ofstream out(path, std::ios::binary);
    out << wavfile(synthesize(static_cast<soundeffect>(i)));
    if (!out.flush()) {
      std::fprintf(stderr, "makesounds: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
