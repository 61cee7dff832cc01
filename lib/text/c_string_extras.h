/* Companions to the C library's string functions: a bounded length,
 * case-insensitive comparisons (ASCII A to Z folded, bytes unsigned), counted
 * text against a C string, a reverse byte search, file-name extensions and
 * in-place removal of a set of bytes.
 *
 * strnlen and memrchr have the C library's prototypes and answers, so this
 * header and <string.h> may be included together (in C++ the C library's own
 * declarations serve). A program linked with libvigil calls libvigil's
 * definitions; code built against the C library alone keeps the C library's. */
#ifndef VIGIL_LIB_TEXT_C_STRING_EXTRAS_H
#define VIGIL_LIB_TEXT_C_STRING_EXTRAS_H

#include <stddef.h>
#include <string.h>

#include "platform/core/base_types.h"

#ifdef __cplusplus
extern "C" {
#else
/* Bytes before the terminator, at most max. */
size_t strnlen(const char *string, size_t max);
/* The last byte of the block equal to byte (as unsigned char), or null. */
void *memrchr(const void *block, int byte, size_t length);
#endif

/* -1, 0 or 1: case-insensitive order, stopping after equal terminators. */
int stricmp(const char *a, const char *b);
/* The same over at most n bytes. */
int strnicmp(const char *a, const char *b, size_t n);

/* -1, 0 or 1: the counted text against the whole C string; 0 exactly when they
 * are equal (a text that is a proper prefix of the string gives -1). */
int strncmpx(const char *text, UInt32 length, const char *string);
int strnicmpx(const char *text, UInt32 length, const char *string);

/* The extension after the last '.', or a constant empty string when there is
 * none or when a digit or a space follows that '.'. Never null. */
const char *StringFileExtension(const char *name);
/* The name's extension when it equals extension ignoring case, else null. */
const char *StringFileExtensionMatch(const char *name, const char *extension);
/* As StringFileExtensionMatch with any of the extensions listed after name;
 * the list ends with a null pointer. */
const char *StringFileExtensionMatchList(const char *name, ...);

/* Remove, in place, every byte that is (is not) in set; return how many went. */
UInt32 StringRemoveSet(char *string, const char *set);
UInt32 StringRemoveNotSet(char *string, const char *set);

#ifdef __cplusplus
}
#endif

#endif
