/* Case-insensitive block comparison and searches in blocks and C strings.
 *
 * memmem has the C library's prototype, so this header and <string.h> may be
 * included together (in C++ the C library's own declaration serves). A program
 * linked with libvigil calls libvigil's memmem, which differs from the C
 * library's in one answer: an empty needle is never found (null), where the C
 * library returns the haystack. Code built against the C library alone keeps
 * the C library's memmem. */
#ifndef VIGIL_LIB_STRINGS_MEMORY_SEARCH_H
#define VIGIL_LIB_STRINGS_MEMORY_SEARCH_H

#include <stddef.h>
#include <string.h>

#include "platform/core/base_types.h"

#ifdef __cplusplus
extern "C" {
#else
/* The first occurrence of the needle wholly inside the haystack; null if none,
 * if needleLen is 0 or if it exceeds hayLen. */
void *memmem(const void *hay, size_t hayLen, const void *needle, size_t needleLen);
#endif

/* -1, 0 or 1 over at most n bytes, each lower-cased and taken as a signed
 * byte; an equal pair of zero bytes ends the comparison with 0. */
int memicmp(const void *a, const void *b, UInt32 n);
/* 1 if the lengths are equal and the blocks equal ignoring case, else 0. */
int memiequal(const void *a, UInt32 aLen, const void *b, UInt32 bLen);

/* The last occurrence of needle in hay, occurrences never overlapping (the
 * search resumes after each one found); null if none or needle is empty. */
char *strrstr(const char *hay, const char *needle);
/* Case-insensitive strstr; a null or empty needle gives hay. */
char *stristr(const char *hay, const char *needle);

#ifdef __cplusplus
}
#endif

#endif
