/* Finding a pattern in counted text: first occurrence, prefix, suffix, whole
 * text, a match that runs across successive pieces, and the whole-word test.
 * Results point into the caller's text; null means not found. An empty pattern
 * is never found. caseSensitive zero folds ASCII A to Z on both sides. */
#ifndef VIGIL_LIB_TEXT_TEXT_SEARCH_H
#define VIGIL_LIB_TEXT_TEXT_SEARCH_H

#include "platform/core/base_types.h"

#ifdef __cplusplus
extern "C" {
#endif

const char *TextSearch(const char *text, UInt32 textLength, const char *pattern,
                       UInt32 patternLength, SInt32 caseSensitive);

/* text if it begins with the prefix, else null. */
const char *TextBeginsWith(const char *text, UInt32 textLength, const char *prefix,
                           UInt32 prefixLength, SInt32 caseSensitive);

/* text + textLength - suffixLength if the text ends with the suffix, else null. */
const char *TextEndsWith(const char *text, UInt32 textLength, const char *suffix,
                         UInt32 suffixLength, SInt32 caseSensitive);

/* text if both lengths are equal and the bytes match, else null. */
const char *TextIsExactly(const char *text, UInt32 textLength, const char *other,
                          UInt32 otherLength, SInt32 caseSensitive);

/* Searches a text fed in pieces. *ioMatched is 0 for the first piece and carries
 * the number of pattern bytes matched at the very end of the previous piece.
 * A result is where the match is seen in this piece: the match itself begins
 * *ioMatched bytes before the result. A match that ends exactly at a piece's end
 * is reported by the next call. */
const char *TextPartialSearch(const char *text, UInt32 textLength, const char *pattern,
                              UInt32 patternLength, SInt32 caseSensitive, UInt32 *ioMatched);

/* 1 if the match (a pointer into the text) has, on both sides, white space or a
 * byte of the boundaries set; a match touching either end of the text is never
 * alone. */
SInt32 TextIsAlone(const char *text, UInt32 textLength, const char *match, UInt32 matchLength,
                   const char *boundaries, UInt32 boundariesLength);

#ifdef __cplusplus
}
#endif

#endif
