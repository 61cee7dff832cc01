/* Skipping to or past a byte or a token. A length of 0 (and a token length of
 * 0) means the text (token) is zero-terminated and is measured first. Results
 * point into the text; null when the byte or token is absent. */
#ifndef VIGIL_LIB_TEXT_TEXT_SKIP_H
#define VIGIL_LIB_TEXT_TEXT_SKIP_H

#include "platform/core/base_types.h"

#ifdef __cplusplus
extern "C" {
#endif

const char *SkipToChar(const char *text, UInt32 length, SInt32 byte, SInt32 caseSensitive);
const char *SkipToCharReverse(const char *text, UInt32 length, SInt32 byte, SInt32 caseSensitive);
const char *SkipPastChar(const char *text, UInt32 length, SInt32 byte, SInt32 caseSensitive);
const char *SkipPastCharReverse(const char *text, UInt32 length, SInt32 byte, SInt32 caseSensitive);
const char *SkipToToken(const char *text, UInt32 length, const char *token, UInt32 tokenLength,
                        SInt32 caseSensitive);
/* The token's position plus tokenLength as passed: with tokenLength 0 that is
 * the token's start; pass the measured length to skip a terminated token. */
const char *SkipPastToken(const char *text, UInt32 length, const char *token, UInt32 tokenLength,
                          SInt32 caseSensitive);

#ifdef __cplusplus
}
#endif

#endif
