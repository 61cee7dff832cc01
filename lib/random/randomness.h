/* Consumers of the random generators: a chi-square score of a 32-bit generator,
 * filling memory with random bytes, and shuffling arrays. The last two draw from
 * R250 and seed it from the clock unless it was initialised before. */
#ifndef VIGIL_LIB_RANDOM_RANDOMNESS_H
#define VIGIL_LIB_RANDOM_RANDOMNESS_H

#include "lib/random/random_generators.h"
#include "platform/core/base_types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Counts the low and high 16-bit halves of 655,360 draws and returns
 * (chi-square - 131072) / (2 * sqrt(131072)): near 0 for a uniform generator;
 * 999999.0 when the 655,360-byte work area cannot be had. */
double RandomNumberChiSquareTest(RandomSeedGenerator generator);
void RandomizeBlock(UInt32 length, void *buffer);
/* Fisher-Yates, walking forwards. */
void Shuffle(void *array, UInt32 elementSize, UInt32 count);

#ifdef __cplusplus
}
#endif

#endif
