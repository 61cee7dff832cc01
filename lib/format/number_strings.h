/* 32-bit integers to and from digit strings in bases 2, 8, 10 and 16, in
 * Pascal strings and C strings, and decimal strings grouped by a separator.
 * Signed conversions are two's complement; hexadecimal, binary and octal
 * output is unsigned ('FFFFFFFF' for -1) in upper-case digits. Input
 * conversions wrap on overflow. Pascal-string outputs stop at 255 characters. */
#ifndef VIGIL_LIB_FORMAT_NUMBER_STRINGS_H
#define VIGIL_LIB_FORMAT_NUMBER_STRINGS_H

#include "platform/core/base_types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Every digit of the string in order, other bytes skipped; negated when the
 * first character is '-'. 'a1b2' gives 12. */
SInt32 ConvertStringToNumber(ConstStr255Param str);
UInt32 ConvertHexStringToNumber(ConstStr255Param str);
UInt32 ConvertBinaryStringToNumber(ConstStr255Param str);

/* The digit's value, or -1. The binary form looks at the low 8 bits only. */
SInt32 ConvertCharToNumber(SInt32 ch);
SInt32 ConvertHexCharToNumber(SInt32 ch);
SInt32 ConvertBinaryCharToNumber(SInt32 ch);

void AppendNumberToString(SInt32 value, StringPtr dst);
void ConvertNumberToString(SInt32 value, StringPtr dst);
/* Both append to the C string dst already holds. */
void AppendNumberToCString(SInt32 value, char *dst);
void ConvertNumberToCString(SInt32 value, char *dst);
void AppendNumberToHexString(UInt32 value, StringPtr dst);
void AppendNumberToBinaryString(UInt32 value, StringPtr dst);
void AppendNumberToOctalString(UInt32 value, StringPtr dst);
void ConvertNumberToHexString(UInt32 value, StringPtr dst);
void ConvertNumberToBinaryString(UInt32 value, StringPtr dst);
void ConvertNumberToOctalString(UInt32 value, StringPtr dst);
/* Padded on the left with '0' to width characters; a longer result is not cut. */
void ConvertNumberToHexStringPadded(UInt32 value, SInt32 width, StringPtr dst);
void ConvertNumberToBinaryStringPadded(UInt32 value, SInt32 width, StringPtr dst);
/* The zero-padded hexadecimal digits, without length byte or terminator:
 * max(width, digit count) bytes. */
void ConvertNumberToHexText(UInt32 value, char *dst, SInt32 width);

/* Signed decimal with separator between groups of three digits: 1234567 gives
 * '1,234,567' with ','. */
void ConvertNumberToFormattedStringWithSeperator(SInt32 value, char separator, StringPtr dst);
/* The same with the system's thousands separator; when the system has none,
 * ',' is used and the result is -192 (or the platform's error); else 0. */
OSStatus ConvertNumberToFormattedString(SInt32 value, StringPtr dst);

#ifdef __cplusplus
}
#endif

#endif
