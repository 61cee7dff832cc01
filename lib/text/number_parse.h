/* Reading integers from the front of counted text. The Parse family skips
 * white space, reads as many digits as it can and reports where it stopped:
 * *outNext the first byte not consumed, *outRemaining the bytes from there to
 * the end (either may be null). Nothing reports overflow or a missing number:
 * values wrap around at 32 or 64 bits, and no digits give 0. */
#ifndef VIGIL_LIB_TEXT_NUMBER_PARSE_H
#define VIGIL_LIB_TEXT_NUMBER_PARSE_H

#include "platform/core/base_types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* An optional '-' directly before the digits; no '+'. */
SInt32 ParseDecimalInteger(const char *text, UInt32 length, const char **outNext, UInt32 *outRemaining);
SInt64 ParseDecimalInteger64(const char *text, UInt32 length, const char **outNext, UInt32 *outRemaining);
/* Digits of either case; no sign and no prefix. */
UInt32 ParseHexInteger(const char *text, UInt32 length, const char **outNext, UInt32 *outRemaining);
UInt64 ParseHexInteger64(const char *text, UInt32 length, const char **outNext, UInt32 *outRemaining);
UInt32 ParseBinaryInteger(const char *text, UInt32 length, const char **outNext, UInt32 *outRemaining);
UInt64 ParseBinaryInteger64(const char *text, UInt32 length, const char **outNext, UInt32 *outRemaining);
UInt32 ParseOctalInteger(const char *text, UInt32 length, const char **outNext, UInt32 *outRemaining);
UInt64 ParseOctalInteger64(const char *text, UInt32 length, const char **outNext, UInt32 *outRemaining);

/* A prefix chooses the digits: '0x' hexadecimal, '0b' binary, '$' hexadecimal,
 * '#' decimal; without one, base does (2, 8, 10 or 16). Another base gives 0
 * and leaves the out-parameters alone. */
SInt32 ParseFormattedInteger(const char *text, UInt32 length, SInt32 base, const char **outNext,
                             UInt32 *outRemaining);
SInt64 ParseFormattedInteger64(const char *text, UInt32 length, SInt32 base, const char **outNext,
                               UInt32 *outRemaining);

/* The value of a whole field. A length of 0xFFFFFFFF (-1) means the text is
 * zero-terminated. base 0 reads '0x', '0b' and a leading '0' (octal) prefixes
 * and is decimal otherwise; decimal accepts one '+' or '-' and skips ','
 * between digits. Another base than 0, 2, 8, 10 or 16 gives 0. */
SInt32 TextToInt32(const char *text, UInt32 length, SInt32 base);

#ifdef __cplusplus
}
#endif

#endif
