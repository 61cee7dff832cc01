/* Four-character codes to and from strings: the first character is the most
 * significant byte of the code. */
#ifndef VIGIL_LIB_STRINGS_FOUR_CHAR_CODES_H
#define VIGIL_LIB_STRINGS_FOUR_CHAR_CODES_H

#include "platform/core/base_types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* The four characters; code 0 gives the empty string. */
void OSTypeToPascalString(OSType code, StringPtr dst);
/* The first min(length, 4) characters; missing low bytes are zero. */
OSType PascalStringToOSType(ConstStr255Param str);
/* Always four bytes and a terminator (dst needs 5 bytes). */
void OSTypeToCStringCompat(OSType code, char *dst);
OSType CStringToOSType(const char *str);

#ifdef __cplusplus
}
#endif

#endif
