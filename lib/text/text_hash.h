/* A multiplicative hash of text: h = h * 37 + byte over the bytes, wrapping at
 * 32 bits, then reduced modulo modulus (a modulus of 0 leaves h unreduced). */
#ifndef VIGIL_LIB_TEXT_TEXT_HASH_H
#define VIGIL_LIB_TEXT_TEXT_HASH_H

#include "platform/core/base_types.h"

#ifdef __cplusplus
extern "C" {
#endif

UInt32 ASCIIHashText(const char *text, UInt32 length, UInt32 modulus);
UInt32 ASCIIHashCString(const char *string, UInt32 modulus);

#ifdef __cplusplus
}
#endif

#endif
