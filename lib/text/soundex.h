/* Soundex keys: a first character and three digits ('R163' for 'Robert' and
 * 'Rupert'), packed most significant byte first into 32 bits. */
#ifndef VIGIL_LIB_TEXT_SOUNDEX_H
#define VIGIL_LIB_TEXT_SOUNDEX_H

#include "platform/core/base_types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Leading bytes that are not letters or digits are skipped; '0000' when none
 * remain. */
UInt32 TextToSoundex(const char *text, UInt32 length);
/* The first word of the text (a run between white space) whose key equals the
 * word's, or null. */
const char *TextSearchSoundex(const char *text, UInt32 length, const char *word, UInt32 wordLength);

#ifdef __cplusplus
}
#endif

#endif
