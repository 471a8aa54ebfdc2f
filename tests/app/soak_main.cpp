// The long soak: `soak [events] [seed]`, one million events by default. Prints what it played and
// every fault it found; exits non-zero when there was one.
#include <cstdlib>
#include <iostream>

#include "soakbot.h"

int main(int argc, char** argv) {
  const soakresult r = soak(argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1,
                            argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 1000000);
  for (const std::string& fault : r.faults) std::cout << "fault: " << fault << '\n';
  std::cout << "soak: " << r.events << " events, " << r.games << " new games, " << r.gameovers
            << " game overs, " << r.landings << " landings, " << r.resumes << " games resumed, "
            << r.faultcount << " faults\n";
  return r.faultcount == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
