/* English renderings of numbers: amounts in words as on a cheque, ordinal
 * suffixes, and Roman numerals both ways. */
#ifndef VIGIL_LIB_FORMAT_NUMBERS_IN_WORDS_H
#define VIGIL_LIB_FORMAT_NUMBERS_IN_WORDS_H

#include "platform/core/base_types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* The absolute value in words with the cents over 100: 1234.56 gives 'One
 * Thousand Two Hundred Thirty-Four & 56/100'. The first min(maxLen, length)
 * bytes go to dst (not terminated) and the full length to *outLen; either may
 * be null. Values of 2000 trillion and more (and NaN) give the empty result. */
void NumberToLiteral(double value, UInt32 maxLen, char *dst, UInt32 *outLen);

/* Writes the words of one group (0 to 1999) and its scale word at cursor, in a
 * buffer that begins at start; returns the new cursor. A group outside 0 to
 * 1999 writes nothing. Used by NumberToLiteral; needs 64 bytes of room. */
char *NumberToLiteralFormGroup(SInt32 group, const char *scaleWord, char *start, char *cursor);

/* 0 'th', 1 'st', 2 'nd', 3 'rd': the index of n's English ordinal suffix. */
UInt32 NumberToOrdinalIndex(UInt32 n);
/* The constant suffix string for n. */
const char *NumberToOrdinalCString(UInt32 n);

/* The value of a Roman numeral in either case ('XIV' is 14), or 0 when a byte
 * is not a Roman letter. Well-formedness is not checked ('IIX' is 10). */
UInt32 RomanNumeralToInteger(const char *text, UInt32 len);

/* Writes value as a Roman numeral into dst, at most maxChars bytes, not
 * terminated; *outLen the bytes written. Returns the part of the value not
 * written (0 when it all fit); a numeral cut short still counts as unwritten. */
UInt32 IntegerToRomanNumberal(UInt32 value, UInt32 maxChars, char *dst, UInt32 *outLen);

#ifdef __cplusplus
}
#endif

#endif
