/* Case change and ordering of Pascal and C strings. Case changes and the
 * case-insensitive orders touch ASCII A to Z and a to z only. The two orders
 * differ above 127: Pascal strings compare characters as signed bytes (so 0x80
 * to 0xFF sort before ASCII), C strings as unsigned bytes. */
#ifndef VIGIL_LIB_STRINGS_STRING_COMPARE_H
#define VIGIL_LIB_STRINGS_STRING_COMPARE_H

#include "platform/core/base_types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* In place; return str. */
StringPtr ConvertPascalStringToLowercase(StringPtr str);
StringPtr ConvertPascalStringToUppercase(StringPtr str);
char *ConvertCStringToLowercase(char *str);
char *ConvertCStringToUppercase(char *str);

/* Negative, zero or positive; a proper prefix sorts first. caseFlag nonzero
 * compares exactly, zero folds ASCII letters. */
SInt32 PascalStringCompare(ConstStr255Param a, ConstStr255Param b, SInt32 caseFlag);
SInt32 CStringCompare(const char *a, const char *b, SInt32 caseFlag);

/* Case-insensitive PascalStringCompare of two inline Pascal strings, in the
 * form of the C library's qsort comparison routine. */
int QSortPStringCompare(const void *a, const void *b);

#ifdef __cplusplus
}
#endif

#endif
