// The seed generator of the ring generators: the caller's, or StandardRandom
// seeded from the clock.
#pragma once

#include "lib/random/random_generators.h"
#include "platform/core/clock.h"

namespace vigil::random {

inline RandomSeedGenerator ResolveSeedGenerator(RandomSeedGenerator generator) {
  if (generator != nullptr) return generator;
  UInt32 now = 0;
  GetDateTime(&now);
  StandardRandomInit(now);
  return StandardRandom;
}

}  // namespace vigil::random
