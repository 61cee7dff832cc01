/* The library's own formatted-print engine and its number writer and reader.
 *
 * The format language: ordinary characters are copied; a '%' opens a directive
 * of flags and a conversion character, each directive taking the next argument
 * (and '.*' one more before it for the precision):
 *   '-'        left-justify strings and characters (numbers are always right-aligned)
 *   '0'        before the width: pad numbers with '0' (not followed by a digit,
 *              the directive vanishes and takes no argument: '%0d')
 *   digits     the width; without '0' numbers are padded with blanks
 *   '.n' '.*'  the precision: a number's minimum digit count (it then replaces
 *              the width and pads with '0'), or exactly n characters of a string
 *   'l' 'L' '%'  skipped, so '%%d' is '%d'
 *   d D  signed decimal   u U  unsigned decimal   o O  octal
 *   x X  hexadecimal in lower or upper case   c  a character (low 8 bits)
 *   s    a C string   P  a Pascal string
 * Any other conversion character makes the whole directive vanish. A number's
 * minus sign stays outside its padding: '%05d' of -42 is '-00042'. Numeric
 * arguments are 32-bit words; 's' and 'P' take pointers. */
#ifndef VIGIL_LIB_FORMAT_FORMATTED_OUTPUT_H
#define VIGIL_LIB_FORMAT_FORMATTED_OUTPUT_H

#include <stdarg.h>

#include "platform/core/base_types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* -1 and nothing written for a null dst or format; otherwise the length of the
 * result written to dst, which the caller makes large enough. */
SInt32 SPrintF(char *dst, const char *format, ...);
void ExpandFormat(char *dst, const char *format, va_list args);

/* One number as a C string in dst: base 2 to 16, or -10 for signed decimal; pad
 * a character or 0 for none; a precision above 0 replaces the width and pads
 * with '0'. Never more than 32 characters and the terminator (a wider field is
 * cut to 32); a base outside those gives the empty string. Returns the address
 * of the terminator. */
char *NumberToString(UInt32 value, SInt32 base, char pad, SInt32 width, SInt32 precision, Boolean upperCase,
                     char *dst);

/* Base 10 or 16 (another gives 0 with *end at str): blanks, tabs and line
 * feeds, one optional '-', then digits up to the first other byte, where *end
 * points (end may be null). Wraps on overflow. */
SInt32 StringToNumber(const char *str, char **end, SInt32 base);

#ifdef __cplusplus
}
#endif

#endif
