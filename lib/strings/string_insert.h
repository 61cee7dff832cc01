/* Inserting and appending, whole strings and single characters, and padding.
 * Offsets count characters from 0; an offset beyond the end means the end.
 * Pascal strings never grow past 255 characters: what is added is cut from its
 * end, and what the destination holds is never dropped. C-string destinations
 * are the caller's to size, except where a maximum is given. */
#ifndef VIGIL_LIB_STRINGS_STRING_INSERT_H
#define VIGIL_LIB_STRINGS_STRING_INSERT_H

#include "platform/core/base_types.h"

#ifdef __cplusplus
extern "C" {
#endif

void InsertPascalString(StringPtr dst, ConstStr255Param src, UInt32 offset);
void InsertCString(char *dst, const char *src, UInt32 offset);
void InsertPascalStringCount(StringPtr dst, ConstStr255Param src, UInt32 offset, UInt32 count);
void InsertCStringCount(char *dst, const char *src, UInt32 offset, UInt32 count);
/* Inserts as much of src as keeps dst within max characters (and 255). */
void InsertMaximumPascalString(StringPtr dst, ConstStr255Param src, UInt32 offset, UInt32 max);
void InsertMaximumCString(char *dst, const char *src, UInt32 offset, UInt32 max);
void InsertMaximumPascalStringCount(StringPtr dst, ConstStr255Param src, UInt32 offset, UInt32 count,
                                    UInt32 max);
void InsertMaximumCStringCount(char *dst, const char *src, UInt32 offset, UInt32 count, UInt32 max);

void AppendPascalString(StringPtr dst, ConstStr255Param src);
void AppendCString(char *dst, const char *src);
void AppendPascalStringCount(StringPtr dst, ConstStr255Param src, UInt32 count);
void AppendCStringCount(char *dst, const char *src, UInt32 count);
/* Note the order: source first. */
void AppendCStringToPascalString(const char *src, StringPtr dst);
void AppendPascalStringToPascalString(ConstStr255Param src, StringPtr dst);
void PStringAppendText(const void *text, UInt32 textLen, StringPtr dst);

/* A Pascal string of 255 characters is left unchanged. */
void AppendCharToPascalString(unsigned char ch, StringPtr dst);
void InsertCharIntoPascalString(StringPtr dst, unsigned char ch, UInt32 offset);
void AppendCharToCString(char *dst, char ch);
void InsertCharIntoCString(char *dst, char ch, UInt32 offset);

/* Pad with ch on the left (PadPascalString) or the right until the length is
 * width; a width not above the length changes nothing; at most 255. */
void PadPascalString(StringPtr str, SInt32 width, unsigned char ch);
void PadPascalStringToEnd(StringPtr str, SInt32 width, unsigned char ch);

#ifdef __cplusplus
}
#endif

#endif
