/* Six pseudo-random generators, each with its own module-level state: a linear
 * congruential generator, a bit-feedback shift register, three mixed XOR rings, a
 * counter hashed by rounds, R250, and Park-Miller's minimal standard. None is fit
 * for secrets. Draws before an init use the all-zero state. */
#ifndef VIGIL_LIB_RANDOM_RANDOM_GENERATORS_H
#define VIGIL_LIB_RANDOM_RANDOM_GENERATORS_H

#include "platform/core/base_types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Any draw function of this file can seed the ring generators; null means
 * StandardRandom seeded from the clock. */
typedef UInt32 (*RandomSeedGenerator)(void);

void StandardRandomInit(UInt32 seed);
UInt32 StandardRandom(void);

void Shift32RandomInit(UInt32 seed);
UInt32 Shift32Random(void);

void MixRandomInit(RandomSeedGenerator generator);
UInt32 MixRandom(void);
/* 1 when the count words have no all-zero bit column and no two equal columns. */
Boolean MixRandomCheckBitColumns(const UInt32 *words, SInt32 count);

/* rounds: at most 20 (more count as 20). */
void HashRandomInit(UInt32 seed, UInt32 startingCounter, UInt32 rounds);
UInt32 HashRandom(void);

/* Only the first call in a process takes effect. */
void R250RandomInit(RandomSeedGenerator generator);
UInt32 R250Random(void);
UInt64 R250Random64(void);
UInt16 R250Random16(void);
UInt8 R250Random8(void);
/* low + (draw mod (high - low + 1)); the whole 32-bit range when that span is 0. */
UInt32 R250RandomRange(UInt32 low, UInt32 high);

void ParkMillerRandomInit(SInt32 seed);
SInt32 ParkMillerRandomInteger(void);
SInt32 ParkMillerRandomFloat(void);

#ifdef __cplusplus
}
#endif

#endif
