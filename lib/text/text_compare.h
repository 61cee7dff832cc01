/* Ordering of counted text: byte order and natural (numeric) order.
 * Text is a pointer and a byte count, not terminated; caseSensitive nonzero
 * compares bytes exactly, zero folds ASCII A to Z first. */
#ifndef VIGIL_LIB_TEXT_TEXT_COMPARE_H
#define VIGIL_LIB_TEXT_TEXT_COMPARE_H

#include "platform/core/base_types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Negative, zero or positive: the first differing pair decides (a's byte minus
 * b's); a proper prefix sorts first. A null pointer on either side gives 0. */
SInt32 TextCompare(const char *a, UInt32 aLength, const char *b, UInt32 bLength,
                   SInt32 caseSensitive);

/* -1, 0 or 1, with runs of digits compared by numeric value ('file9' before
 * 'file10'); of two equal numbers the one with more leading zeros sorts last. */
SInt32 TextCompareNatural(const char *a, UInt32 aLength, const char *b, UInt32 bLength,
                          SInt32 caseSensitive);

#ifdef __cplusplus
}
#endif

#endif
