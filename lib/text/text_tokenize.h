/* Splitting counted text at runs of delimiter bytes. A token is the bytes
 * before a delimiter; text with no delimiter after it yields no token (also
 * when it is the last piece of a longer text). */
#ifndef VIGIL_LIB_TEXT_TEXT_TOKENIZE_H
#define VIGIL_LIB_TEXT_TEXT_TOKENIZE_H

#include "platform/core/base_types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Returns text (where the token begins) or null when no delimiter occurs.
 * *outTokenLength the token's length; *outNext and *outNextLength the text after
 * the whole run of delimiters. Out-parameters may be null. */
const char *TextTokenize(const char *text, UInt32 length, const char *delimiters,
                         UInt32 delimitersLength, SInt32 caseSensitive, UInt32 *outTokenLength,
                         const char **outNext, UInt32 *outNextLength);

/* The resumable form: a non-null text starts afresh, a null text continues
 * where the previous call stopped. The resume position is shared by the whole
 * process: one tokenization at a time, from one thread. */
const char *TextMutableTokenize(const char *text, UInt32 length, const char *delimiters,
                                UInt32 delimitersLength, SInt32 caseSensitive, UInt32 *outTokenLength);

#ifdef __cplusplus
}
#endif

#endif
