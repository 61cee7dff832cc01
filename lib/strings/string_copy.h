/* Lengths and copies of Pascal strings (a length byte 0 to 255, then that many
 * characters, no terminator, in a 256-byte buffer) and C strings, and the
 * conversions between the two forms. A Pascal string made from longer text keeps
 * its first 255 characters. C-string outputs are the caller's to size. */
#ifndef VIGIL_LIB_STRINGS_STRING_COPY_H
#define VIGIL_LIB_STRINGS_STRING_COPY_H

#include "platform/core/base_types.h"

#ifdef __cplusplus
extern "C" {
#endif

UInt8 PascalStringLength(ConstStr255Param str);
UInt32 CStringLength(const char *str);
/* Bytes before the terminator, at most max; max 0 reads nothing. The two names
 * are one operation. */
UInt32 CStringLengthMax(const char *str, UInt32 max);
UInt32 CStringNSize(const char *str, UInt32 max);

void CopyPascalString(ConstStr255Param src, StringPtr dst);
void CopyCString(const char *src, char *dst);
/* dst receives the first min(length, count) characters of src. */
void CopyPascalStringCount(ConstStr255Param src, StringPtr dst, UInt32 count);
/* At most count bytes, then always a terminator: dst needs count + 1 bytes. */
void CopyCStringCount(const char *src, char *dst, UInt32 count);

/* In place; a null pointer is returned as null. */
char *ConvertPascalToCString(StringPtr str);
StringPtr ConvertCToPascalString(char *str);

/* Return dst. The paired names are one operation each. */
char *CopyPascalToCString(ConstStr255Param src, char *dst);
char *PStringToCString(ConstStr255Param src, char *dst);
StringPtr CopyCToPascalString(const char *src, StringPtr dst);
StringPtr CStringToPString(const char *src, StringPtr dst);

/* dst receives the first min(textLen, maxLen) bytes; maxLen above 255 counts as 255. */
void TextToPascalString(const void *text, UInt32 textLen, UInt32 maxLen, StringPtr dst);

#ifdef __cplusplus
}
#endif

#endif
