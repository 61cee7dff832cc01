/* A test whether text contains any word of a fixed list of obscenities. */
#ifndef VIGIL_LIB_TEXT_OBSCENITY_H
#define VIGIL_LIB_TEXT_OBSCENITY_H

#include "platform/core/base_types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* The first occurrence (any case, inside other words too) of the first listed
 * word that occurs at all, or null. */
const char *TextContainsObscenities(const char *text, UInt32 length);

#ifdef __cplusplus
}
#endif

#endif
