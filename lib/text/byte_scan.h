/* Scans of counted text for one byte or a set of bytes, counts of matching
 * bytes, runs of digits and zeros at either end, and a file name's extension.
 * A byte to look for is an integer 0 to 255; a set is itself text (pointer and
 * count). A null text or zero length finds nothing; so does a null or empty set.
 * caseSensitive zero folds ASCII A to Z on both sides. */
#ifndef VIGIL_LIB_TEXT_BYTE_SCAN_H
#define VIGIL_LIB_TEXT_BYTE_SCAN_H

#include "platform/core/base_types.h"

#ifdef __cplusplus
extern "C" {
#endif

const char *TextByteSearch(const char *text, UInt32 length, SInt32 byte, SInt32 caseSensitive);
const char *TextReverseByteSearch(const char *text, UInt32 length, SInt32 byte, SInt32 caseSensitive);
/* The first byte that occurs in the set. */
const char *TextSetSearch(const char *text, UInt32 length, const char *set, UInt32 setLength,
                          SInt32 caseSensitive);
/* Leading bytes that do (do not) occur in the set. */
UInt32 TextSetCountSearch(const char *text, UInt32 length, const char *set, UInt32 setLength,
                          SInt32 caseSensitive);
UInt32 TextNotSetCountSearch(const char *text, UInt32 length, const char *set, UInt32 setLength,
                             SInt32 caseSensitive);
UInt32 TextCountMatchingBytes(const char *text, UInt32 length, SInt32 byte, SInt32 caseSensitive);
UInt32 TextCountConsecutiveMatchingBytes(const char *text, UInt32 length, SInt32 byte,
                                         SInt32 caseSensitive);

/* For these four a null text or zero length gives null and leaves the
 * out-parameter alone; out-parameters may be null. */
/* text if it begins with a digit; *outCount the number of leading digits. */
const char *TextFindLeadingNumbers(const char *text, UInt32 length, UInt32 *outCount);
/* The run of digits that ends the text, or null; *outCount its length. */
const char *TextFindTrailingNumbers(const char *text, UInt32 length, UInt32 *outCount);
/* The first byte that is not '0' (or the end); *outLength the bytes from there. */
const char *TextSkipLeadingZeroes(const char *text, UInt32 length, UInt32 *outLength);
/* text; *outLength the length without the trailing '0' bytes. */
const char *TextSkipTrailingZeroes(const char *text, UInt32 length, UInt32 *outLength);

/* The extension after the name's last '.': null (length 0) when there is no
 * '.' or the byte after it is not a letter; the end of the name (length 0) when
 * the '.' is last. */
const char *TextFindExtension(const char *name, UInt32 length, UInt32 *outLength);

#ifdef __cplusplus
}
#endif

#endif
