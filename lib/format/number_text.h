/* Integers read from counted text (pointer and length): decimal with an
 * optional '-', hexadecimal, binary and octal up to the first other byte, all
 * hexadecimal digits of a text, and a number with a base prefix. Values wrap
 * at 32 bits. */
#ifndef VIGIL_LIB_FORMAT_NUMBER_TEXT_H
#define VIGIL_LIB_FORMAT_NUMBER_TEXT_H

#include "platform/core/base_types.h"

#ifdef __cplusplus
extern "C" {
#endif

SInt32 DecimalTextToNumber(const char *text, UInt32 len);
UInt32 HexTextToNumber(const char *text, UInt32 len);
UInt32 BinaryTextToNumber(const char *text, UInt32 len);
UInt32 OctalTextToNumber(const char *text, UInt32 len);
/* Every hexadecimal digit of the text, other bytes skipped. */
UInt32 ConvertHexTextToNumber(const char *text, UInt32 len);
/* After white space: '0x' hexadecimal, '0b' binary, '0' and a digit octal,
 * '$' hexadecimal, '#' decimal; otherwise base (10, 16, 2 or 8; another gives 0). */
SInt32 FormattedTextToNumber(const char *text, UInt32 len, SInt32 base);

#ifdef __cplusplus
}
#endif

#endif
