// The long soak: `soak [events] [seed]`, one million events by default. Prints what it played and
// every fault it found; exits non-zero when there was one.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "soakbot.h"

int main(int argc, char** argv) {
  const uint64_t events = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 1000000;
  const uint64_t seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
  const soakresult result = soak(seed, events);
  for (const std::string& fault : result.faults) std::printf("fault: %s\n", fault.c_str());
  std::printf("soak: %llu events, %llu new games, %llu game overs, %llu landings, %llu faults\n",
              static_cast<unsigned long long>(result.events),
              static_cast<unsigned long long>(result.games),
              static_cast<unsigned long long>(result.gameovers),
              static_cast<unsigned long long>(result.landings),
              static_cast<unsigned long long>(result.faultcount));
  return result.faultcount == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
